#pragma once

#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace Records {
class RecordStore;
}

namespace Praxon {

class FieldLabels;

// Every unit in the records, or, once something is typed, where it is found: a unit's serial
// number, its site note or a setting of its stored versions, named as the pages name it.
class UnitsWindow final : public QDialog
{
    Q_OBJECT

public:
    UnitsWindow(Records::RecordStore* store, const FieldLabels* labels, QWidget* parent = nullptr);

    void refresh();

private:
    void showUnits();
    void showMatches(const QString& text);
    void setRows(const QStringList& headers, const QList<QStringList>& rows);

    Records::RecordStore* store;
    const FieldLabels* labels;
    QLineEdit* searchBox;
    QTableWidget* results;
};

} // namespace Praxon
