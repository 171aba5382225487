#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

class QObject;

namespace Praxon {

// The fields a device module refuses to save, told as the technician reads them: where the
// field is, the value it holds (escaped and shortened) and why it cannot be saved. Modules
// that name such fields offer "refusedFields()"; with others the report is empty.
class RefusalReport final
{
public:
    // Asks the module.
    explicit RefusalReport(QObject* module);
    // Maps of "label", "value" and "why", as the module gives them.
    explicit RefusalReport(const QVariantList& fields);

    bool isEmpty() const;
    int count() const;
    // One line per field: label = "value": why.
    QStringList lines() const;
    // How many fields need fixing.
    QString summary() const;

    // value as one readable line: control characters, quotes and backslashes escaped, long
    // texts shortened in the middle, other types named.
    static QString shownValue(const QVariant& value);

private:
    QVariantList fields;
};

} // namespace Praxon
