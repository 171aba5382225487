#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>

#include <limits>

namespace Framework {

// State and attribute bits of an item. The values are fixed: pages and the device module set
// and test them numerically (also through the model's state roles).
enum ItemStateFlag : uint {
    NoState = 0x000,
    Changed = 0x002,             // current value differs from the reference (or a child's does)
    OutOfRange = 0x008,          // current value exceeds "_max"
    InputError = 0x010,          // a bound widget rejects its input
    Bold = 0x020,                // bold text in tables ("_bold" of the parent)
    RowChanged = 0x040,          // another cell of the same table row is Changed
    Hidden = 0x080,              // table text transparent
    Silent = 0x100,              // no stateChanged() from value comparison, not aggregated
    FirstColumnIsHeader = 0x200, // tables show column 0 as vertical header
    AutoIncrement = 0x400,       // cloned rows of this column count up from the previous row
    DoNotTranslate = 0x800,      // default text, label and tooltip are used unchanged
};
Q_DECLARE_FLAGS(ItemState, ItemStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ItemState)

// How an item takes part in loading and saving. Bit 1 of the value: written to saved files;
// bit 2: read from saved files.
enum ItemRole {
    NoRole = 0,       // nothing up the tree gives a role
    DynamicState = 1, // live state from the unit: saved, never read back, never defaulted
    DynamicOnly = 3,  // saved and read back; keeps the edited value on revert
    Static = 4,       // fixed content of the description
    Dynamic = 7,      // ordinary configuration value
    InheritRole = 8,  // take the parent's children role
};

enum Editability {
    Editable = 0,
    ReadOnly = 1,
    EditableOther = 2, // "_editable" present but not a boolean; behaves as Editable
    InheritEditability = 3,
};

// Tree-wide value operations of Item::resetValues().
enum ResetMode {
    Compact = 0,         // drop values that the lazy getters would give anyway
    Revert = 1,          // current values back to the reference values
    EditDefaults = 2,    // defaults as edits (Changed)
    ResetToDefaults = 3, // defaults as reference values, still marked Changed
    Commit = 4,          // current values become the reference values
};

// One node of the tree that describes what the device pages show and edit: three values
// (edited, reference, default), a role for loading and saving, limits, translation ids and
// state bits. The object name is the full path; the last path segment is the short name.
//
// The tree belongs to the thread that built it (the GUI thread). Every public operation may
// be called from another thread: it is then carried out in the item's thread, blocking the
// caller until it is done, so writes keep the caller's order and results come back. The item's
// thread must therefore keep its event loop running (or use waitForThread(), handover.h)
// while another thread works on the tree. Items are constructed in their parent's thread; the
// rows another thread asks for with setRowCount() are created in the tree's thread.
class Item : public QObject
{
    Q_OBJECT

public:
    using Children = QMap<int, Item*>;

    // "_max"/"_min" value of a limit that is not set.
    static constexpr qint64 NoLimit = std::numeric_limits<int>::min();

    // Builds the item and its subtree from a page description object.
    Item(const QString& name, Item* parent, const QJsonObject& description, int index = -1);
    // A bare item whose object name is name itself (the root of a tree).
    Item(const QString& name, Item* parent, int index = -1);
    // Clone of source and its subtree as a new child of parent (index below 0 appends).
    Item(const Item* source, Item* parent, int index);
    ~Item() override;

    QVariant currentValue() const;
    QVariant value() const;
    QVariant defaultValue(bool translate) const;
    void setValue(const QVariant& value);
    void setValue(const QVariant& value, bool asCurrent);
    void setDefaultValue(const QVariant& value);

    QString label() const;
    QString tooltip(bool translate) const;
    QString command() const;
    QString shortName() const;

    int index() const;
    Item* parentItem() const;
    Children children() const;
    // The child under key index, or null.
    Item* child(int index) const;
    // The first child (in key order) whose short name is name, or null.
    Item* child(const QString& name) const;

    ItemRole role() const;
    ItemRole childrenRole() const;
    Editability editable() const;
    void setEditable(Editability editable);

