#include "item.h"

#include "handover.h"
#include "logging.h"
#include "valuerule.h"

#include <QJsonDocument>
#include <QJsonValue>

#include <cmath>
#include <utility>

namespace Framework {

namespace {

constexpr ItemState AggregatedBits = Changed | OutOfRange | InputError;
constexpr int WrittenToFileBit = 1;
constexpr int ReadFromFileBit = 2;

ItemRole roleFromText(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper == QLatin1String("STATIC"))
        return Static;
    if (upper == QLatin1String("DYNAMIC"))
        return Dynamic;
    if (upper == QLatin1String("DYNAMICONLY"))
        return DynamicOnly;
    if (upper == QLatin1String("DYNAMICSTATE"))
        return DynamicState;
    return InheritRole;
}

// Numbers of the description and of saved files: integral values stay int, others become the
// double of their six significant digits.
QVariant decodeNumber(double number)
{
    if (std::floor(number) == number && number >= std::numeric_limits<int>::min()
        && number <= std::numeric_limits<int>::max())
        return int(number);
    return QString::number(number, 'g', 6).toDouble();
}

QVariant decodeValue(const QJsonValue& value)
{
    return value.isDouble() ? decodeNumber(value.toDouble()) : value.toVariant();
}

QJsonValue encodeValue(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::QString:
        return value.toString();
    default:
        return QJsonValue::fromVariant(value);
    }
}

// A null value and an empty text are the same to the user.
bool isBlank(const QVariant& value)
{
    return value.isNull() || (value.userType() == QMetaType::QString && value.toString().isEmpty());
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    return (isBlank(a) && isBlank(b)) || a == b;
}

QString translated(const QString& id)
{
    return qtTrId(id.toUtf8().constData());
}

QString rowSuffix(int index)
{
    return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

} // namespace

Item::Item(const QString& name, Item* parent, const QJsonObject& description, int index)
{
    initialise(parent ? parent->objectName() + QLatin1Char('.') + name : name, parent, index);
    readDescription(description, parent);
}

Item::Item(const QString& name, Item* parent, int index)
{
    initialise(name, parent, index);
    attach(parent);
}

Item::Item(const Item* source, Item* parent, int index)
{
    m_command = source->command();
    m_tooltipId = source->tooltip(false);
    m_maximum = source->maximum();
    m_minimum = source->minimum();
    m_grouped = source->isGrouped();
    m_role = source->role();
    m_childrenRole = source->childrenRole();
    m_editable = source->editable();
    m_defaultValue = source->defaultValue(false);
    m_state = source->state();
    m_rowCount = source->rowCount();
    initialise(QString(), parent, index);
    attach(parent);
    // Built at its final size: appending would leave a growth reserve in every row's name.
    const QString pattern = source->objectName();
    const QString suffix = rowSuffix(m_index);
    QString name;
    name.reserve(pattern.size() + suffix.size());
    name += pattern;
    name += suffix;
    setObjectName(name);
    for (const Item* child : source->children())
        new Item(child, this, child->index());
}

Item::~Item()
{
    if (m_parentItem && m_parentItem->m_children.value(m_index) == this)
        m_parentItem->m_children.remove(m_index);
    const Children children = std::exchange(m_children, {});
    for (Item* child : children) {
        child->m_parentItem = nullptr;
        delete child;
    }
    // Items replaced under their key are still owned as QObject children.
    for (Item* replaced : findChildren<Item*>(QString(), Qt::FindDirectChildrenOnly))
        replaced->m_parentItem = nullptr;
}

void Item::initialise(const QString& objectName, Item* parent, int index)
{
    Q_ASSERT_X(!parent || inThreadOf(parent), "Framework::Item",
               "items are created in their parent's thread");
    if (index >= 0)
        m_index = index;
    setObjectName(objectName);
    if (parent && inThreadOf(parent))
        setParent(parent);
}

void Item::attach(Item* parent)
{
    m_parentItem = parent;
    if (!parent)
        return;
    if (m_index < 0)
        m_index = parent->m_children.isEmpty() ? 0 : parent->m_children.lastKey() + 1;
    parent->m_children.insert(m_index, this);
}

