#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace moduleRV_23 {

// One id-based message of a catalogue.
struct TsMessage
{
    QString source;
    QString translation;
    // A translation that is not marked unfinished (lrelease and the check trust it).
    bool finished = false;
    QStringList locations;
    QString translatorComment;
};

// A Qt Linguist catalogue (.ts) of id-based messages, read and written in the form lrelease and
// Linguist use. Messages are kept in id order, so that a rewritten catalogue differs from the
// last one only where its messages do.
class TsCatalogue final
{
public:
    bool read(const QString& path, QString* error);
    // Writes to a temporary file first: an interrupted write never leaves half a catalogue.
    bool write(const QString& path, QString* error) const;

    QString language() const;
    void setLanguage(const QString& language);
    bool isCzech() const;

    const QMap<QString, TsMessage>& messages() const;
    QMap<QString, TsMessage>& messages();

private:
    QString m_language;
    QMap<QString, TsMessage> m_messages;
};

} // namespace moduleRV_23
