#include "configurationsheet.h"

#include "configurationdiff.h"

#include "praxon/records/recordstore.h"

#include <QFileInfo>
#include <QJsonValue>
#include <QLocale>
#include <QMap>
#include <QPrinter>
#include <QTextDocument>

namespace Praxon {

namespace {

using Values = QMap<QString, QJsonValue>;

// One table of the pages: its cells by row, then by column name.
using Table = QMap<int, QMap<QString, QJsonValue>>;

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString cell(const QString& text, const char* tag = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), escaped(text));
}

bool holdsSomething(const QJsonValue& value)
{
    return (value.isString() && !value.toString().isEmpty()) || (value.isDouble() && value.toDouble() != 0)
           || (value.isBool() && value.toBool());
}

QString tableHtml(const FieldLabels& labels, const QStringList& path, const Table& rows)
{
    QStringList columns;
    for (const auto& row : rows) {
        for (auto it = row.cbegin(); it != row.cend(); ++it) {
            if (!columns.contains(it.key()))
                columns << it.key();
        }
    }
    std::sort(columns.begin(), columns.end(), [](const QString& a, const QString& b) {
        return FieldLabels::columnOf(a) < FieldLabels::columnOf(b);
    });
    QString html = QStringLiteral("<tr><th>#</th>");
    for (const QString& column : qAsConst(columns))
        html += cell(labels.column(path, FieldLabels::columnOf(column), column), "th");
    html += QStringLiteral("</tr>");
    int shown = 0;
    for (auto row = rows.cbegin(); row != rows.cend(); ++row) {
        if (std::none_of(row->cbegin(), row->cend(), holdsSomething))
            continue;
        ++shown;
        html += QStringLiteral("<tr>") + cell(QString::number(row.key() + 1));
        for (const QString& column : qAsConst(columns))
            html += cell(row->value(column).toVariant().toString());
        html += QStringLiteral("</tr>");
    }
    return shown == 0 ? QStringLiteral("<p>%1: %2</p>").arg(escaped(labels.field(path)), escaped(ConfigurationSheet::tr("none")))
                      : QStringLiteral("<p><b>%1</b></p><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">%2</table>")
                            .arg(escaped(labels.field(path)), html);
}

QString shownValue(const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool() ? ConfigurationSheet::tr("yes") : ConfigurationSheet::tr("no");
    if (value.isUndefined())
        return ConfigurationSheet::tr("(none)");
    return value.toVariant().toString();
}

} // namespace

ConfigurationSheet::ConfigurationSheet(const FieldLabels& labels, const Records::UnitRecord& unit,
                                       const Records::VersionRecord& version, const Records::VersionRecord& previous)
    : labels(labels)
    , unit(unit)
    , version(version)
    , previous(previous)
{
}

ConfigurationSheet ConfigurationSheet::fromRecords(const FieldLabels& labels, Records::RecordStore& store,
                                                   const Records::VersionRecord& version)
{
    Records::UnitRecord unit;
    for (const Records::UnitRecord& seen : store.units()) {
        if (seen.serial == version.serial)
            unit = seen;
    }
    Records::VersionRecord previous;
    // Newest first: the first older one is the version before.
    for (const Records::VersionRecord& older : store.versions(version.serial)) {
        if (older.id < version.id && previous.id == 0)
            previous = older;
    }
    return ConfigurationSheet(labels, unit, version, previous);
}

QString ConfigurationSheet::html() const
{
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>") + header() + pages() + changes()
           + QStringLiteral("</body></html>");
}

QString ConfigurationSheet::header() const
{
    const QLocale locale;
    const QList<QPair<QString, QString>> rows = {
        {tr("Unit"), unit.serial},
        {tr("IMEI"), unit.imei},
        {tr("Firmware"), tr("%1 (behaviour version %2)").arg(unit.firmware, unit.behaviour)},
        {tr("Site note"), unit.note},
        {tr("Configuration"), tr("version %1 of %2").arg(version.id).arg(locale.toString(version.made.toLocalTime(), QLocale::ShortFormat))},
        {tr("Date"), locale.toString(QDate::currentDate(), QLocale::ShortFormat)},
    };
    QStringList lines;
    for (const auto& [name, value] : rows)
        lines << QStringLiteral("<b>%1:</b> %2").arg(escaped(name), escaped(value));
    return QStringLiteral("<h1>%1</h1><p>%2</p>").arg(escaped(tr("Configuration sheet")), lines.join(QLatin1String("<br>")));
}

