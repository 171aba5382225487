#include "unitswindow.h"

#include "praxon/core/fieldlabels.h"
#include "praxon/records/recordstore.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Praxon {

UnitsWindow::UnitsWindow(Records::RecordStore* store, const FieldLabels* labels, QWidget* parent)
    : QDialog(parent)
    , store(store)
    , labels(labels)
    , searchBox(new QLineEdit(this))
    , results(new QTableWidget(this))
{
    setWindowTitle(tr("Units"));
    searchBox->setObjectName(QStringLiteral("searchBox"));
    searchBox->setPlaceholderText(tr("Search serial numbers, site notes and settings"));
    searchBox->setClearButtonEnabled(true);
    results->setObjectName(QStringLiteral("results"));
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setSelectionBehavior(QAbstractItemView::SelectRows);
    results->verticalHeader()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchBox);
    layout->addWidget(results);
    connect(searchBox, &QLineEdit::textChanged, this, &UnitsWindow::refresh);
    resize(760, 420);
    refresh();
}

void UnitsWindow::refresh()
{
    const QString text = searchBox->text().trimmed();
    if (text.isEmpty())
        showUnits();
    else
        showMatches(text);
}

void UnitsWindow::showUnits()
{
    QList<QStringList> rows;
    const QLocale locale;
    for (const Records::UnitRecord& unit : store->units()) {
        rows << QStringList{unit.serial, unit.note, unit.firmware,
                            locale.toString(unit.lastSeen.toLocalTime(), QLocale::ShortFormat), QString::number(unit.versions)};
    }
    setRows({tr("Serial number"), tr("Site note"), tr("Firmware"), tr("Last seen"), tr("Versions")}, rows);
}

void UnitsWindow::showMatches(const QString& text)
{
    QList<QStringList> rows;
    for (const Records::SearchMatch& match : store->search(text)) {
        const QString field = match.field == QLatin1String("serial") ? tr("Serial number")
                              : match.field == QLatin1String("note") ? tr("Site note")
                                                                     : labels->describe(match.field);
        rows << QStringList{match.serial, field, match.value, match.version > 0 ? QString::number(match.version) : QString()};
    }
    setRows({tr("Serial number"), tr("Found in"), tr("Value"), tr("Version")}, rows);
}

void UnitsWindow::setRows(const QStringList& headers, const QList<QStringList>& rows)
{
    results->clear();
    results->setColumnCount(headers.size());
    results->setHorizontalHeaderLabels(headers);
    results->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < headers.size(); ++column) {
            auto* item = new QTableWidgetItem(rows.at(row).value(column));
            // Long labels are cut short in the column.
            item->setToolTip(item->text());
            results->setItem(row, column, item);
        }
    }
    // The note or the place found takes the room the others leave.
    for (int column = 0; column < headers.size(); ++column)
        results->horizontalHeader()->setSectionResizeMode(column, column == 1 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
}

} // namespace Praxon
