#pragma once

#include "framework/tabwidgetbase.h"

#include <QWidget>

#include <memory>

namespace moduleRV_23 {

namespace Ui {
class Inputs;
}

// The Inputs page: what each of the inputs A to D reports, and to whom.
class Inputs final : public QWidget, public Framework::TabWidgetBase
{
    Q_OBJECT

public:
    explicit Inputs(QWidget* parent = nullptr);
    ~Inputs() override;

    QString infoText() override;

signals:
    void stopTimeUpdates();
    void startTimeUpdates();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::Inputs> ui;
};

} // namespace moduleRV_23
