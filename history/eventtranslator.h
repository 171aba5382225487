#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace moduleRV_23 {

// Turns the event codes and sources of the unit's event log into translated texts.
class EventTranslator final : public QObject
{
    Q_OBJECT

public:
    explicit EventTranslator(QObject* parent = nullptr);

    // Translates the event table again, so that event texts follow a change of language.
    void rebuild();

    // Empty for a code outside the table.
    QString eventText(int code) const;
    // Always translated with the current language; sources are configuration memory cells.
    QString sourceText(int source) const;

private:
    QStringList m_events;
};

} // namespace moduleRV_23
