#pragma once

#include "praxon/records/versionrecord.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace Records {
class RecordStore;
}

namespace Praxon {

class FieldLabels;

// One unit's stored versions, newest first: the chosen one side by side with another (the one
// before it unless another is picked), changed settings highlighted; its site note; Restore,
// which asks for the chosen version to be written to the unit; and the event records kept.
class UnitHistoryWindow final : public QDialog
{
    Q_OBJECT

public:
    // canRestore: the unit is connected, so a version can be written to it.
    UnitHistoryWindow(Records::RecordStore* store, const FieldLabels* labels, const QString& serial, bool canRestore,
                      QWidget* parent = nullptr);

signals:
    void restoreRequested(const Records::VersionRecord& version);

private:
    void fillVersions();
    void fillEvents();
    void chooseVersion();
    void compare();
    void saveNote();
    Records::VersionRecord chosen() const;

    Records::RecordStore* store;
    const FieldLabels* labels;
    QString serial;
    QList<Records::VersionRecord> versions;
    QTableWidget* list;
    QComboBox* against;
    QTableWidget* differences;
    QTableWidget* events;
    QLineEdit* note;
    QPushButton* restoreButton;
};

} // namespace Praxon
