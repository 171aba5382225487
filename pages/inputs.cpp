#include "inputs.h"

#include "patterns.h"
#include "ui_inputs.h"

#include "framework/lineeditdelegate.h"

#include <QEvent>

namespace moduleRV_23 {

Inputs::Inputs(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Inputs>())
{
    ui->setupUi(this);
    for (QTableView* table : {ui->tAPhones, ui->tBPhones, ui->tCPhones, ui->tDPhones})
        table->setItemDelegateForColumn(0, new Framework::LineEditDelegate(Patterns::PhoneNumber, table));
}

Inputs::~Inputs() = default;

QString Inputs::infoText()
{
    return qtTrId("app.rv23.inputs.info");
}

void Inputs::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

} // namespace moduleRV_23