    bool isEnabled() const;
    void setEnabled(bool enabled);
    ItemState state() const;
    void setState(ItemState state);
    bool isPressed() const;
    void setPressed(bool pressed);

    qint64 maximum() const;
    qint64 minimum() const;
    // The value travels as one field of a group command, where a comma separates fields
    // ("_grouped").
    bool isGrouped() const;
    int rowCount() const;
    void setRowCount(int rows);
    // The cells of this item's row in the other columns of its table.
    QList<Item*> rowItems() const;

    void resetValues(ResetMode mode);
    void clearRowMarks();
    // After a language change: values over the subtree that still are the translated default
    // take the default in the new language; values from the unit, a file or the user stay.
    void retranslate();

    // Saved-configuration format.
    QJsonObject toJson() const;
    QString toJsonString() const;
    // Returns how many items took a different current value (only when neither asValue nor
    // asCurrent is set).
    int fromJson(const QJsonObject& data, bool asValue, bool asCurrent);

    QColor foreground() const;
    void setForeground(const QColor& color);
    // No item has a background of its own: always invalid.
    QColor background() const;

signals:
    void stateChanged();
    void valueChanged(QVariant value);
    void enabled(bool enabled);
    void rowsAboutToBeAdded(int before, int after);
    void rowsAdded();
    void rowsAboutToBeRemoved(int before, int after);
    void rowsRemoved();
    // Emitted by the parent after a child's valueChanged() or stateChanged(): a table model
    // watches a column, not each of its cells (a connection per cell of a long event log would
    // cost more than the cell).
    void childValueChanged(Framework::Item* child);
    void childStateChanged(Framework::Item* child);

public slots:
    // True only when a non-null value different from the current one was stored.
    bool setCurrentValue(const QVariant& value);
    bool setCurrentValue(const QVariant& value, bool compareToDefault);

private:
    void aggregateChildStates();
    void announceValue(const QVariant& value);
    void announceState();
    void initialise(const QString& objectName, Item* parent, int index);
    void attach(Item* parent);
    void readDescription(QJsonObject description, Item* parent);
    void readValueKeys(QJsonObject& description);
    void readRoleKeys(QJsonObject& description);
    bool readAttributeKeys(QJsonObject& description);
    void addChildren(const QJsonObject& description);
    void buildRows();
    void applyBold();
    Item* lastChild() const;

    bool storeCurrentValue(const QVariant& value, const QVariant& shown);
    void createDefaultFor(const QVariant& value);
    void compareValues(bool compareToDefault);
    void applyValueRule(const QVariant& current, ItemState& state);
    void changeState(ItemState state);
    void fillColumns(int rows);
    void removeRows(int rows);
    void compact();
    void revert();
    void takeDefaults(bool asValue);
    void retranslateValue();
    int readSavedValue(const QVariant& value, bool asValue, bool asCurrent);
    void assertOwnThread() const;

    // Ordered by size, without padding between members: a long event log holds three items a
    // record.
    mutable QVariant m_currentValue;
    mutable QVariant m_value;
    QVariant m_defaultValue;
    QColor m_foreground;
    QString m_labelId;
    Children m_children;
    QString m_command;
    QString m_tooltipId;
    Item* m_parentItem = nullptr;
    qint64 m_maximum = NoLimit;
    qint64 m_minimum = NoLimit;
    ItemState m_state;
    int m_index = -1;
    int m_rowCount = 0;
    mutable ItemRole m_role = InheritRole;
    mutable ItemRole m_childrenRole = InheritRole;
    mutable Editability m_editable = InheritEditability;
    // m_value is the translated default taken by value(), not a value that was set.
    mutable bool m_valueIsDefault = false;
    bool m_grouped = false;
    // InputError was set by the value rule, not by a bound widget.
    bool m_ruleInputError = false;
    bool m_enabled = true;
    bool m_pressed = false;
};

} // namespace Framework

Q_DECLARE_METATYPE(Framework::ItemState)
Q_DECLARE_METATYPE(Framework::ItemRole)
Q_DECLARE_METATYPE(Framework::ResetMode)