// The parent takes the child's state bits first, then whoever watches the child or the parent's
// children hears of it. A child with blocked signals tells its parent nothing either.
void Item::announceState()
{
    Item* parent = signalsBlocked() ? nullptr : m_parentItem;
    if (parent)
        parent->aggregateChildStates();
    emit stateChanged();
    if (parent)
        emit parent->childStateChanged(this);
}

void Item::announceValue(const QVariant& value)
{
    emit valueChanged(value);
    if (m_parentItem && !signalsBlocked())
        emit m_parentItem->childValueChanged(this);
}

// The keys are read in a fixed order, each removed once read; what remains are the children.
void Item::readDescription(QJsonObject description, Item* parent)
{
    readValueKeys(description);
    attach(parent);
    readRoleKeys(description);
    const bool bold = readAttributeKeys(description);
    addChildren(description);
    if (m_rowCount > 0)
        buildRows();
    if (bold)
        applyBold();
}

void Item::readValueKeys(QJsonObject& description)
{
    const bool doNotTranslate = description.value(QLatin1String("_doNotTranslate")).toBool();
    if (description.contains(QLatin1String("_default_value"))) {
        const QJsonValue value = description.take(QLatin1String("_default_value"));
        if (value.isString())
            m_defaultValue = doNotTranslate ? value.toString() : objectName().toLower();
        else
            m_defaultValue = decodeValue(value);
    }
    m_command = description.take(QLatin1String("_command")).toString();
    if (description.contains(QLatin1String("_index")))
        m_index = description.take(QLatin1String("_index")).toInt();
    if (description.take(QLatin1String("_auto_increment")).toBool())
        m_state |= AutoIncrement;
    m_rowCount = description.take(QLatin1String("_row_count")).toInt();
}

void Item::readRoleKeys(QJsonObject& description)
{
    const QJsonValue role = description.take(QLatin1String("_role"));
    if (!role.isUndefined()) {
        m_role = roleFromText(role.toString());
        if (m_role == InheritRole)
            qCDebug(lcFramework).noquote() << "Unknown role" << role.toString();
    } else if (!m_command.isEmpty() && (!m_parentItem || m_parentItem->childrenRole() == NoRole)) {
        m_role = Dynamic;
    }
    const QJsonValue childrenRole = description.take(QLatin1String("_children_role"));
    if (!childrenRole.isUndefined()) {
        m_childrenRole = roleFromText(childrenRole.toString());
        if (m_childrenRole == InheritRole)
            qCDebug(lcFramework).noquote() << "Unknown children role" << childrenRole.toString();
    }
    const QJsonValue editable = description.take(QLatin1String("_editable"));
    if (!editable.isUndefined())
        m_editable = !editable.isBool() ? EditableOther : editable.toBool() ? Editable : ReadOnly;
}

// Returns "_bold", which applies to the children once they exist.
bool Item::readAttributeKeys(QJsonObject& description)
{
    if (description.take(QLatin1String("_doNotTranslate")).toBool())
        m_state |= DoNotTranslate;
    else
        m_tooltipId = objectName().toLower() + QLatin1String(".tooltip");
    description.remove(QLatin1String("_hint"));
    if (description.contains(QLatin1String("_max")))
        m_maximum = qint64(description.take(QLatin1String("_max")).toDouble());
    if (description.contains(QLatin1String("_min")))
        m_minimum = qint64(description.take(QLatin1String("_min")).toDouble());
    m_grouped = description.take(QLatin1String("_grouped")).toBool();
    if (description.take(QLatin1String("_silent")).toBool())
        m_state |= Silent;
    if (description.take(QLatin1String("_first_column_is_header")).toBool())
        m_state |= FirstColumnIsHeader;
    const bool bold = description.take(QLatin1String("_bold")).toBool();
    if (description.contains(QLatin1String("_label"))) {
        m_labelId = objectName().toLower() + QLatin1String(".label");
        description.remove(QLatin1String("_label"));
    }
    return bold;
}

void Item::addChildren(const QJsonObject& description)
{
    for (auto it = description.constBegin(); it != description.constEnd(); ++it) {
        if (it.key().startsWith(QLatin1Char('_')))
            qCDebug(lcFramework).noquote() << "Json contains unsupported key" << it.key();
        else
            new Item(it.key(), this, it.value().toObject());
    }
}

