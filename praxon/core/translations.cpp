#include "translations.h"

#include "logging.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Praxon {

Translations::Translations(const QString& directory, QObject* parent)
    : QObject(parent)
    , folder(directory)
{
}

Translations::~Translations()
{
    removeInstalled();
}

QStringList Translations::languages()
{
    return {QStringLiteral("en"), QStringLiteral("cs")};
}

QString Translations::systemLanguage()
{
    const QString name = QLocale::system().name().left(2);
    return languages().contains(name) ? name : QStringLiteral("en");
}

bool Translations::setLanguage(const QString& language)
{
    if (!languages().contains(language))
        return false;
    removeInstalled();
    const QList<QPair<QString, QString>> catalogues = {
        {QStringLiteral("rv23_") + language, folder},
        {QStringLiteral("praxon_") + language, folder},
        {QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath)},
    };
    for (const auto& [name, dir] : catalogues) {
        auto* translator = new QTranslator(this);
        if (!dir.isEmpty() && translator->load(name, dir) && QCoreApplication::installTranslator(translator)) {
            installed << translator;
        } else {
            qCDebug(lcHost) << "No catalogue" << name << "in" << dir;
            delete translator;
        }
    }
    current = language;
    QLocale::setDefault(QLocale(language));
    // Installing a catalogue announces the change itself; without any, widgets must still learn
    // that the language is another one.
    if (installed.isEmpty())
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LanguageChange));
    return true;
}

QStringList Translations::loadedCatalogues() const
{
    QStringList files;
    for (const QTranslator* translator : installed)
        files << translator->filePath();
    return files;
}

void Translations::removeInstalled()
{
    for (QTranslator* translator : qAsConst(installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
}

} // namespace Praxon
