#include "progressbar.h"

#include "console.h"

namespace Ctl {

ProgressBar::ProgressBar(QObject* parent)
    : QObject(parent)
{
}

void ProgressBar::show(bool shown, const QString& text)
{
    visible = shown;
    if (!shown) {
        maximum = value = 0;
        Console::clearProgress();
        return;
    }
    step = text;
    draw();
}

void ProgressBar::setMaximum(int newMaximum)
{
    maximum = qMax(0, newMaximum);
    value = 0;
    sinceStart.start();
    draw();
}

void ProgressBar::setValue(int newValue)
{
    value = qBound(0, newValue, qMax(maximum, newValue));
    draw();
}

QString ProgressBar::line(int columns) const
{
    QString text = step.isEmpty() ? QStringLiteral("working") : step;
    if (maximum <= 0)
        return text.left(columns - 1);
    const int width = 20;
    const int done = int(qint64(value) * width / maximum);
    text = QStringLiteral("[%1%2] %3% %4")
               .arg(QString(done, QLatin1Char('#')), QString(width - done, QLatin1Char('.')))
               .arg(int(qint64(value) * 100 / maximum), 3)
               .arg(text);
    // Time left from the pace so far, once there is a pace to go by.
    if (value > 0 && value < maximum && sinceStart.isValid()) {
        const qint64 left = sinceStart.elapsed() * (maximum - value) / value / 1000;
        text += QStringLiteral(" %1:%2 left").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0'));
    }
    return text.left(columns - 1);
}

void ProgressBar::draw()
{
    if (visible)
        Console::progress(line());
}

} // namespace Ctl
