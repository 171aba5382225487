#include "framework/item.h"
#include "module/configuration.h"
#include "module/rv_23.h"

#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using moduleRV_23::RV_23;

namespace {

// The column labels in Czech, as the Czech catalogue gives them.
class ColumnTranslator final : public QTranslator
{
public:
    QHash<QString, QString> texts;

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* id, const char*, int) const override
    {
        return texts.value(QString::fromUtf8(id));
    }
};

const QStringList rows[] = {
    {"01.08.  07:12:05", "Aktivace vstupu A", "RV-23"},
    {"02.14.  18:30:00", "Zapnutí", ""},
    {"12.31.  23:59:59", "Porucha GSM", "Vstup A, telefon 5"},
};

const QByteArray bom = "\xEF\xBB\xBF";

QByteArray csv()
{
    QString text = "Datum;Událost;Zdroj\r\n";
    for (const QStringList& row : rows)
        text += row.join(';') + ";\r\n";
    return bom + text.toUtf8();
}

QByteArray html()
{
    QString text = "<table border=\"1\" style=\"border-collapse: collapse;\">\n"
                   "<thead><tr><th>Datum</th><th>Událost</th><th>Zdroj</th></tr></thead><tbody>";
    for (const QStringList& row : rows) {
        text += "<tr>";
        for (const QString& cell : row)
            text += "<td>" + (cell.isEmpty() ? "&nbsp" : cell) + "</td>";
        text += "</tr>\r\n";
    }
    return bom + (text + "</tbody></table>").toUtf8();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

// The Events page's rows written to a file by the module, for hosts with and without a dialog.
class TestHistoryExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void textFormats_data();
    void textFormats();
    void pdfHoldsEveryRow();
    void unwritablePathFails_data();
    void unwritablePathFails();
    void unprintablePdfFails();

private:
    QString path(const QString& name) const { return files.filePath(name); }

    QTemporaryDir files;
    QTemporaryDir settingsDir;
    ColumnTranslator translator;
    RV_23* module = nullptr;
};

void TestHistoryExport::initTestCase()
{
    QVERIFY(files.isValid() && settingsDir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    module = new RV_23(this);
    QVERIFY(module->createWidget());
    Framework::Item* events = module->configurationObject()->events();
    const QStringList labels{"Datum", "Událost", "Zdroj"};
    for (int column = 0; column < 3; ++column)
        translator.texts.insert(events->child(column)->objectName().toLower(), labels[column]);
    QCoreApplication::installTranslator(&translator);

    events->setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            events->child(column)->child(row)->setValue(rows[row][column]);
    }
}

// The module writes its settings when it goes, so it must go while their folder is there.
void TestHistoryExport::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&translator);
    delete module;
}

void TestHistoryExport::textFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("csv") << "history.csv" << csv();
    QTest::newRow("any other ending is csv") << "history" << csv();
    QTest::newRow("upper-case PDF is csv") << "history.PDF" << csv();
    QTest::newRow("html, empty cells as &nbsp") << "history.html" << html();
    QTest::newRow("htm") << "history.htm" << html();
}

void TestHistoryExport::textFormats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);

    {
        // A longer file of that name is replaced, not overwritten in part.
        QFile old(path(name));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(20000, 'x'));
    }
    QSignalSpy loader(module, &RV_23::showLoaderSignal);
    QVERIFY(module->exportHistoryTo(path(name)));
    QCOMPARE(contents(path(name)), expected);
    QCOMPARE(loader.count(), 0);
}

void TestHistoryExport::pdfHoldsEveryRow()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed");
    QSignalSpy loader(module, &RV_23::showLoaderSignal);

    QVERIFY(module->exportHistoryTo(path("history.pdf")));

    QVERIFY(contents(path("history.pdf")).startsWith("%PDF-"));
    QCOMPARE(loader.count(), 2);
    QCOMPARE(loader.at(0), (QVariantList{true, QString()}));
    QCOMPARE(loader.at(1), (QVariantList{false, QString()}));
    QProcess process;
    process.start(pdftotext, {path("history.pdf"), "-"});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    QVERIFY2(!text.contains("&nbsp"), qPrintable(text));
    for (const char* label : {"Datum", "Událost", "Zdroj"})
        QVERIFY2(text.contains(label), qPrintable(text));
    for (const QStringList& row : rows) {
        for (const QString& cell : row)
            QVERIFY2(text.contains(cell.simplified()), qPrintable(cell + " missing in: " + text));
    }
}

void TestHistoryExport::unwritablePathFails_data()
{
    QTest::addColumn<QString>("target");

    QTest::newRow("no name (dialog cancelled)") << QString();
    QTest::newRow("folder that does not exist") << path("missing/history.csv");
    QTest::newRow("a folder") << files.path();
}

void TestHistoryExport::unwritablePathFails()
{
    QFETCH(QString, target);
    QTest::ignoreMessage(QtDebugMsg, "Unable to open file!");
    QVERIFY(!module->exportHistoryTo(target));
}

void TestHistoryExport::unprintablePdfFails()
{
    QVERIFY(!module->exportHistoryTo(path("missing/history.pdf")));
}

QTEST_MAIN(TestHistoryExport)
#include "tst_historyexport.moc"
