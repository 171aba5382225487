#include "historyexport.h"

#include "logging.h"

#include "framework/item.h"

#include <QFile>
#include <QPrinter>
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
    const bool html = isHtml(path);
    QString text = html ? QStringLiteral("<table border=\"1\" style=\"border-collapse: collapse;\">\n") : QString();
    if (!path.isEmpty()) {
        const Framework::Item::Children columns = events->children();
        if (html) {
            text += QLatin1String("<thead><tr>");
            for (const Framework::Item* column : columns)
                text += QLatin1String("<th>") + column->value().toString() + QLatin1String("</th>");
            text += QLatin1String("</tr></thead><tbody>");
        } else {
            for (const Framework::Item* column : columns)
                text += column->value().toString() + QLatin1Char(';');
            text.chop(1);
            text += QLatin1String("\r\n");
        }
        const QList<int> rows = columns.isEmpty() ? QList<int>() : columns.first()->children().keys();
        for (const int row : rows) {
            if (html)
                text += QLatin1String("<tr>");
            for (const Framework::Item* column : columns) {
                const Framework::Item* cell = column->child(row);
                QString value = cell ? cell->currentValue().toString() : QString();
                if (html && value.isEmpty() && !isPdf(path))
                    value = QStringLiteral("&nbsp");
                text += html ? QLatin1String("<td>") + value + QLatin1String("</td>") : value + QLatin1Char(';');
            }
            if (html)
                text += QLatin1String("</tr>");
            text += QLatin1String("\r\n");
        }
    }
    if (html)
        text += QLatin1String("</tbody></table>");
    return text;
}

bool HistoryExport::writeText(const QString& text, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCDebug(lcModule) << "Unable to open file!";
        return false;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream.setGenerateByteOrderMark(true);
    stream << text;
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
