#pragma once

#include <QString>

class QTextStream;

namespace Framework {
class Item;
}

namespace moduleRV_23 {

// The event history as a file: semicolon-separated text, or an HTML table that is also the
// source of the PDF form. The file name's ending, compared exactly, chooses the form.
class HistoryExport final
{
public:
    // ".html", ".htm" and ".pdf" take the HTML table.
    static bool isHtml(const QString& path);
    static bool isPdf(const QString& path);
    // The rows of the events item (columns dates, events, sources) in the form path asks for;
    // an empty path gives no header and no rows.
    static QString render(const Framework::Item* events, const QString& path);
    // The rendered text as UTF-8 with a byte-order mark, replacing what the file held. Written
    // row by row: a long log is never held as one text.
    static bool writeFile(const Framework::Item* events, const QString& path);
    // Renders the HTML text into a PDF file.
    static bool printPdf(const QString& html, const QString& path);

private:
    static void render(const Framework::Item* events, const QString& path, QTextStream& out);
};

} // namespace moduleRV_23
