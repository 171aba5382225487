#include "framework/item.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTranslator>
#include <QtTest>

#include <memory>

// The module's own catalogues: complete for every id in use, and compiled so that hosts can
// load them.
class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void everyIdInUseIsTranslated();
    void compiledCatalogue_data();
    void compiledCatalogue();
};

void TestCatalogues::everyIdInUseIsTranslated()
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(RV23_CATALOGUE_TOOL, {"--check"});
    QVERIFY(tool.waitForFinished(60000));
    const QByteArray report = tool.readAll();
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             ("Run rv23-catalogue --update and translate:\n" + report).constData());
}

void TestCatalogues::compiledCatalogue_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("notResponding");
    QTest::addColumn<QString>("inputsLabel");
    QTest::addColumn<QString>("inputATooltip");
    QTest::addColumn<QString>("phoneColumn");

    QTest::newRow("Czech") << "rv23_cs.qm" << "Zařízení neodpovídá. Zkontrolujte připojení a zkuste to znovu."
                           << "Vstupy" << "<span>Vstup A je aktivní, když je jeho svorka spojena se zemí (GND).</span>"
                           << "Tel. číslo";
    QTest::newRow("English") << "rv23_en.qm" << "The unit does not respond. Check the connection and try again."
                             << "Inputs" << "<span>Input A is active when its terminal is connected to ground (GND).</span>"
                             << "Phone no.";
}

void TestCatalogues::compiledCatalogue()
{
    QFETCH(QString, file);
    QFETCH(QString, notResponding);
    QFETCH(QString, inputsLabel);
    QFETCH(QString, inputATooltip);
    QFETCH(QString, phoneColumn);
    QTranslator translator;
    QVERIFY(translator.load(file, RV23_CATALOGUE_DIR));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QFile descriptionFile(":/RV23.json");
    QVERIFY(descriptionFile.open(QIODevice::ReadOnly));
    const QJsonObject description = QJsonDocument::fromJson(descriptionFile.readAll()).object();
    Framework::Item top("app.rv-23.topItem", nullptr);
    const auto inputs = new Framework::Item("inputs", &top, description.value("inputs").toObject());
    const Framework::Item* inputA = inputs->child("gbInputA");
    QVERIFY(inputA);
    const Framework::Item* phones = inputA->child("tAPhones")->child("valueColumn");

    QCOMPARE(qtTrId("app.rv23.devicenotrespondig"), notResponding);
    QCOMPARE(inputs->label(), inputsLabel);
    QCOMPARE(inputA->tooltip(true), inputATooltip);
    QCOMPARE(phones->value().toString(), phoneColumn);
    QVERIFY(QCoreApplication::removeTranslator(&translator));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
