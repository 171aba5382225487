#include "lineeditdelegate.h"

#include "lineeditconnectable.h"

#include <QPainter>

namespace Framework {

namespace {

constexpr int TextMargin = 4;
constexpr int NarrowestTextCell = 6;
constexpr int ExtraHintWidth = 9;

// A unit may answer a value of tens of thousands of characters: only as much of it as the cell
// could ever show is measured, and the longest start that fits beside the dots is found by halving.
QString elided(const QString& text, const QFontMetrics& metrics, int width)
{
    const QString head = text.left(4 * (qMax(width, 0) + 1));
    if (head.size() == text.size() && metrics.horizontalAdvance(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    int fits = 0;
    int over = head.size() + 1;
    while (over - fits > 1) {
        const int middle = (fits + over) / 2;
        if (metrics.horizontalAdvance(head.left(middle) + dots) <= width)
            fits = middle;
        else
            over = middle;
    }
    return head.left(fits) + dots;
}

} // namespace

LineEditDelegate::LineEditDelegate(const QString& pattern, QObject* parent)
    : StyledItemDelegate(parent)
    , m_pattern(pattern)
{
}

QWidget* LineEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* editor = new LineEditConnectable(parent);
    if (!m_pattern.isEmpty())
        editor->setPattern(m_pattern);
    editor->setItem(itemAt(index));
    return editor;
}

void LineEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    // The bound editor has already written the text into the item; clearing first makes an
    // equal text still announce itself. The clearing reaches the bound editor too, so its
    // text is taken before.
    const QString text = static_cast<LineEditConnectable*>(editor)->text();
    model->setData(index, QVariant(), Qt::EditRole);
    model->setData(index, text, Qt::EditRole);
}

void LineEditDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!paintBackground(painter, option, index) || option.rect.width() < NarrowestTextCell)
        return;
    const QVariant font = index.data(Qt::FontRole);
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    painter->save();
    painter->setPen(foregroundAt(index, option.palette.color(QPalette::Text)));
    painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
    const QRect rect = option.rect.adjusted(TextMargin, 0, -TextMargin, 0);
    const QString text = elided(index.data(Qt::DisplayRole).toString(), painter->fontMetrics(), rect.width());
    painter->drawText(rect, alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter), text);
    painter->restore();
}

QSize LineEditDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return StyledItemDelegate::sizeHint(option, index) + QSize(ExtraHintWidth, 0);
}

} // namespace Framework
