#include "settings.h"

#include "logging.h"
#include "patterns.h"
#include "ui_settings.h"

#include "host/configurationsource.h"

#include <QEvent>

namespace moduleRV_23 {

Settings::Settings(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Settings>())
{
    ui->setupUi(this);
    ui->leServiceNumber->setPattern(Patterns::PhoneNumber);
    ui->leServiceNumber2->setPattern(Patterns::PhoneNumber);
    for (Framework::LineEdit* code : {ui->leINA, ui->leINB, ui->leINC, ui->leIND, ui->leOutX1, ui->leOutX2,
                                      ui->leOutX3, ui->leOutX4, ui->leOutY1, ui->leOutY2, ui->leOutY3, ui->leOutY4})
        code->setPattern(Patterns::LearningCode);
    connect(ui->cbCreditActivated, &QCheckBox::toggled, this, &Settings::cbCreditActivatedChanged);
    connect(ui->pbResetGSM, &QPushButton::clicked, this, &Settings::resetGSMclicked);
    enableCreditFields(ui->cbCreditActivated->isChecked());
}

Settings::~Settings() = default;

QString Settings::infoText()
{
    return qtTrId("app.rv23.settings.info");
}

void Settings::setConfigurationSource(int source)
{
    ui->pbResetGSM->setEnabled(source != Common::Offline);
}

void Settings::setControls()
{
    qCDebug(lcPages) << "setControls";
    enableCreditFields(ui->cbCreditActivated->isChecked());
}

void Settings::cbCreditActivatedChanged(bool state)
{
    qCDebug(lcPages).nospace() << "Credit Activated " << state;
    enableCreditFields(state);
}

void Settings::resetGSMclicked()
{
    qCDebug(lcPages) << "resetGSM pressed";
    emit resetGSM();
}

void Settings::resetclicked()
{
    qCDebug(lcPages) << "reset pressed";
    emit globalReset();
}

void Settings::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

void Settings::enableCreditFields(bool enabled)
{
    ui->sbCreditPosition->setEnabled(enabled);
    ui->sbCreditLowLimit->setEnabled(enabled);
    ui->leCreditDD->setEnabled(enabled);
}

} // namespace moduleRV_23