void Item::buildRows()
{
    for (Item* column : qAsConst(m_children)) {
        if (column->m_children.isEmpty()) {
            qCDebug(lcFramework).noquote()
                << QLatin1String("First row item for column ") + column->objectName()
                       + QLatin1String(" is missing!");
            return;
        }
        const Item* rowTemplate = column->lastChild();
        const int wanted = column->m_rowCount > 0 && column->m_rowCount < m_rowCount ? column->m_rowCount
                                                                                     : m_rowCount;
        while (column->m_children.size() < wanted) {
            const Item* previous = column->lastChild();
            Item* clone = new Item(rowTemplate, column, -1);
            if (column->m_state & AutoIncrement)
                clone->setValue(previous->value().toInt() + 1);
        }
    }
}

void Item::applyBold()
{
    for (Item* child : qAsConst(m_children))
        child->setState(child->m_state | Bold);
}

Item* Item::lastChild() const
{
    return m_children.isEmpty() ? nullptr : m_children.last();
}

void Item::assertOwnThread() const
{
    Q_ASSERT_X(inThreadOf(this), "Framework::Item", "item state changed outside the item's thread");
}

QVariant Item::currentValue() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return currentValue(); });
    if (m_currentValue.isNull())
        m_currentValue = value();
    return m_currentValue;
}

QVariant Item::value() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return value(); });
    if (m_value.isNull() && !m_defaultValue.isNull()) {
        m_value = defaultValue(true);
        m_valueIsDefault = true;
    }
    return m_value;
}

QVariant Item::defaultValue(bool translate) const
{
    if (!inThreadOf(this))
        return handOver(this, [&] { return defaultValue(translate); });
    if (translate && !(m_state & DoNotTranslate) && m_defaultValue.userType() == QMetaType::QString)
        return translated(m_defaultValue.toString());
    return m_defaultValue;
}

void Item::setValue(const QVariant& value)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setValue(value); });
    // Compared with what was shown before, so that a change of the visible value is announced.
    const QVariant shown = currentValue();
    assertOwnThread();
    m_value = value;
    m_valueIsDefault = false;
    createDefaultFor(value);
    storeCurrentValue(value, shown);
    compareValues(false);
}

void Item::setValue(const QVariant& value, bool asCurrent)
{
    if (asCurrent)
        setCurrentValue(value);
    else
        setValue(value);
}

void Item::setDefaultValue(const QVariant& value)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setDefaultValue(value); });
    assertOwnThread();
    m_defaultValue = value;
}

bool Item::setCurrentValue(const QVariant& value)
{
    return setCurrentValue(value, false);
}

bool Item::setCurrentValue(const QVariant& value, bool compareToDefault)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { return setCurrentValue(value, compareToDefault); });
    const bool stored = storeCurrentValue(value, currentValue());
    if (stored && value.isNull())
        return false;
    compareValues(compareToDefault);
    return stored;
}

bool Item::storeCurrentValue(const QVariant& value, const QVariant& shown)
{
    assertOwnThread();
    if (value == shown)
        return false;
    m_currentValue = value;
    announceValue(currentValue());
    return true;
}

void Item::createDefaultFor(const QVariant& value)
{
    if (!m_defaultValue.isNull())
        return;
    const bool minimumSet = m_minimum != NoLimit;
    switch (value.userType()) {
    case QMetaType::Bool:
        m_defaultValue = false;
        break;
    case QMetaType::Int:
        m_defaultValue = minimumSet ? int(m_minimum) : 0;
        break;
    case QMetaType::LongLong:
        m_defaultValue = minimumSet ? m_minimum : qint64(0);
        break;
    case QMetaType::Double:
        m_defaultValue = minimumSet ? QVariant(m_minimum) : QVariant(0.0);
        break;
    case QMetaType::QString:
        m_defaultValue = QStringLiteral("");
        break;
    default:
        break;
    }
}

