#include "unitdialog.h"

#include "praxon/core/hostsession.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace Praxon {

UnitDialog::UnitDialog(HostSession* session, QWidget* parent)
    : QDialog(parent)
    , session(session)
    , list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("unitDialog"));
    setWindowTitle(tr("Connect to a unit"));
    list->setObjectName(QStringLiteral("units"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Serial number"), tr("Firmware"), tr("Behaviour version"), tr("Model")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    searchButton = buttons->addButton(tr("Search again"), QDialogButtonBox::ActionRole);
    connectButton = buttons->addButton(tr("Connect"), QDialogButtonBox::AcceptRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Units found on the serial ports:"), this));
    layout->addWidget(list);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(searchButton, &QPushButton::clicked, this, &UnitDialog::search);
    connect(list, &QTreeWidget::itemSelectionChanged, this, &UnitDialog::updateButtons);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(560, 300);
    fitColumns();
    updateButtons();
}

// Each column as wide as its header or its widest entry, whichever is wider.
void UnitDialog::fitColumns()
{
    for (int column = 0; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
}

void UnitDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!searched)
        QTimer::singleShot(0, this, &UnitDialog::search);
}

void UnitDialog::search()
{
    searched = true;
    searchButton->setEnabled(false);
    connectButton->setEnabled(false);
    list->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    units = session->search();
    QApplication::restoreOverrideCursor();
    for (const DeviceInfo& unit : qAsConst(units)) {
        list->addTopLevelItem(new QTreeWidgetItem(
            {unit.serialNumber, unit.firmwareVersion, unit.behaviourVersion, unit.modelName}));
    }
    if (!units.isEmpty())
        list->setCurrentItem(list->topLevelItem(0));
    fitColumns();
    searchButton->setEnabled(true);
    updateButtons();
}

DeviceInfo UnitDialog::chosen() const
{
    const int row = list->indexOfTopLevelItem(list->currentItem());
    return units.value(row);
}

void UnitDialog::updateButtons()
{
    connectButton->setEnabled(list->currentItem() != nullptr);
}

} // namespace Praxon
