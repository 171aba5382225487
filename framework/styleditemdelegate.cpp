#include "styleditemdelegate.h"

#include "item.h"
#include "model.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QBrush>
#include <QLinearGradient>
#include <QPainter>

namespace Framework {

namespace {

QBrush brushOf(const QVariant& value)
{
    if (value.userType() == QMetaType::QColor)
        return QBrush(value.value<QColor>());
    if (value.userType() == QMetaType::QBrush)
        return value.value<QBrush>();
    return QBrush();
}

void paintSelection(QPainter* painter, const QRect& rect)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, QColor(QStringLiteral("#EAF4FF")));
    gradient.setColorAt(0.5, QColor(QStringLiteral("#84B6FF")));
    gradient.setColorAt(1, QColor(QStringLiteral("#92BFFF")));
    painter->fillRect(rect, gradient);
}

void paintFocus(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

} // namespace

StyledItemDelegate::StyledItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

void StyledItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!paintBackground(painter, option, index))
        return;
    QStyleOptionViewItem text(option);
    initStyleOption(&text, index);
    text.backgroundBrush = QBrush();
    text.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &text, painter, widget);
}

bool StyledItemDelegate::paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    const QBrush background = brushOf(index.data(Qt::BackgroundRole));
    if (background.style() != Qt::NoBrush)
        painter->fillRect(option.rect, background);
    if (option.state & QStyle::State_Selected)
        paintSelection(painter, option.rect);
    if (option.state & QStyle::State_HasFocus)
        paintFocus(painter, option.rect);
    return !(index.data(Model::StateRole).toInt() & Hidden);
}

Item* StyledItemDelegate::itemAt(const QModelIndex& index)
{
    QModelIndex source = index;
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(source.model()))
        source = proxy->mapToSource(source);
    const auto* model = qobject_cast<const Model*>(source.model());
    return model ? model->itemForIndex(source) : nullptr;
}

QColor StyledItemDelegate::foregroundAt(const QModelIndex& index, const QColor& fallback)
{
    const QBrush brush = brushOf(index.data(Qt::ForegroundRole));
    return brush.style() == Qt::NoBrush ? fallback : brush.color();
}

} // namespace Framework
