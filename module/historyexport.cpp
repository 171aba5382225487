#include "historyexport.h"

#include "logging.h"

#include "framework/item.h"

#include <QFile>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>
#include <QTextStream>

namespace moduleRV_23 {

bool HistoryExport::isHtml(const QString& path)
{
    return path.endsWith(QLatin1String(".html")) || path.endsWith(QLatin1String(".htm")) || isPdf(path);
}

bool HistoryExport::isPdf(const QString& path)
{
    return path.endsWith(QLatin1String(".pdf"));
}

QString HistoryExport::render(const Framework::Item* events, const QString& path)
{
    QString text;
    QTextStream out(&text);
    render(events, path, out);
    out.flush();
    return text;
}

void HistoryExport::render(const Framework::Item* events, const QString& path, QTextStream& out)
{
    const bool html = isHtml(path);
    if (html)
        out << QLatin1String("<table border=\"1\" style=\"border-collapse: collapse;\">\n");
    if (!path.isEmpty()) {
        const Framework::Item::Children columns = events->children();
        if (html) {
            out << QLatin1String("<thead><tr>");
            for (const Framework::Item* column : columns)
                out << QLatin1String("<th>") << column->value().toString() << QLatin1String("</th>");
            out << QLatin1String("</tr></thead><tbody>");
        } else {
            QStringList titles;
            for (const Framework::Item* column : columns)
                titles.append(column->value().toString());
            out << titles.join(QLatin1Char(';')) << QLatin1String("\r\n");
        }
        const QList<int> rows = columns.isEmpty() ? QList<int>() : columns.first()->children().keys();
        for (const int row : rows) {
            if (html)
                out << QLatin1String("<tr>");
            for (const Framework::Item* column : columns) {
                const Framework::Item* cell = column->child(row);
                QString value = cell ? cell->currentValue().toString() : QString();
                if (html && value.isEmpty() && !isPdf(path))
                    value = QStringLiteral("&nbsp");
                if (html)
                    out << QLatin1String("<td>") << value << QLatin1String("</td>");
                else
                    out << value << QLatin1Char(';');
            }
            if (html)
                out << QLatin1String("</tr>");
            out << QLatin1String("\r\n");
        }
    }
    if (html)
        out << QLatin1String("</tbody></table>");
}

bool HistoryExport::writeFile(const Framework::Item* events, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCDebug(lcModule) << "Unable to open file!";
        return false;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream.setGenerateByteOrderMark(true);
    render(events, path, stream);
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

bool HistoryExport::printPdf(const QString& html, const QString& path)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

} // namespace moduleRV_23
