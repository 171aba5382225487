#pragma once

#include "styleditemdelegate.h"

#include <QPersistentModelIndex>
#include <QSet>

namespace Framework {

// Cells drawn as push buttons (except in the ordinary rows given); a click announces the row.
class PushButtonDelegate : public StyledItemDelegate
{
    Q_OBJECT

public:
    explicit PushButtonDelegate(const QSet<int>& ordinaryRows = QSet<int>(), QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void buttonPressed(int row);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QSet<int> m_ordinaryRows;
    QPersistentModelIndex m_pressed;
};

} // namespace Framework
