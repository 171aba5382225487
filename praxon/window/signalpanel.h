#pragma once

#include "praxon/core/signallog.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Praxon {

class HostSession;
class SignalPlot;
class SignalSampler;

// The signal meter: while it is shown it samples every status poll of the connected unit and
// shows the current signal with its band, the supply voltage, min / mean / max since it was
// opened and the last ten minutes as a plot; Mark drops a labelled marker, the samples can be
// exported as CSV.
class SignalPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit SignalPanel(HostSession* session, QWidget* parent = nullptr);

    const SignalLog& log() const { return samples; }
    // Marks now with the label typed (or "Mark N" when none).
    void mark();
    // Writes the samples; false (a box tells why) when the file cannot be written.
    bool exportCsvTo(const QString& file);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void add(const SignalLog::Sample& sample);
    void exportCsv();
    void refresh();
    void retranslate();

    QPointer<HostSession> session;
    QPointer<SignalSampler> sampler;
    SignalLog samples;
    QLabel* valueLabel;
    QLabel* bandLabel;
    QLabel* voltageLabel;
    QLabel* operatorLabel;
    QLabel* summaryLabel;
    SignalPlot* plot;
    QLineEdit* markEdit;
    QPushButton* markButton;
    QPushButton* exportButton;
};

} // namespace Praxon
