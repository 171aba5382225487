#pragma once

#include "fieldlabels.h"

#include "praxon/records/unitrecord.h"
#include "praxon/records/versionrecord.h"

#include <QCoreApplication>
#include <QString>

class QPrinter;

namespace Records {
class RecordStore;
}

namespace Praxon {

// The sheet a technician leaves with the customer: the unit, the date, every page's settings by
// their labels in the language the pages show, the phone tables without empty rows, and what
// changed from the version before. praxon prints it, rv23ctl writes it as PDF: both from here.
class ConfigurationSheet final
{
    Q_DECLARE_TR_FUNCTIONS(Praxon::ConfigurationSheet)

public:
    // previous: the unit's version before, id 0 when version is its first.
    ConfigurationSheet(const FieldLabels& labels, const Records::UnitRecord& unit, const Records::VersionRecord& version,
                       const Records::VersionRecord& previous);

    // The sheet of a stored version, with its unit and the unit's version before, from the records.
    static ConfigurationSheet fromRecords(const FieldLabels& labels, Records::RecordStore& store,
                                          const Records::VersionRecord& version);

    QString html() const;
    void print(QPrinter* printer) const;
    // false with *error when the file could not be written.
    bool writePdf(const QString& path, QString* error) const;

private:
    QString header() const;
    QString pages() const;
    QString changes() const;

    const FieldLabels& labels;
    Records::UnitRecord unit;
    Records::VersionRecord version;
    Records::VersionRecord previous;
};

} // namespace Praxon
