#include "model.h"

#include "item.h"
#include "logging.h"

#include <QFont>

namespace Framework {

namespace {

constexpr ItemState ChangedMarks = Changed | RowChanged;
constexpr ItemState ErrorMarks = OutOfRange | InputError;

QVariant fontFor(ItemState state)
{
    QFont font;
    font.setWeight(state & (Bold | ErrorMarks | ChangedMarks) ? QFont::Bold : QFont::Normal);
    font.setItalic(bool(state & ChangedMarks));
    return font;
}

QVariant foregroundFor(const Item* cell)
{
    const ItemState state = cell->state();
    if (state & Hidden)
        return QColor(Qt::transparent);
    if (state & ErrorMarks)
        return QColor(Qt::red);
    if (state & ChangedMarks)
        return QColor(Qt::blue);
    const QColor own = cell->foreground();
    return own.isValid() ? own : QColor(Qt::black);
}

} // namespace

Model::Model(Item* table, bool extraColumn, QObject* parent)
    : QAbstractTableModel(parent)
    , m_extraColumn(extraColumn)
{
    setItem(table);
}

void Model::setItem(Item* table)
{
    if (!table)
        return;
    if (table->children().isEmpty()) {
        qCDebug(lcFramework).noquote()
            << QLatin1String("Item ") + table->objectName() + QLatin1String(" does not have any indexed children!");
        return;
    }
    // A reset, not a layout change: the numbers of rows and columns change with the table.
    beginResetModel();
    if (m_tableItem)
        disconnectTable(m_tableItem);
    m_tableItem = table;
    connectTable(table);
    endResetModel();
}

Item* Model::item() const
{
    return m_tableItem;
}

Item* Model::columnItem(int column) const
{
    return m_tableItem && column >= 0 ? m_tableItem->child(columnKey(column)) : nullptr;
}

Item* Model::itemForIndex(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    const Item* column = columnItem(index.column());
    return column ? column->child(index.row()) : nullptr;
}

int Model::columnKey(int column) const
{
    return firstColumnIsHeader() ? column + 1 : column;
}

bool Model::firstColumnIsHeader() const
{
    return m_tableItem && (m_tableItem->state() & FirstColumnIsHeader);
}

bool Model::hasExtraColumn() const
{
    return m_extraColumn;
}

void Model::setNotify(bool notify)
{
    const bool switchedOn = notify && !m_notify;
    m_notify = notify;
    // One refresh for everything that changed silently; the last column is the extra one.
    if (switchedOn && rowCount() > 0 && columnCount() > 1)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 2));
}

bool Model::notifies() const
{
    return m_notify;
}

void Model::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    announceAll();
}

bool Model::isEnabled() const
{
    return m_enabled;
}

void Model::setDefaultBackground(const QColor& color)
{
    m_defaultBackground = color;
}

void Model::setColumnBackgrounds(const QHash<int, QColor>& colors)
{
    m_columnBackgrounds = colors;
}

void Model::setCentredColumns(const QSet<int>& columns)
{
    m_centredColumns = columns;
}

void Model::setAttachedObject(QObject* object)
{
    m_attachedObject = object;
}

QObject* Model::attachedObject() const
{
    return m_attachedObject;
}

int Model::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_tableItem)
        return 0;
    const Item::Children columns = m_tableItem->children();
    return columns.isEmpty() ? 0 : columns.first()->children().size();
}

int Model::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_tableItem)
        return 0;
    const Item::Children columns = m_tableItem->children();
    if (columns.isEmpty())
        return 0;
    return columns.lastKey() + 1 + (m_extraColumn ? 1 : 0) - (firstColumnIsHeader() ? 1 : 0);
}

