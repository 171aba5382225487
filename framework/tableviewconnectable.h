#pragma once

#include "connectable.h"

#include <QPointer>
#include <QTableView>

namespace Framework {

class Model;

// Table view over a table item, with copy (Ctrl+C) and paste (Ctrl+V) of cells.
class TableViewConnectable : public QTableView, public Connectable
{
    Q_OBJECT

public:
    explicit TableViewConnectable(QWidget* parent = nullptr);

    // The cells show their states themselves.
    void updateStyle(QWidget* widget, ItemState state) override;
    void connectWidget(Item* item) override;
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;

public slots:
    // Puts the selected cells on the clipboard.
    void copy();
    // Writes the cells on the clipboard row by row from the first selected row down.
    void insert();

private:
    QPointer<Model> m_model;
};

} // namespace Framework
