#include "connectable.h"

#include "eventprocessor.h"

#include <QFont>
#include <QFontMetrics>
#include <QScopedValueRollback>
#include <QWidget>

namespace Framework {

namespace {

constexpr ItemState MarkedStates = Changed | OutOfRange | InputError;

} // namespace

Connectable::Connectable() = default;

Connectable::~Connectable()
{
    disconnectItem();
}

QWidget* Connectable::widget()
{
    return dynamic_cast<QWidget*>(this);
}

void Connectable::disconnectItem()
{
    QObject::disconnect(m_valueConnection);
    QObject::disconnect(m_stateConnection);
    QObject::disconnect(m_enabledConnection);
}

void Connectable::setItem(Item* item)
{
    QWidget* const bound = widget();
    if (!item || !bound)
        return;
    disconnectItem();
    m_boundItem = item;
    m_eventProcessor = std::make_unique<EventProcessor>(item, this);
    bound->installEventFilter(m_eventProcessor.get());

    // The designed content (a group box title, a label text) is the default of an item
    // that has none.
    if (item->defaultValue(true).isNull())
        item->setDefaultValue(widgetValue());

    m_valueConnection = QObject::connect(item, &Item::valueChanged, bound, [this](const QVariant& value) {
        if (!m_writingItem)
            showItemValue(value);
    });
    const QVariant current = item->currentValue();
    if (!current.isNull())
        showItemValue(current);
    if (!item->label().isEmpty())
        setLabel(item->label());

    m_stateConnection = QObject::connect(item, &Item::stateChanged, bound, [this, bound, item] {
        updateStyle(bound, item->state());
    });
    updateStyle(bound, item->state());

    m_enabledConnection = QObject::connect(item, &Item::enabled, bound, &QWidget::setEnabled);
    if (!item->isEnabled() || item->editable() == ReadOnly)
        bound->setEnabled(false);

    bound->setToolTip(item->tooltip(true));
    bound->setToolTipDuration(0);
    if (item->background().isValid())
        bound->setStyleSheet(QLatin1String("background-color:") + item->background().name() + QLatin1Char(';'));

    connectWidget(item);
    m_bound = true;
}

Item* Connectable::item() const
{
    return m_boundItem;
}

bool Connectable::isBound() const
{
    return m_bound;
}

void Connectable::setInputError(bool error)
{
    if (!m_boundItem)
        return;
    ItemState state = m_boundItem->state();
    state.setFlag(InputError, error);
    m_boundItem->setState(state);
}

void Connectable::updateStyle(QWidget* widget, ItemState state)
{
    QString sheet;
    if (state & Changed)
        sheet = QStringLiteral("color: blue;");
    if (state & (OutOfRange | InputError))
        sheet = QStringLiteral("color: red;");
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
    applyStateFont(widget, state);
}

void Connectable::applyStateFont(QWidget* widget, ItemState state)
{
    const bool marked = bool(state & MarkedStates);
    QFont font = widget->font();
    font.setWeight(marked ? QFont::Bold : QFont::Normal);
    font.setItalic(marked);
    widget->setFont(font);
}

void Connectable::connectWidget(Item*)
{
}

void Connectable::setLabel(const QString&)
{
}

void Connectable::showItemValue(const QVariant& value)
{
    QScopedValueRollback<bool> showing(m_showingItem, true);
    setWidgetValue(value);
}

void Connectable::writeToItem(const QVariant& value)
{
    if (!m_boundItem || m_showingItem)
        return;
    QScopedValueRollback<bool> writing(m_writingItem, true);
    m_boundItem->setCurrentValue(value);
}

QSize boldItalicSizeHint(const QSize& hint, const QFont& font, const QString& text)
{
    QFont marked(font);
    marked.setWeight(QFont::Bold);
    marked.setItalic(true);
    const int extra = QFontMetrics(marked).horizontalAdvance(text) - QFontMetrics(font).horizontalAdvance(text);
    return extra > 0 ? hint + QSize(extra, 0) : hint;
}

} // namespace Framework