QVariant Model::data(const QModelIndex& index, int role) const
{
    const Item* cell = itemForIndex(index);
    if (!cell)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell->currentValue();
    case Qt::ToolTipRole:
        return cell->tooltip(true);
    case Qt::FontRole:
        return fontFor(cell->state());
    case Qt::TextAlignmentRole:
        return int(m_centredColumns.contains(index.column()) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return backgroundFor(index.column(), cell);
    case Qt::ForegroundRole:
        return foregroundFor(cell);
    case MaximumRole:
        return cell->maximum();
    case MinimumRole:
        return cell->minimum();
    case EnabledRole:
        return cell->isEnabled();
    case StateRole:
        return int(cell->state());
    case ValueRole:
        return cell->value();
    case AttachedObjectRole:
        return QVariant::fromValue(attachedObject());
    case PressedRole:
        return cell->isPressed();
    default:
        return QVariant();
    }
}

QVariant Model::backgroundFor(int column, const Item* cell) const
{
    if (!m_enabled || !cell->isEnabled())
        return QColor(Qt::lightGray);
    const auto columnColor = m_columnBackgrounds.constFind(column);
    if (columnColor != m_columnBackgrounds.constEnd())
        return *columnColor;
    return m_defaultBackground.isValid() ? QVariant(m_defaultBackground) : QVariant();
}

bool Model::setData(const QModelIndex& index, const QVariant& value, int role)
{
    Item* cell = itemForIndex(index);
    if (!cell)
        return false;
    switch (role) {
    case Qt::EditRole:
        cell->setCurrentValue(value);
        announceDown(index, role);
        return true;
    case ValueRole:
        cell->setValue(value);
        announceDown(index, role);
        return true;
    case Qt::ForegroundRole:
        if (!value.canConvert<QColor>())
            return false;
        cell->setForeground(value.value<QColor>());
        return true;
    case PressedRole:
        cell->setPressed(value.toBool());
        return true;
    case EnabledRole:
    case EditableRole:
        return setFlagData(index, cell, value, role);
    case SetStateRole:
    case ClearStateRole:
        return setStateData(index, cell, value, role);
    default:
        return false;
    }
}

bool Model::setFlagData(const QModelIndex& index, Item* cell, const QVariant& value, int role)
{
    if (!value.canConvert<bool>())
        return false;
    if (role == EnabledRole)
        cell->setEnabled(value.toBool());
    else
        cell->setEditable(value.toBool() ? Editable : ReadOnly);
    if (m_notify)
        emit dataChanged(index, index);
    return true;
}

bool Model::setStateData(const QModelIndex& index, Item* cell, const QVariant& value, int role)
{
    bool ok = false;
    const int bits = value.toInt(&ok);
    if (!ok)
        return false;
    const ItemState state = cell->state();
    cell->setState(role == SetStateRole ? state | ItemState(bits) : state & ~ItemState(bits));
    if (m_notify) {
        QVector<int> roles{Qt::DisplayRole};
        if (bits == Hidden)
            roles.append(Qt::ForegroundRole);
        emit dataChanged(index, index, roles);
    }
    return true;
}

// An edited cell is announced together with the cell below it, where editing goes on.
void Model::announceDown(const QModelIndex& index, int role)
{
    if (!m_notify)
        return;
    const QModelIndex below = index.sibling(qMin(index.row() + 1, rowCount() - 1), index.column());
    emit dataChanged(index, below, {role});
}

QVariant Model::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const Item* header = nullptr;
    if (orientation == Qt::Horizontal) {
        header = columnItem(section);
    } else if (firstColumnIsHeader()) {
        const Item* headerColumn = m_tableItem->child(0);
        header = headerColumn ? headerColumn->child(section) : nullptr;
    }
    if (!header)
        return QVariant();
    return role == Qt::DisplayRole ? header->currentValue() : QVariant(header->tooltip(true));
}

Qt::ItemFlags Model::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !m_enabled)
        return Qt::NoItemFlags;
    const Item* cell = itemForIndex(index);
    if (!cell)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (cell->editable() == ReadOnly)
        return Qt::ItemIsSelectable;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEditable;
    if (cell->isEnabled())
        flags |= Qt::ItemIsEnabled;
    return flags;
}

void Model::rowsAboutToBeAdded(int before, int after)
{
    beginInsertRows(QModelIndex(), before, after - 1);
}

