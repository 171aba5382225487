#include "outputs.h"

#include "logging.h"
#include "patterns.h"
#include "ui_outputs.h"

#include "framework/lineeditdelegate.h"
#include "framework/spinboxdelegate.h"

#include "host/configurationsource.h"

#include <QEvent>
#include <QHeaderView>

namespace moduleRV_23 {

namespace {

constexpr int NumberColumnWidth = 200;
constexpr int CountColumnWidth = 60;
// On-times are shown in whole seconds; the items hold milliseconds.
constexpr int DelayStep = 1000;

void setUpPhoneTable(QTableView* table, bool wideNumbers)
{
    table->setItemDelegateForColumn(0, new Framework::LineEditDelegate(Patterns::PhoneNumber, table));
    table->setItemDelegateForColumn(1, new Framework::SpinBoxDelegate(table));
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    // The stretched count column never gets narrower than the default size.
    header->setDefaultSectionSize(CountColumnWidth);
    // The columns arrive with the model, which the binding installs after construction.
    if (!wideNumbers)
        return;
    QObject::connect(header, &QHeaderView::sectionCountChanged, table, [header](int oldCount, int newCount) {
        if (oldCount == 0 && newCount > 1)
            header->resizeSection(0, NumberColumnWidth);
    });
}

} // namespace

Outputs::Outputs(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Outputs>())
{
    ui->setupUi(this);
    connect(ui->cbOutputXOn, &QCheckBox::toggled, this, &Outputs::cbOutputXOnChanged);
    connect(ui->cbOutputYOn, &QCheckBox::toggled, this, &Outputs::cbOutputYOnChanged);
    connect(ui->pbInOutX, &QPushButton::clicked, this, &Outputs::xInOutclicked);
    connect(ui->pbInOutY, &QPushButton::clicked, this, &Outputs::yInOutclicked);

    // Only X's numbers get the fixed width; Y's column is sized to its contents.
    setUpPhoneTable(ui->tXPhones, true);
    setUpPhoneTable(ui->tYPhones, false);

    for (Framework::LineEdit* dtmf : {ui->leDTMFOnX, ui->leDTMFOffX, ui->leDTMFOnY, ui->leDTMFOffY})
        dtmf->setPattern(Patterns::DtmfCode);
    ui->teDelayX->setStep(DelayStep);
    ui->teDelayY->setStep(DelayStep);
    retranslate();
}

Outputs::~Outputs() = default;

QString Outputs::infoText()
{
    return qtTrId("app.rv23.outputs.info");
}

void Outputs::setConfigurationSource(int source)
{
    const bool usable = source != Common::Offline;
    ui->pbInOutX->setEnabled(usable);
    ui->pbInOutY->setEnabled(usable);
}

void Outputs::cbOutputXOnChanged(bool state)
{
    ui->teDelayX->setEnabled(!state);
}

void Outputs::cbOutputYOnChanged(bool state)
{
    ui->teDelayY->setEnabled(!state);
}

void Outputs::xInOutclicked()
{
    qCDebug(lcPages) << "Toggle X";
    emit toggleOutputX();
}

void Outputs::yInOutclicked()
{
    qCDebug(lcPages) << "Toggle Y";
    emit toggleOutputY();
}

void Outputs::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QWidget::changeEvent(event);
}

void Outputs::retranslate()
{
    const QString permanent = qtTrId("app.rv-23k.settings.permanent");
    ui->cbOutputXOn->setText(permanent);
    ui->cbOutputYOn->setText(permanent);
}

} // namespace moduleRV_23
