#pragma once

#include "praxon/core/signallog.h"

#include <QList>
#include <QWidget>

namespace Praxon {

// The signal of the last ten minutes on the 0-31 scale, over stripes of the quality bands, with
// the technician's marks as labelled vertical lines. Values without a band leave a gap.
class SignalPlot final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int windowSeconds = 600;

    explicit SignalPlot(QWidget* parent = nullptr);

    // Shows what of log falls in the ten minutes up to end.
    void showLog(const SignalLog& log, const QDateTime& end);
    const QList<SignalLog::Sample>& shownSamples() const { return samples; }
    const QList<SignalLog::Mark>& shownMarks() const { return marks; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;
    QPointF pointAt(const QDateTime& time, int level) const;
    void paintBands(QPainter& painter) const;
    void paintAxes(QPainter& painter) const;
    void paintSignal(QPainter& painter) const;
    void paintMarks(QPainter& painter) const;

    QList<SignalLog::Sample> samples;
    QList<SignalLog::Mark> marks;
    QDateTime windowEnd;
};

} // namespace Praxon