void Model::rowsAdded()
{
    endInsertRows();
}

void Model::rowsAboutToBeRemoved(int before, int after)
{
    beginRemoveRows(QModelIndex(), after, before - 1);
}

void Model::rowsRemoved()
{
    endRemoveRows();
}

void Model::itemChanged(Item* cell)
{
    if (m_notify)
        announceCell(cell, {Qt::DisplayRole, Qt::EditRole});
}

void Model::itemStateChanged(Item* cell)
{
    const bool changed = cell->state() & Changed;
    for (Item* other : cell->rowItems()) {
        ItemState state = other->state();
        if (bool(state & RowChanged) == changed)
            continue;
        state.setFlag(RowChanged, changed);
        {
            const QSignalBlocker blocker(other);
            other->setState(state);
        }
        // The mark changes how the other cell looks.
        if (m_notify)
            announceCell(other, {});
    }
    if (m_notify)
        announceCell(cell, {});
}

// Cells are addressed by row key and column key; with FirstColumnIsHeader the column with key 0
// is the vertical header and every other column moves one to the left.
void Model::announceCell(const Item* cell, const QVector<int>& roles)
{
    if (!cell)
        return;
    const int row = cell->index();
    const Item* column = cell->parentItem();
    const int key = column ? column->index() : -1;
    if (row < 0 || key < 0) {
        qCDebug(lcFramework) << "Item column or row out of range!"
                             << "row:" << row << "column:" << key;
        return;
    }
    if (firstColumnIsHeader() && key == 0) {
        if (row < rowCount())
            emit headerDataChanged(Qt::Vertical, row, row);
        return;
    }
    const QModelIndex cellIndex = index(row, firstColumnIsHeader() ? key - 1 : key);
    if (cellIndex.isValid())
        emit dataChanged(cellIndex, cellIndex, roles);
}

void Model::announceAll()
{
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void Model::connectTable(Item* table)
{
    // The item is gone by then (the guarded pointer is null): views learn that the table is empty.
    connect(table, &QObject::destroyed, this, &Model::tableDestroyed, Qt::UniqueConnection);
    connect(table, &Item::rowsAboutToBeAdded, this, &Model::rowsAboutToBeAdded, Qt::UniqueConnection);
    connect(table, &Item::rowsAdded, this, &Model::rowsAdded, Qt::UniqueConnection);
    connect(table, &Item::rowsAboutToBeRemoved, this, &Model::rowsAboutToBeRemoved, Qt::UniqueConnection);
    connect(table, &Item::rowsRemoved, this, &Model::rowsRemoved, Qt::UniqueConnection);
    // A cell is heard through its column, so that rows added later need no wiring and a table of
    // many rows costs no connection per cell.
    for (Item* column : table->children()) {
        connect(column, &Item::rowsAboutToBeAdded, this, &Model::rowsAboutToBeAdded, Qt::UniqueConnection);
        connect(column, &Item::rowsAdded, this, &Model::rowsAdded, Qt::UniqueConnection);
        connect(column, &Item::valueChanged, this, &Model::columnTitleChanged, Qt::UniqueConnection);
        connect(column, &Item::childValueChanged, this, &Model::itemChanged, Qt::UniqueConnection);
        connect(column, &Item::childStateChanged, this, &Model::itemStateChanged, Qt::UniqueConnection);
    }
}

// A column's value is its header text (it changes with the language).
void Model::columnTitleChanged()
{
    const auto* column = qobject_cast<const Item*>(sender());
    if (!m_notify || !column)
        return;
    const int section = firstColumnIsHeader() ? column->index() - 1 : column->index();
    if (section >= 0 && section < columnCount())
        emit headerDataChanged(Qt::Horizontal, section, section);
}

void Model::tableDestroyed()
{
    beginResetModel();
    endResetModel();
}

void Model::disconnectTable(Item* table)
{
    table->disconnect(this);
    for (Item* column : table->children())
        column->disconnect(this);
}

} // namespace Framework
