#pragma once

#include "framework/tableview.h"
#include "framework/tabwidgetbase.h"

namespace Framework {
class Model;
}

namespace moduleRV_23 {

// The Informations page: the unit's own number, identity, versions and link quality as a table.
class Informations final : public Framework::TableView, public Framework::TabWidgetBase
{
    Q_OBJECT

public:
    Informations(Framework::Model* model, QWidget* parent = nullptr);

    QString infoText() override;
    // The table's sections follow the configuration source.
    void setConfigurationSource(int source) override;
    // One switch for the container's page interface and the table's own.
    void showExtended(bool show) override;
    void retranslate() override;

signals:
    void resetSentSms();
    void resetSentServiceSms();

private slots:
    // Presses of the button column end here: no row has an action of its own.
    void buttonClicked(int row);
};

} // namespace moduleRV_23