QString ConfigurationSheet::pages() const
{
    Values values;
    ConfigurationDiff::settings(version.configuration, &values);
    // page -> group -> fields, and the tables apart
    QMap<QString, QMap<QString, Values>> fields;
    QMap<QString, QMap<QString, Table>> tables;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QStringList parts = it.key().split(QLatin1Char('.'));
        if (!labels.isPage(parts.first()))
            continue;
        const QString group = parts.size() > 2 ? parts.at(1) : QString();
        if (parts.size() == 5 && labels.isTable(parts.mid(0, 3)))
            tables[parts.first()][parts.mid(0, 3).join(QLatin1Char('.'))][FieldLabels::rowOf(parts.at(4))][parts.at(3)] = it.value();
        else
            fields[parts.first()][group][it.key()] = it.value();
    }
    QString html;
    for (auto page = fields.cbegin(); page != fields.cend(); ++page) {
        html += QStringLiteral("<h2>%1</h2>").arg(escaped(labels.page(page.key())));
        for (auto group = page->cbegin(); group != page->cend(); ++group) {
            if (!group.key().isEmpty())
                html += QStringLiteral("<h3>%1</h3>").arg(escaped(labels.group({page.key(), group.key()})));
            html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">");
            QStringList paths = group->keys();
            std::stable_sort(paths.begin(), paths.end(), [this](const QString& a, const QString& b) {
                return labels.position(a.split(QLatin1Char('.'))) < labels.position(b.split(QLatin1Char('.')));
            });
            for (const QString& path : qAsConst(paths)) {
                html += QStringLiteral("<tr>") + cell(labels.field(path.split(QLatin1Char('.'))))
                        + cell(shownValue(group->value(path))) + QStringLiteral("</tr>");
            }
            html += QStringLiteral("</table>");
            const auto pageTables = tables.value(page.key());
            for (auto table = pageTables.cbegin(); table != pageTables.cend(); ++table) {
                const QStringList path = table.key().split(QLatin1Char('.'));
                if (path.at(1) == group.key())
                    html += tableHtml(labels, path, table.value());
            }
        }
    }
    return html;
}

QString ConfigurationSheet::changes() const
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(escaped(tr("Changes from the previous version")));
    if (previous.id == 0)
        return html + QStringLiteral("<p>%1</p>").arg(escaped(tr("This is the first version stored for the unit.")));
    const QList<ConfigurationDiff::Change> list = ConfigurationDiff::compare(previous.configuration, version.configuration);
    if (list.isEmpty())
        return html + QStringLiteral("<p>%1</p>").arg(escaped(tr("No setting changed from version %1.").arg(previous.id)));
    html += QStringLiteral("<p>%1</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>")
                .arg(escaped(tr("Against version %1 of %2:").arg(previous.id).arg(QLocale().toString(previous.made.toLocalTime(), QLocale::ShortFormat))))
            + cell(tr("Setting"), "th") + cell(tr("Before"), "th") + cell(tr("After"), "th") + QStringLiteral("</tr>");
    for (const ConfigurationDiff::Change& change : list) {
        html += QStringLiteral("<tr>") + cell(labels.describe(change.path)) + cell(shownValue(change.before))
                + cell(shownValue(change.after)) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void ConfigurationSheet::print(QPrinter* printer) const
{
    QTextDocument document;
    document.setHtml(html());
    document.print(printer);
}

bool ConfigurationSheet::writePdf(const QString& path, QString* error) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(tr("Configuration sheet of unit %1").arg(unit.serial));
    const QDateTime before = QFileInfo(path).lastModified();
    print(&printer);
    const QFileInfo written(path);
    if (!written.exists() || written.size() == 0 || written.lastModified() == before) {
        *error = tr("The configuration sheet could not be written to %1").arg(path);
        return false;
    }
    return true;
}

} // namespace Praxon
