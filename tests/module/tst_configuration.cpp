#include "framework/item.h"
#include "framework/model.h"
#include "module/configuration.h"

#include <QRegularExpression>
#include <QResource>
#include <QtTest>

#include <memory>

using moduleRV_23::Configuration;

// The configuration object over page descriptions of the test's own, each registered in turn
// as ":/RV23.json".
class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void unusableDescriptions_data();
    void unusableDescriptions();
    void buildsTheFivePagesAndTheirModels();
    void dynamicConfiguration_data();
    void dynamicConfiguration();
    void refusesEmptySavedSettings();

private:
    std::unique_ptr<Configuration> build(const QString& description, bool* ok);
    QString registered;
};

void TestConfiguration::initTestCase()
{
    // The module's own description would hide the test's.
    Q_CLEANUP_RESOURCE(rv23);
    qRegisterMetaType<Framework::Item*>();
}

void TestConfiguration::cleanup()
{
    if (!registered.isEmpty())
        QResource::unregisterResource(registered);
    registered.clear();
}

std::unique_ptr<Configuration> TestConfiguration::build(const QString& description, bool* ok)
{
    if (!description.isEmpty()) {
        registered = QStringLiteral(DESCRIPTIONS_DIR "/%1.rcc").arg(description);
        if (!QResource::registerResource(registered))
            qFatal("missing test description %s", qPrintable(registered));
    }
    return std::make_unique<Configuration>(ok);
}

void TestConfiguration::unusableDescriptions_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("pagesBuilt");

    QTest::newRow("none") << QString() << "Cannot find configuration file!" << 0;
    QTest::newRow("not JSON") << "broken" << "Json parse error! .*" << 0;
    QTest::newRow("an array") << "array" << "Json is not an object!" << 0;
    QTest::newRow("an empty object") << "empty" << "Json object is empty!" << 0;
    QTest::newRow("without events") << "noevents" << "Json does not contain events object!" << 4;
}

void TestConfiguration::unusableDescriptions()
{
    QFETCH(QString, description);
    QFETCH(QString, message);
    QFETCH(int, pagesBuilt);

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression('^' + message + '$'));
    bool ok = true;
    const auto configuration = build(description, &ok);

    QVERIFY(!ok);
    QCOMPARE(configuration->topItem()->children().size(), pagesBuilt);
    QVERIFY(!configuration->informationsModel());
    QVERIFY(!configuration->eventsModel());
}

void TestConfiguration::buildsTheFivePagesAndTheirModels()
{
    bool ok = false;
    const auto configuration = build("complete", &ok);

    QVERIFY(ok);
    QCOMPARE(configuration->topItem()->children().keys(), QList<int>({0, 1, 2, 3, 4}));
    QCOMPARE(configuration->informationsModel()->item(), configuration->informations());
    QVERIFY(configuration->informationsModel()->hasExtraColumn());
    QCOMPARE(configuration->eventsModel()->item(), configuration->events());
    QVERIFY(!configuration->eventsModel()->hasExtraColumn());
    QCOMPARE(configuration->fileTypes(),
             QStringList({"app.rv23.filetype.portalform (*.txt)", "app.rv23.filetype.rv23ksettings (*.rv23)"}));
}

void TestConfiguration::dynamicConfiguration_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("asValue");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("message");

    const QByteArray edit = R"({"inputs": {"gbInputA": {"leSMSOnA": {"_value": "ALARM"}}}})";
    const QByteArray same = R"({"inputs": {"gbInputA": {"leSMSOnA": {"_value": ""}}}})";
    QTest::newRow("an edit, reverted for a unit") << edit << false << true << true << "" << "";
    QTest::newRow("a value, kept offline") << edit << true << true << false << "ALARM" << "";
    QTest::newRow("nothing different") << same << false << true << false << "" << "";
    QTest::newRow("empty: nothing to do") << QByteArray() << false << true << false << ""
                                          << "Dynamic configuration is empty";
    QTest::newRow("not JSON") << QByteArray("{\"inputs\"") << false << false << false << ""
                              << "Dynamic configurations json parse error! .*";
}

// No case leaves an edit behind: a unit's values are reverted, offline ones are values.
void TestConfiguration::dynamicConfiguration()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, asValue);
    QFETCH(bool, changed);
    QFETCH(QString, current);
    QFETCH(QString, message);
    bool ok = false;
    const auto configuration = build("complete", &ok);
    QVERIFY(ok);
    if (!message.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression('^' + message + '$'));

    bool reported = !changed;
    QTEST(configuration->applyDynamicConfiguration(data, asValue, !asValue, &reported), "result");

    if (message.isEmpty())
        QCOMPARE(reported, changed);
    auto* text = configuration->topItem()->findChild<Framework::Item*>("app.rv-23.topItem.inputs.gbInputA.leSMSOnA");
    QVERIFY(text);
    QCOMPARE(text->currentValue().toString(), current);
    QVERIFY(!(configuration->topItem()->state() & Framework::Changed));
}

void TestConfiguration::refusesEmptySavedSettings()
{
    bool ok = false;
    const auto configuration = build("complete", &ok);

    QTest::ignoreMessage(QtDebugMsg, "Json object is empty!");
    QVERIFY(!configuration->importConfigurations("{}", configuration->fileTypes().at(1)));
    QTest::ignoreMessage(QtDebugMsg, "Imported configuration is empty");
    QVERIFY(configuration->importConfigurations({}, configuration->fileTypes().at(1)));
}

QTEST_MAIN(TestConfiguration)
#include "tst_configuration.moc"
