#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QTranslator;

namespace Praxon {

// Switches the language of the whole program at run time: the module's identifier catalogue,
// the host's own and Qt's, each when present in the folder. Every widget then gets a
// LanguageChange event and retranslates itself.
class Translations final : public QObject
{
    Q_OBJECT

public:
    explicit Translations(const QString& directory, QObject* parent = nullptr);
    ~Translations() override;

    static QStringList languages();
    // The system's language when it is one of ours, else English.
    static QString systemLanguage();

    // Installs the catalogues of the language; false when it is not one of ours. A missing
    // catalogue is no error: identifiers then show as they are.
    bool setLanguage(const QString& language);
    QString language() const { return current; }
    // The catalogues that were found for the current language.
    QStringList loadedCatalogues() const;

private:
    void removeInstalled();

    QString folder;
    QString current;
    QList<QTranslator*> installed;
};

} // namespace Praxon
