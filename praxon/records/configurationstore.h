#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Records {

// The saved-configuration texts earlier hosts kept, one file per unit serial number, in the user's
// data folder. The record store takes them over; the files are only read and left in place.
class ConfigurationStore final
{
public:
    // The store below the given folder; by default the user's data folder of the application.
    explicit ConfigurationStore(const QString& directory = defaultDirectory());

    static QString defaultDirectory();

    QString directory() const { return folder; }
    QString pathFor(const QString& serial) const;
    // The stored text, empty when none was stored.
    QByteArray read(const QString& serial) const;
    // The stored text as read(), but a text that is no saved configuration (cut short, overwritten)
    // is renamed beside it and kept, *notice tells which file and why, and empty is returned.
    QByteArray readUsable(const QString& serial, QString* notice);
    // The serial numbers of the files in the folder.
    QStringList serials() const;

private:
    QString folder;
};

} // namespace Records
