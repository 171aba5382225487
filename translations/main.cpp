// rv23-catalogue: keeps the module's translation catalogues complete for the ids that its code
// and its page description use.
#include "cataloguesync.h"
#include "codescanner.h"
#include "descriptionids.h"
#include "tscatalogue.h"

#include "module/configuration.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

enum ExitCode { Complete = 0, Incomplete = 1, Failed = 2 };

// The folders whose code ends up in the plug-in.
const QStringList moduleFolders = {"framework", "history", "host", "link", "module", "pages", "portal"};
const QString descriptionFile = QStringLiteral("resources/RV23.json");

void printError(const QString& message)
{
    QTextStream(stderr) << message << '\n';
}

// Every id in use: the item tree's, built by the module from its embedded description exactly
// as the pages get it, and the code's.
bool collectTexts(const QString& sourceDir, moduleRV_23::TranslatableTexts* texts)
{
    bool ok = false;
    const moduleRV_23::Configuration configuration(&ok);
    QFile file(QStringLiteral(":/RV23.json"));
    if (!ok || !file.open(QIODevice::ReadOnly)) {
        printError("The module's page description cannot be read.");
        return false;
    }
    const QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
    *texts = moduleRV_23::descriptionTexts(configuration.topItem(), description, descriptionFile);
    QString error;
    if (!moduleRV_23::scanSources(sourceDir, moduleFolders, texts, &error)) {
        printError(error);
        return false;
    }
    return true;
}

// The same texts with their locations relative to the catalogue, as Linguist expects them.
moduleRV_23::TranslatableTexts relocated(moduleRV_23::TranslatableTexts texts, const QString& sourceDir,
                                         const QString& cataloguePath)
{
    const QDir source(sourceDir);
    const QDir catalogueDir = QFileInfo(cataloguePath).absoluteDir();
    for (moduleRV_23::TranslatableText& text : texts) {
        for (QString& location : text.locations)
            location = catalogueDir.relativeFilePath(source.absoluteFilePath(location));
    }
    return texts;
}

// A catalogue that does not exist yet starts empty, in the language its name ends with.
bool readCatalogue(const QString& path, bool mayBeNew, moduleRV_23::TsCatalogue* catalogue)
{
    if (mayBeNew && !QFileInfo::exists(path)) {
        catalogue->setLanguage(QFileInfo(path).completeBaseName().section(QLatin1Char('_'), -1));
        return true;
    }
    QString error;
    if (catalogue->read(path, &error))
        return true;
    printError(error);
    return false;
}

ExitCode update(const QString& path, const moduleRV_23::TranslatableTexts& texts)
{
    moduleRV_23::TsCatalogue catalogue;
    if (!readCatalogue(path, true, &catalogue))
        return Failed;
    const int before = catalogue.messages().size();
    const int dropped = moduleRV_23::unusedIds(catalogue, texts).size();
    moduleRV_23::updateCatalogue(&catalogue, texts);
    QString error;
    if (!catalogue.write(path, &error)) {
        printError(error);
        return Failed;
    }
    const int added = catalogue.messages().size() - before + dropped;
    QTextStream(stdout) << path << ": " << added << " added, " << dropped << " dropped, "
                        << moduleRV_23::catalogueProblems(catalogue, texts).size() << " to translate\n";
    return Complete;
}

ExitCode check(const QString& path, const moduleRV_23::TranslatableTexts& texts)
{
    moduleRV_23::TsCatalogue catalogue;
    if (!readCatalogue(path, false, &catalogue))
        return Failed;
    QTextStream out(stdout);
    const QStringList problems = moduleRV_23::catalogueProblems(catalogue, texts);
    for (const QString& problem : problems)
        out << path << ": " << problem << '\n';
    for (const QString& id : moduleRV_23::unusedIds(catalogue, texts))
        out << path << ": " << id << ": not used any more (dropped by --update)\n";
    return problems.isEmpty() ? Complete : Incomplete;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Keeps the module's translation catalogues complete for the ids its code and page description use.");
    parser.addHelpOption();
    const QCommandLineOption updateOption("update", "Add missing ids to the catalogues and drop unused ones.");
    const QCommandLineOption checkOption(
        "check", "List every id in use that lacks a finished translation; exit 1 if there is one.");
    const QCommandLineOption sourceOption("source-dir", "The source tree to scan.", "dir", RV23_SOURCE_DIR);
    parser.addOptions({updateOption, checkOption, sourceOption});
    parser.addPositionalArgument("catalogues", "The .ts files (default: the module's English and Czech ones).",
                                 "[catalogue.ts...]");
    parser.process(app);
    if (!parser.isSet(updateOption) && !parser.isSet(checkOption)) {
        printError("Give --update, --check or both.");
        return Failed;
    }

    const QString sourceDir = parser.value(sourceOption);
    QStringList catalogues = parser.positionalArguments();
    if (catalogues.isEmpty())
        catalogues = QStringList{sourceDir + "/translations/rv23_en.ts", sourceDir + "/translations/rv23_cs.ts"};
    moduleRV_23::TranslatableTexts texts;
    if (!collectTexts(sourceDir, &texts))
        return Failed;

    int result = Complete;
    for (const QString& path : catalogues) {
        const moduleRV_23::TranslatableTexts used = relocated(texts, sourceDir, path);
        if (parser.isSet(updateOption))
            result = std::max(result, int(update(path, used)));
        if (parser.isSet(checkOption))
            result = std::max(result, int(check(path, used)));
    }
    return result;
}
