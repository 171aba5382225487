#pragma once

#include "framework/tabwidgetbase.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QPushButton;

namespace Framework {
class Model;
}

namespace moduleRV_23 {

namespace Ui {
class Events;
}

// The Events page: the unit's event log as dated rows, with a button that reads it again.
class Events final : public QWidget, public Framework::TabWidgetBase
{
    Q_OBJECT

public:
    Events(Framework::Model* model, QWidget* parent = nullptr);
    ~Events() override;

    QList<QAbstractButton*> buttons() override;
    QString infoText() override;

signals:
    void loadEvents();
    void clearEvents();
    void reloadEvents();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::unique_ptr<Ui::Events> ui;
    // Shown in the container's button box, which takes it over while this page is current.
    QPointer<QPushButton> reloadButton;
};

} // namespace moduleRV_23
