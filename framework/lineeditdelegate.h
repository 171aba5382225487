#pragma once

#include "styleditemdelegate.h"

namespace Framework {

// Text cells: edited in a LineEditConnectable bound to the cell's item (with an optional
// pattern), drawn elided in the cell's colour and font.
class LineEditDelegate : public StyledItemDelegate
{
    Q_OBJECT

public:
    explicit LineEditDelegate(const QString& pattern = QString(), QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QString m_pattern;
};

} // namespace Framework
