#pragma once

#include <QStyledItemDelegate>

namespace Framework {

class Item;

// Delegate of the framework's tables: paints a cell's background, the selection gradient and
// the focus frame itself, and leaves hidden cells empty.
class StyledItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit StyledItemDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Background, selection and focus of a cell; whether its text may be drawn (not for a
    // Hidden cell).
    bool paintBackground(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The item behind index, also through sort/filter proxies; null outside a Framework::Model.
    static Item* itemAt(const QModelIndex& index);
    // The pen colour of a cell's ForegroundRole, or fallback.
    static QColor foregroundAt(const QModelIndex& index, const QColor& fallback);
};

} // namespace Framework
