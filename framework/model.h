#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QPointer>
#include <QSet>

namespace Framework {

class Item;

// Table model over a table item: the item's children are the columns, their children the
// cells (row r of a column is its child with key r). With FirstColumnIsHeader the column with
// key 0 is the vertical header and model column c shows the column with key c + 1.
class Model : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Item roles beyond Qt's own (Qt::UserRole is 256). Display and Edit give the current value.
    enum Role {
        MaximumRole = Qt::UserRole,      // 256: "_max" (64-bit)
        MinimumRole = Qt::UserRole + 1,  // 257: "_min" (64-bit)
        EnabledRole = Qt::UserRole + 2,  // 258: enabled flag; set: bool
        StateRole = Qt::UserRole + 3,    // 259: state bits as int
        SetStateRole = Qt::UserRole + 4, // 260: set: ORs the int into the state
        ClearStateRole = Qt::UserRole + 5, // 261: set: clears the bits of the int
        ValueRole = Qt::UserRole + 6,    // 262: reference value; set: Item::setValue
        AttachedObjectRole = Qt::UserRole + 7, // 263: attachedObject() as QObject*
        PressedRole = Qt::UserRole + 9,  // 265: the item's pressed flag (button cells)
        EditableRole = Qt::UserRole + 10, // 266: set only: true Editable, false ReadOnly
    };
    Q_ENUM(Role)

    // extraColumn adds one column without item after the item's columns (a button column).
    Model(Item* table, bool extraColumn, QObject* parent = nullptr);

    // Installs a table item; an item without children is refused.
    void setItem(Item* table);
    Item* item() const;
    // The cell item behind index, or null (the extra column, a missing row).
    Item* itemForIndex(const QModelIndex& index) const;
    // The column item shown in model column column, or null (also for the extra column).
    Item* columnItem(int column) const;

    bool hasExtraColumn() const;
    // Switched off while many cells are filled; switching it on refreshes the table once.
    void setNotify(bool notify);
    bool notifies() const;
    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setDefaultBackground(const QColor& color);
    void setColumnBackgrounds(const QHash<int, QColor>& colors);
    void setCentredColumns(const QSet<int>& columns);
    void setAttachedObject(QObject* object);
    QObject* attachedObject() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

public slots:
    void rowsAdded();
    void rowsRemoved();
    void rowsAboutToBeAdded(int before, int after);
    void rowsAboutToBeRemoved(int before, int after);

private:
    int columnKey(int column) const;
    bool firstColumnIsHeader() const;
    void connectTable(Item* table);
    void disconnectTable(Item* table);
    void itemChanged(Item* cell);
    void itemStateChanged(Item* cell);
    void tableDestroyed();
    void columnTitleChanged();
    void announceCell(const Item* cell, const QVector<int>& roles);
    void announceDown(const QModelIndex& index, int role);
    void announceAll();
    QVariant backgroundFor(int column, const Item* cell) const;
    bool setFlagData(const QModelIndex& index, Item* cell, const QVariant& value, int role);
    bool setStateData(const QModelIndex& index, Item* cell, const QVariant& value, int role);

    QPointer<Item> m_tableItem;
    bool m_extraColumn;
    bool m_notify = true;
    bool m_enabled = true;
    QColor m_defaultBackground;
    QHash<int, QColor> m_columnBackgrounds;
    QSet<int> m_centredColumns;
    QPointer<QObject> m_attachedObject;
};

} // namespace Framework