void Item::compareValues(bool compareToDefault)
{
    const QVariant reference = compareToDefault ? defaultValue(true) : value();
    const QVariant current = currentValue();
    ItemState state = m_state;
    if (role() & ReadFromFileBit) {
        applyValueRule(current, state);
    } else if (m_maximum > 0) {
        switch (current.userType()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            state.setFlag(OutOfRange, current.toLongLong() > m_maximum);
            break;
        case QMetaType::Double:
            state.setFlag(OutOfRange, current.toDouble() > double(m_maximum));
            break;
        case QMetaType::QString:
            state.setFlag(OutOfRange, current.toString().toUtf8().size() > m_maximum);
            break;
        default:
            break;
        }
    }
    state.setFlag(Changed, !sameValue(current, reference));
    if (state == m_state)
        return;
    assertOwnThread();
    m_state = state;
    if (!(m_state & Silent))
        announceState();
}

void Item::aggregateChildStates()
{
    ItemState state = m_state & ~AggregatedBits;
    for (const Item* child : qAsConst(m_children)) {
        if (!(child->m_state & Silent))
            state |= child->m_state & AggregatedBits;
    }
    changeState(state);
}

// A configuration value is held to the value rule as it stands: it is marked, never changed.
// InputError is cleared here only when the rule set it, since bound widgets set it too.
void Item::applyValueRule(const QVariant& current, ItemState& state)
{
    ItemStateFlag flag = NoState;
    const QString fault = ValueRule(*this).fault(current, &flag);
    state.setFlag(OutOfRange, !fault.isEmpty() && flag == OutOfRange);
    const bool inputError = !fault.isEmpty() && flag == InputError;
    if (inputError || m_ruleInputError)
        state.setFlag(InputError, inputError);
    m_ruleInputError = inputError;
}

void Item::changeState(ItemState state)
{
    if (state == m_state)
        return;
    assertOwnThread();
    m_state = state;
    announceState();
}

QString Item::label() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return label(); });
    if (m_labelId.isEmpty() || (m_state & DoNotTranslate))
        return m_labelId;
    return translated(m_labelId);
}

QString Item::tooltip(bool translate) const
{
    if (!inThreadOf(this))
        return handOver(this, [&] { return tooltip(translate); });
    if (!translate || m_tooltipId.isEmpty())
        return m_tooltipId;
    if (m_state & DoNotTranslate)
        return QString();
    const QString text = translated(m_tooltipId);
    // qtTrId gives the id back when the catalogue has no text for it.
    if (text.isEmpty() || text.right(6) == QLatin1String("__hint") || text.endsWith(QLatin1String(".tooltip")))
        return QString();
    return QLatin1String("<span>") + text + QLatin1String("</span>");
}

QString Item::command() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return command(); });
    return m_command;
}

QString Item::shortName() const
{
    // The object name is fixed at construction: no hand-over needed.
    const QString name = objectName();
    return name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

int Item::index() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return index(); });
    return m_index;
}

Item* Item::parentItem() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return parentItem(); });
    return m_parentItem;
}

Item::Children Item::children() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return children(); });
    return m_children;
}

Item* Item::child(int index) const
{
    if (!inThreadOf(this))
        return handOver(this, [&] { return child(index); });
    return m_children.value(index);
}

Item* Item::child(const QString& name) const
{
    if (!inThreadOf(this))
        return handOver(this, [&] { return child(name); });
    for (Item* child : m_children) {
        if (child->shortName() == name)
            return child;
    }
    return nullptr;
}

ItemRole Item::role() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return role(); });
    if (m_role != InheritRole)
        return m_role;
    if (m_parentItem)
        return m_parentItem->childrenRole();
    m_role = NoRole;
    return m_role;
}

ItemRole Item::childrenRole() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return childrenRole(); });
    if (m_childrenRole != InheritRole)
        return m_childrenRole;
    if (m_parentItem)
        return m_parentItem->childrenRole();
    m_childrenRole = NoRole;
    return m_childrenRole;
}

Editability Item::editable() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return editable(); });
    if (m_editable != InheritEditability)
        return m_editable;
    if (m_parentItem)
        return m_parentItem->editable();
    m_editable = Editable;
    return m_editable;
}

void Item::setEditable(Editability editable)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setEditable(editable); });
    assertOwnThread();
    m_editable = editable;
}

bool Item::isEnabled() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return isEnabled(); });
    return m_enabled;
}

void Item::setEnabled(bool enabled)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setEnabled(enabled); });
    assertOwnThread();
    m_enabled = enabled;
    emit this->enabled(enabled);
}

ItemState Item::state() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return state(); });
    return m_state;
}

