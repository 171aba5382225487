#pragma once

#include <QByteArray>
#include <QString>

namespace Praxon {

// The saved-configuration texts the host keeps, one per unit serial number, in the user's data
// folder. The module hands the text over before it writes to the unit, so a text stored here
// survives an edit the unit did not take.
class ConfigurationStore final
{
public:
    // The store below the given folder; by default the user's data folder of the application.
    explicit ConfigurationStore(const QString& directory = defaultDirectory());

    static QString defaultDirectory();

    QString directory() const { return folder; }
    QString pathFor(const QString& serial) const;
    bool contains(const QString& serial) const;
    // The stored text, empty when none was stored.
    QByteArray read(const QString& serial) const;
    // The stored text as read(), but a text that is no saved configuration (cut short, overwritten)
    // is renamed beside it and kept, *notice tells which file and why, and empty is returned.
    QByteArray readUsable(const QString& serial, QString* notice);
    bool write(const QString& serial, const QByteArray& text);
    QString errorString() const { return error; }

private:
    QString folder;
    QString error;
};

} // namespace Praxon
