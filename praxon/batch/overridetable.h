#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>

namespace Batch {

// The settings that differ per unit, read from CSV text: a header row "serial,FIELD,..." and one
// row per unit. A field is named by its short name ("leSMSOnA") or, where two pages share that
// name, by its whole path ("inputs.gbInputA.leSMSOnA"). Cells are separated by commas; a cell in
// double quotes may hold commas and doubled quotes. An empty cell keeps the template's value.
class OverrideTable final
{
public:
    // fields: every setting the module knows, by path, holding a value of the setting's type.
    bool parse(const QByteArray& text, const QMap<QString, QJsonValue>& fields);
    QString errorString() const { return error; }

    QStringList serials() const { return rows.keys(); }
    // The values for the unit by path; empty for a unit the table does not name.
    QMap<QString, QJsonValue> overrides(const QString& serial) const { return rows.value(serial); }

private:
    bool parseHeader(const QStringList& cells, const QMap<QString, QJsonValue>& fields);
    bool parseRow(int line, const QStringList& cells, const QMap<QString, QJsonValue>& fields);
    bool fail(const QString& message);

    QStringList columns; // paths, in the header's order after "serial"
    QMap<QString, QMap<QString, QJsonValue>> rows;
    QString error;
};

} // namespace Batch