void Item::setState(ItemState state)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setState(state); });
    changeState(state);
}

bool Item::isPressed() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return isPressed(); });
    return m_pressed;
}

void Item::setPressed(bool pressed)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setPressed(pressed); });
    assertOwnThread();
    m_pressed = pressed;
}

qint64 Item::maximum() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return maximum(); });
    return m_maximum;
}

qint64 Item::minimum() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return minimum(); });
    return m_minimum;
}

bool Item::isGrouped() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return isGrouped(); });
    return m_grouped;
}

int Item::rowCount() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return rowCount(); });
    return m_rowCount;
}

void Item::setRowCount(int rows)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setRowCount(rows); });
    if (rows == m_rowCount)
        return;
    const bool raised = rows < 1;
    if (raised)
        rows = 1;
    int longest = 0;
    int shortest = m_children.isEmpty() ? 0 : std::numeric_limits<int>::max();
    for (const Item* column : qAsConst(m_children)) {
        longest = qMax(longest, column->m_children.size());
        shortest = qMin(shortest, column->m_children.size());
    }
    if (shortest < longest)
        fillColumns(longest);
    if (longest < rows) {
        emit rowsAboutToBeAdded(longest, rows);
        fillColumns(rows);
        emit rowsAdded();
    } else if (rows < longest) {
        emit rowsAboutToBeRemoved(longest, rows);
        removeRows(rows);
        emit rowsRemoved();
    }
    if (raised) {
        for (Item* column : qAsConst(m_children)) {
            if (!column->m_children.isEmpty())
                column->m_children.first()->setValue(QVariant());
        }
    }
    m_rowCount = rows;
}

void Item::fillColumns(int rows)
{
    for (Item* column : qAsConst(m_children)) {
        if (column->m_children.isEmpty())
            continue;
        // Appended, so the new key is the row number in a gap-free column. The first row is the
        // pattern, not the last: a clone of a clone would carry every earlier row number in its
        // name, and a log of many records would cost memory and saved text with the square of
        // its length. So added rows are named as the described ones are (index01 ... index10).
        const Item* pattern = column->m_children.first();
        while (column->m_children.size() < rows)
            (new Item(pattern, column, -1))->setValue(QVariant());
    }
}

void Item::removeRows(int rows)
{
    for (Item* column : qAsConst(m_children)) {
        // Front to back: a child is looked up in its parent's list from the front, so deleting
        // the last of many first would cost the square of their number.
        const QList<Item*> removed = column->m_children.values().mid(rows);
        qDeleteAll(removed);
        // The removed cells may have been the ones that marked the column.
        column->aggregateChildStates();
    }
}

QList<Item*> Item::rowItems() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return rowItems(); });
    QList<Item*> items;
    const Item* table = m_parentItem ? m_parentItem->m_parentItem : nullptr;
    if (!table)
        return items;
    for (const Item* column : table->m_children) {
        if (column == m_parentItem)
            continue;
        if (Item* cell = column->m_children.value(m_index))
            items.append(cell);
    }
    return items;
}

void Item::resetValues(ResetMode mode)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { resetValues(mode); });
    for (Item* child : qAsConst(m_children))
        child->resetValues(mode);
    changeState(m_state & ~RowChanged);
    switch (mode) {
    case Compact:
        compact();
        break;
    case Revert:
        revert();
        break;
    case EditDefaults:
        takeDefaults(false);
        break;
    case ResetToDefaults:
        takeDefaults(true);
        break;
    case Commit:
        setValue(currentValue());
        break;
    }
}

void Item::compact()
{
    assertOwnThread();
    if (currentValue() == value())
        m_currentValue = QVariant();
    if (value() == defaultValue(true))
        m_value = QVariant();
}

void Item::revert()
{
    if (m_role == DynamicOnly)
        setValue(currentValue());
    const QVariant reference = value();
    if (reference == currentValue())
        return;
    assertOwnThread();
    m_currentValue = reference;
    announceValue(currentValue());
    if (!reference.isNull())
        compareValues(false);
}

void Item::takeDefaults(bool asValue)
{
    const ItemRole resolved = role();
    if (resolved == Static || resolved == DynamicState)
        return;
    const QVariant defaultText = defaultValue(true);
    const QVariant current = currentValue();
    if (current == defaultText)
        return;
    qCDebug(lcFramework) << objectName() << current << defaultText;
    if (asValue)
        setValue(defaultText);
    else
        setCurrentValue(defaultText);
    assertOwnThread();
    m_state |= Changed;
    announceState();
}

