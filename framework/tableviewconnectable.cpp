#include "tableviewconnectable.h"

#include "cellclipboard.h"
#include "logging.h"
#include "model.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QShortcut>

#include <algorithm>

namespace Framework {

TableViewConnectable::TableViewConnectable(QWidget* parent)
    : QTableView(parent)
{
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setMouseTracking(true);
    new QShortcut(QKeySequence::Copy, this, this, &TableViewConnectable::copy, Qt::WidgetShortcut);
    new QShortcut(QKeySequence::Paste, this, this, &TableViewConnectable::insert, Qt::WidgetShortcut);
}

void TableViewConnectable::updateStyle(QWidget*, ItemState)
{
}

void TableViewConnectable::connectWidget(Item* item)
{
    QItemSelectionModel* oldSelection = selectionModel();
    QPointer<Model> oldModel = m_model;
    m_model = new Model(item, false, this);
    setModel(m_model);
    delete oldSelection;
    delete oldModel;
}

QVariant TableViewConnectable::widgetValue() const
{
    return QVariant();
}

void TableViewConnectable::setWidgetValue(const QVariant&)
{
}

void TableViewConnectable::copy()
{
    qCDebug(lcFramework) << Q_FUNC_INFO << objectName() << hasFocus();
    QModelIndexList indexes = selectedIndexes();
    std::sort(indexes.begin(), indexes.end());
    QList<CellClipboard::Cell> cells;
    for (const QModelIndex& index : qAsConst(indexes))
        cells.append({index.row(), index.column(), index.data(Qt::DisplayRole).toString()});
    const QString text = CellClipboard::toText(cells);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TableViewConnectable::insert()
{
    if (!model())
        return;
    const QModelIndexList selected = selectedIndexes();
    int row = selected.isEmpty() ? 0 : std::min_element(selected.begin(), selected.end())->row();
    const QList<QList<CellClipboard::Cell>> rows = CellClipboard::parse(QGuiApplication::clipboard()->text());
    for (const QList<CellClipboard::Cell>& cells : rows) {
        for (const CellClipboard::Cell& cell : cells)
            model()->setData(model()->index(row, cell.column), cell.text, Qt::EditRole);
        ++row;
    }
}

} // namespace Framework
