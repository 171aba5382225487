#include "pushbuttondelegate.h"

#include "model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace Framework {

namespace {

void repaint(const QStyleOptionViewItem& option)
{
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
        view->viewport()->update(option.rect);
}

} // namespace

PushButtonDelegate::PushButtonDelegate(const QSet<int>& ordinaryRows, QObject* parent)
    : StyledItemDelegate(parent)
    , m_ordinaryRows(ordinaryRows)
{
}

QWidget* PushButtonDelegate::createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const
{
    return nullptr;
}

bool PushButtonDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                     const QModelIndex& index)
{
    if (m_ordinaryRows.contains(index.row()))
        return StyledItemDelegate::editorEvent(event, model, option, index);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!(index.flags() & Qt::ItemIsEnabled) || !option.rect.contains(static_cast<QMouseEvent*>(event)->pos()))
            return false;
        m_pressed = index;
        repaint(option);
        return true;
    case QEvent::MouseButtonRelease: {
        if (!m_pressed.isValid())
            return false;
        const int row = m_pressed.row();
        m_pressed = QPersistentModelIndex();
        repaint(option);
        emit buttonPressed(row);
        return true;
    }
    default:
        return false;
    }
}

void PushButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (m_ordinaryRows.contains(index.row())) {
        StyledItemDelegate::paint(painter, option, index);
        return;
    }
    if (!paintBackground(painter, option, index))
        return;
    const QVariant font = index.data(Qt::FontRole);
    const bool pressed = m_pressed == index || index.data(Model::PressedRole).toBool();
    QStyleOptionButton button;
    button.rect = option.rect;
    button.text = qtTrId(index.data(Qt::DisplayRole).toString().toUtf8().constData());
    button.palette = option.palette;
    button.palette.setColor(QPalette::ButtonText, foregroundAt(index, option.palette.color(QPalette::ButtonText)));
    button.state = (index.flags() & Qt::ItemIsEnabled ? QStyle::State_Enabled : QStyle::State_None)
        | (pressed ? QStyle::State_Sunken : QStyle::State_Raised);

    painter->save();
    painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
    button.fontMetrics = painter->fontMetrics();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
    painter->restore();
}

} // namespace Framework
