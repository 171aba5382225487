#pragma once

#include "framework/tabwidgetbase.h"

#include <QWidget>

#include <memory>

namespace moduleRV_23 {

namespace Ui {
class Outputs;
}

// The Outputs page: how the relays X and Y are switched, for how long and by whom, and their test.
class Outputs final : public QWidget, public Framework::TabWidgetBase
{
    Q_OBJECT

public:
    explicit Outputs(QWidget* parent = nullptr);
    ~Outputs() override;

    QString infoText() override;
    // The relays can be tested only on a unit that is there.
    void setConfigurationSource(int source) override;

signals:
    void toggleOutputX();
    void toggleOutputY();
    void stopTimeUpdates();
    void startTimeUpdates();

public slots:
    void cbOutputXOnChanged(bool state);
    void cbOutputYOnChanged(bool state);
    void xInOutclicked();
    void yInOutclicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::unique_ptr<Ui::Outputs> ui;
};

} // namespace moduleRV_23
