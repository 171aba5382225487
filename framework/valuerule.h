#pragma once

#include "item.h"

#include <QString>
#include <QVariant>

namespace Framework {

// What a configuration value may be, whichever way it enters (the unit, a file, typing): a
// number item takes a number within its limits, a check box a bool, a text item a string
// within its maximum UTF-8 length without control characters or double quotes, and without
// commas where the field travels inside a group command. The kind of an item is the type of
// its default; an item without one is held to the text rules when it holds a text.
class ValueRule
{
public:
    explicit ValueRule(const Item& item);

    // Why value breaks the rule (empty when it does not); *flag tells how the item is marked:
    // InputError for a value of the wrong kind or with a character the unit cannot take,
    // OutOfRange for a number or length beyond the item's limits.
    QString fault(const QVariant& value, ItemStateFlag* flag = nullptr) const;
    // A number item's text that is wholly a number, as that number; any other value as it is.
    QVariant normalised(const QVariant& value) const;

private:
    enum class Kind { Any, Flag, Number, Text };

    QString numberFault(const QVariant& value, ItemStateFlag* flag) const;
    QString textFault(const QString& text, ItemStateFlag* flag) const;

    Kind kind = Kind::Any;
    qint64 minimum;
    qint64 maximum;
    bool grouped;
};

} // namespace Framework
