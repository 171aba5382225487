#include "informations.h"

#include "patterns.h"

#include "framework/lineeditdelegate.h"
#include "framework/model.h"
#include "framework/pushbuttondelegate.h"

#include <QHeaderView>

namespace moduleRV_23 {

namespace {

constexpr int RowCount = 8;
// Operator, GSM signal and voltage show only in extended view; row 8, one past the table,
// is kept on the list for a ninth row and changes nothing meanwhile.
const QList<int> ExtendedRows{5, 6, 7, 8};

} // namespace

Informations::Informations(Framework::Model* model, QWidget* parent)
    : Framework::TableView(model, parent)
{
    setItemDelegateForColumn(0, new Framework::LineEditDelegate(Patterns::PhoneNumber, this));
    setItemDelegateForColumn(1, new Framework::LineEditDelegate(Patterns::PhoneNumber, this));
    // No row has a button action: every row is drawn as an ordinary cell.
    QSet<int> plainRows;
    for (int row = 0; row < RowCount; ++row)
        plainRows << row;
    auto* buttons = new Framework::PushButtonDelegate(plainRows, this);
    connect(buttons, &Framework::PushButtonDelegate::buttonPressed, this, &Informations::buttonClicked);
    setItemDelegateForColumn(2, buttons);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setBasicHiddenSections(Qt::Vertical, ExtendedRows);
}

QString Informations::infoText()
{
    return qtTrId("app.rv23.information.info");
}

void Informations::setConfigurationSource(int source)
{
    setDisplayMode(source);
}

void Informations::showExtended(bool show)
{
    TableView::showExtended(show);
}

void Informations::retranslate()
{
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void Informations::buttonClicked(int row)
{
    Q_UNUSED(row)
}

} // namespace moduleRV_23
