#pragma once

#include "connectable.h"
#include "lineedit.h"

namespace Framework {

// Line edit bound to a text item; its length limit is the item's "_max" in UTF-8 bytes and a
// text that does not match the pattern marks the item with InputError.
class LineEditConnectable : public LineEdit, public Connectable
{
    Q_OBJECT

public:
    explicit LineEditConnectable(QWidget* parent = nullptr);

    void connectWidget(Item* item) override;
    QVariant widgetValue() const override;
    void setWidgetValue(const QVariant& value) override;
    void updateStyle(QWidget* widget, ItemState state) override;

public slots:
    // Writes a changed text into the item. The name hides QLineEdit's signal of the same name:
    // connect to that signal as &QLineEdit::textChanged.
    void textChanged(const QString& text);

private:
    void applyForeground(ItemState state);
};

} // namespace Framework
