#include "signalplot.h"

#include <QPainter>
#include <QPainterPath>

namespace Praxon {

namespace {

constexpr int topLevel = 31;

struct Stripe
{
    int from;
    int to;
    QColor colour;
};

const Stripe stripes[] = {
    {0, 2, QColor(0xf4, 0xc7, 0xc3)},   // none
    {2, 10, QColor(0xfc, 0xe0, 0xb2)},  // weak
    {10, 15, QColor(0xff, 0xf5, 0xc0)}, // fair
    {15, 20, QColor(0xdc, 0xed, 0xc8)}, // good
    {20, 31, QColor(0xc8, 0xe6, 0xc9)}, // excellent
};

} // namespace

SignalPlot::SignalPlot(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("signalPlot"));
    setMinimumSize(240, 140);
}

QSize SignalPlot::sizeHint() const
{
    return {480, 220};
}

void SignalPlot::showLog(const SignalLog& log, const QDateTime& end)
{
    const QDateTime start = end.addSecs(-windowSeconds);
    samples = log.since(start);
    marks.clear();
    for (const SignalLog::Mark& mark : log.marks()) {
        if (mark.time >= start)
            marks << mark;
    }
    windowEnd = end;
    update();
}

QRect SignalPlot::plotArea() const
{
    const int textWidth = fontMetrics().horizontalAdvance(QStringLiteral("31")) + 8;
    const int textHeight = fontMetrics().height();
    return rect().adjusted(textWidth, textHeight + 4, -8, -textHeight - 6);
}

QPointF SignalPlot::pointAt(const QDateTime& time, int level) const
{
    const QRect area = plotArea();
    const double age = windowEnd.isValid() ? time.msecsTo(windowEnd) / 1000.0 : 0;
    return {area.right() - age / windowSeconds * area.width(), area.bottom() - double(level) / topLevel * area.height()};
}

void SignalPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    paintBands(painter);
    paintAxes(painter);
    paintSignal(painter);
    paintMarks(painter);
}

void SignalPlot::paintBands(QPainter& painter) const
{
    const QRect area = plotArea();
    for (const Stripe& stripe : stripes) {
        const double top = area.bottom() - double(stripe.to) / topLevel * area.height();
        const double bottom = area.bottom() - double(stripe.from) / topLevel * area.height();
        painter.fillRect(QRectF(area.left(), top, area.width(), bottom - top), stripe.colour);
    }
}

void SignalPlot::paintAxes(QPainter& painter) const
{
    const QRect area = plotArea();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(area);
    for (const int level : {0, 10, 20, 31}) {
        const QPointF at = pointAt(windowEnd, level);
        painter.drawText(QRectF(0, at.y() - 10, area.left() - 4, 20), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(level));
    }
    const QRectF below(area.left(), area.bottom() + 2, area.width(), fontMetrics().height() + 4);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, tr("-10 min"));
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop, tr("-5 min"));
    painter.drawText(below, Qt::AlignRight | Qt::AlignTop, tr("now"));
}

void SignalPlot::paintSignal(QPainter& painter) const
{
    QPainterPath path;
    bool drawing = false;
    for (const SignalLog::Sample& sample : samples) {
        const int level = sample.level();
        if (level < 0) {
            drawing = false;
            continue;
        }
        const QPointF point = pointAt(sample.time, level);
        if (drawing)
            path.lineTo(point);
        else
            path.moveTo(point);
        drawing = true;
        painter.setBrush(QColor(0x1e, 0x56, 0x9b));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(point, 2.5, 2.5);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x1e, 0x56, 0x9b), 2));
    painter.drawPath(path);
}

void SignalPlot::paintMarks(QPainter& painter) const
{
    const QRect area = plotArea();
    for (const SignalLog::Mark& mark : marks) {
        const double x = pointAt(mark.time, 0).x();
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.drawText(QPointF(x + 3, area.top() - 4), mark.label);
    }
}

} // namespace Praxon
