#include "spinboxdelegate.h"

#include "item.h"
#include "model.h"

#include <QApplication>
#include <QPainter>
#include <QSpinBox>
#include <QStyleOptionSpinBox>

namespace Framework {

namespace {

constexpr int TextOffset = 4;
constexpr int ButtonsWidth = 22;

QString shownText(const QString& text)
{
    return text.isEmpty() || text == QLatin1String("0") ? qtTrId("app.no") : text;
}

} // namespace

SpinBoxDelegate::SpinBoxDelegate(QObject* parent)
    : StyledItemDelegate(parent)
{
}

QWidget* SpinBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* editor = new QSpinBox(parent);
    editor->setSpecialValueText(qtTrId("app.no"));
    const qint64 maximum = index.data(Model::MaximumRole).toLongLong();
    const qint64 minimum = index.data(Model::MinimumRole).toLongLong();
    if (maximum != Item::NoLimit)
        editor->setMaximum(int(maximum));
    if (minimum != Item::NoLimit)
        editor->setMinimum(int(minimum));
    return editor;
}

void SpinBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QSpinBox*>(editor)->setValue(index.data(Qt::DisplayRole).toInt());
}

void SpinBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* spinBox = static_cast<QSpinBox*>(editor);
    spinBox->interpretText();
    model->setData(index, spinBox->value(), Qt::EditRole);
}

void SpinBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!paintBackground(painter, option, index))
        return;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionSpinBox frame;
    frame.QStyleOption::operator=(option);
    frame.frame = true;
    frame.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    // Not with the view as the widget: a style sheet would draw the spin box by the view's
    // rules, placing the buttons as if the cell stood at the view's origin (over the next cell).
    style->drawComplexControl(QStyle::CC_SpinBox, &frame, painter, nullptr);

    const QVariant font = index.data(Qt::FontRole);
    painter->save();
    painter->setPen(foregroundAt(index, option.palette.color(QPalette::Text)));
    painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
    const QRect rect = option.rect.adjusted(TextOffset, 0, TextOffset - ButtonsWidth, 0);
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, shownText(index.data(Qt::DisplayRole).toString()));
    painter->restore();
}

} // namespace Framework