void Item::retranslate()
{
    if (!inThreadOf(this))
        return handOver(this, [this] { retranslate(); });
    for (Item* child : qAsConst(m_children))
        child->retranslate();
    retranslateValue();
}

void Item::retranslateValue()
{
    if ((m_state & DoNotTranslate) || m_defaultValue.userType() != QMetaType::QString)
        return;
    // A value of its own came from the unit, a file or a save; a null one is derived when read.
    if (!m_value.isNull() && !m_valueIsDefault)
        return;
    const QVariant text = defaultValue(true);
    if (text == m_value)
        return;
    assertOwnThread();
    const QVariant shown = m_currentValue.isNull() ? m_value : m_currentValue;
    const QVariant old = std::exchange(m_value, text);
    m_valueIsDefault = true;
    // An unedited value follows its reference and stays equal to it (the state bits of a group
    // item come from its children and must stay); an edit stays and is compared anew.
    if (shown == old) {
        m_currentValue = text;
        announceValue(text);
    } else {
        compareValues(false);
    }
}

void Item::clearRowMarks()
{
    if (!inThreadOf(this))
        return handOver(this, [this] { clearRowMarks(); });
    assertOwnThread();
    m_state &= ~RowChanged;
    for (Item* child : qAsConst(m_children))
        child->clearRowMarks();
}

QJsonObject Item::toJson() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return toJson(); });
    QJsonObject json;
    const ItemRole resolved = role();
    if (resolved & WrittenToFileBit) {
        const QJsonValue stored = encodeValue(m_currentValue.isNull() ? m_value : m_currentValue);
        if (!stored.isNull())
            json.insert(QLatin1String("_value"), stored);
        if (resolved == DynamicState)
            json.insert(QLatin1String("_role"), QLatin1String("dynamicState"));
    }
    for (const Item* child : m_children)
        json.insert(child->shortName(), child->toJson());
    return json;
}

QString Item::toJsonString() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return toJsonString(); });
    QByteArray text;
    {
        // Released before the text is decoded: a long event log makes all three large.
        QJsonObject json;
        for (const Item* child : m_children)
            json.insert(child->shortName(), child->toJson());
        text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    }
    return QString::fromUtf8(text);
}

int Item::fromJson(const QJsonObject& data, bool asValue, bool asCurrent)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { return fromJson(data, asValue, asCurrent); });
    int changed = 0;
    if ((role() & ReadFromFileBit) && data.contains(QLatin1String("_value"))
        && data.value(QLatin1String("_role")).toString().toUpper() != QLatin1String("DYNAMICSTATE"))
        changed += readSavedValue(decodeValue(data.value(QLatin1String("_value"))), asValue, asCurrent);
    for (Item* child : qAsConst(m_children)) {
        const QString name = child->shortName();
        const auto entry = data.constFind(name);
        if (entry != data.constEnd())
            changed += child->fromJson(entry.value().toObject(), asValue, asCurrent);
        else if (child->role() & ReadFromFileBit)
            qCDebug(lcFramework).noquote() << child->objectName() << "missing";
    }
    return changed;
}

int Item::readSavedValue(const QVariant& saved, bool asValue, bool asCurrent)
{
    const QVariant value = ValueRule(*this).normalised(saved);
    if (asCurrent) {
        setCurrentValue(value);
        return 0;
    }
    if (asValue) {
        setValue(value);
        return 0;
    }
    const QVariant old = currentValue();
    if (!setCurrentValue(value) || (m_state & Silent))
        return 0;
    qCDebug(lcFramework) << objectName() << old << "->" << value;
    return 1;
}

QColor Item::foreground() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return foreground(); });
    return m_foreground;
}

void Item::setForeground(const QColor& color)
{
    if (!inThreadOf(this))
        return handOver(this, [&] { setForeground(color); });
    assertOwnThread();
    m_foreground = color;
}

QColor Item::background() const
{
    if (!inThreadOf(this))
        return handOver(this, [this] { return background(); });
    return QColor();
}

} // namespace Framework
