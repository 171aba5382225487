#include "overridetable.h"

#include <QObject>

namespace Batch {

namespace {

// One line's cells; false when a quoted cell is not closed or text follows its closing quote.
bool splitCells(const QString& line, QStringList* cells)
{
    cells->clear();
    QString cell;
    bool quoted = false;
    bool closed = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == QLatin1Char('"')) {
            closed = i + 1 >= line.size() || line.at(i + 1) != QLatin1Char('"');
            quoted = !closed;
            if (quoted)
                cell += line.at(++i);
        } else if (quoted) {
            cell += c;
        } else if (c == QLatin1Char(',')) {
            *cells << (closed ? cell : cell.trimmed());
            cell.clear();
            closed = false;
        } else if (c == QLatin1Char('"') && cell.trimmed().isEmpty() && !closed) {
            quoted = true;
            cell.clear();
        } else if (closed && !c.isSpace()) {
            return false;
        } else if (!closed) {
            cell += c;
        }
    }
    *cells << (closed ? cell : cell.trimmed());
    return !quoted;
}

// The text of a cell as a value of the setting's type: the template's value tells the type.
bool convert(const QString& text, const QJsonValue& like, QJsonValue* value)
{
    if (like.isBool()) {
        const QString word = text.toLower();
        if (word != QLatin1String("true") && word != QLatin1String("false") && word != QLatin1String("1")
            && word != QLatin1String("0"))
            return false;
        *value = word == QLatin1String("true") || word == QLatin1String("1");
        return true;
    }
    if (like.isDouble()) {
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok);
        *value = static_cast<double>(number);
        return ok;
    }
    *value = text;
    return true;
}

} // namespace

bool OverrideTable::fail(const QString& message)
{
    error = message;
    rows.clear();
    return false;
}

bool OverrideTable::parse(const QByteArray& text, const QMap<QString, QJsonValue>& fields)
{
    columns.clear();
    rows.clear();
    error.clear();
    // Spreadsheets often save UTF-8 with a byte order mark.
    const QByteArray utf8 = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    bool headerSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).endsWith(QLatin1Char('\r')) ? lines.at(i).chopped(1) : lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        QStringList cells;
        if (!splitCells(line, &cells))
            return fail(QObject::tr("line %1: a quoted cell is not closed properly").arg(i + 1));
        const bool parsed = headerSeen ? parseRow(i + 1, cells, fields) : parseHeader(cells, fields);
        if (!parsed)
            return false;
        headerSeen = true;
    }
    if (!headerSeen)
        return fail(QObject::tr("there is no header row \"serial,FIELD,...\""));
    return true;
}

bool OverrideTable::parseHeader(const QStringList& cells, const QMap<QString, QJsonValue>& fields)
{
    if (cells.first().compare(QLatin1String("serial"), Qt::CaseInsensitive) != 0)
        return fail(QObject::tr("line 1: the header row must begin with \"serial\""));
    for (int i = 1; i < cells.size(); ++i) {
        const QString& name = cells.at(i);
        QStringList paths;
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            if (it.key() == name || it.key().endsWith(QLatin1Char('.') + name))
                paths << it.key();
        }
        if (paths.isEmpty())
            return fail(QObject::tr("line 1: the module has no setting named \"%1\"").arg(name));
        if (paths.size() > 1)
            return fail(QObject::tr("line 1: \"%1\" names %2; use the whole path").arg(name, paths.join(QStringLiteral(", "))));
        if (columns.contains(paths.first()))
            return fail(QObject::tr("line 1: %1 is named twice").arg(paths.first()));
        columns << paths.first();
    }
    return true;
}

bool OverrideTable::parseRow(int line, const QStringList& cells, const QMap<QString, QJsonValue>& fields)
{
    if (cells.size() != columns.size() + 1)
        return fail(QObject::tr("line %1: %2 cells where the header has %3").arg(line).arg(cells.size()).arg(columns.size() + 1));
    const QString& serial = cells.first();
    if (serial.isEmpty())
        return fail(QObject::tr("line %1: the serial number is missing").arg(line));
    if (rows.contains(serial))
        return fail(QObject::tr("line %1: unit %2 has a row already").arg(line).arg(serial));
    QMap<QString, QJsonValue> values;
    for (int i = 0; i < columns.size(); ++i) {
        const QString& text = cells.at(i + 1);
        if (text.isEmpty())
            continue;
        QJsonValue value;
        if (!convert(text, fields.value(columns.at(i)), &value))
            return fail(QObject::tr("line %1: %2 takes %3, not \"%4\"")
                            .arg(line)
                            .arg(columns.at(i), fields.value(columns.at(i)).isBool() ? QObject::tr("true or false")
                                                                                      : QObject::tr("a whole number"),
                                 text));
        values.insert(columns.at(i), value);
    }
    rows.insert(serial, values);
    return true;
}

} // namespace Batch
