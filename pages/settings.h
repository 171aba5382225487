#pragma once

#include "framework/tabwidgetbase.h"

#include <QWidget>

#include <memory>

namespace moduleRV_23 {

namespace Ui {
class Settings;
}

// The Settings page: wireless peripherals, SIM card, credit supervision and service reports.
class Settings final : public QWidget, public Framework::TabWidgetBase
{
    Q_OBJECT

public:
    explicit Settings(QWidget* parent = nullptr);
    ~Settings() override;

    QString infoText() override;
    // The GSM part can be reset only on a unit that is there.
    void setConfigurationSource(int source) override;
    // Brings the credit fields in line with the supervision switch after its value was loaded.
    void setControls();

signals:
    void resetGSM();
    void globalReset();
    void stopTimeUpdates();
    void startTimeUpdates();

public slots:
    void cbCreditActivatedChanged(bool state);
    void resetGSMclicked();
    void resetclicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void enableCreditFields(bool enabled);

    std::unique_ptr<Ui::Settings> ui;
};

} // namespace moduleRV_23
