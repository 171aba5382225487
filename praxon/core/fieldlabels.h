#pragma once

#include "configurationdiff.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

namespace Praxon {

// What the module's pages call a setting, in the language they show: the page's tab, the group's
// title and the field's own label, found in the widgets the module created. A setting is named by
// its path of short names, as ConfigurationDiff names it; the widgets carry the same names.
class FieldLabels final
{
public:
    explicit FieldLabels(QWidget* pages);

    // The tab that holds the page, or its short name.
    QString page(const QString& name) const;
    // Whether the module shows a page of that name (settings of no page are its own records).
    bool isPage(const QString& name) const;
    // The text with only the members of the module's pages: what the unit tells of itself
    // (versions, IMEI) is no setting to write back. Unchanged when no member is a page.
    QByteArray pagesOnly(const QByteArray& text) const;
    // Where the field is in its form, for reading the settings in the form's order.
    int position(const QStringList& path) const;
    // The group box's title, or its short name.
    QString group(const QStringList& path) const;
    // The field's label: a check box's text, the label in the field's row of its grid, or the
    // label in the same row of a group beside it that describes the rows; else its short name.
    QString field(const QStringList& path) const;
    // The title of a table's column (counted without the row numbers), or its short name.
    QString column(const QStringList& path, int column, const QString& name) const;
    bool isTable(const QStringList& path) const;
    // "Page > Group > Label" for any setting, with a table cell's column and row.
    QString describe(const QString& path) const;

    // A change as ConfigurationDiff describes it, the setting named by its label with its path
    // beside for the files that name settings by path: "Page > Group > Label (path): before ->
    // after". Without the module's pages, by its path alone.
    QString describe(const ConfigurationDiff::Change& change) const;

    // A table cell's row, counted from 0: "value" is 0, "value07" is 7.
    static int rowOf(const QString& cell);
    // A table column's place among those that hold values: "valueColumn" 0, "valueColumn2" 1.
    static int columnOf(const QString& name);

private:
    QString tabText(const QString& name) const;
    QWidget* widget(const QStringList& path) const;

    QPointer<QWidget> pages;
};

} // namespace Praxon
