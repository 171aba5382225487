#include "connectorsession.h"
#include "localconnectoraccess.h"

#include "framework/item.h"

#include <QTemporaryDir>
#include <QtTest>

using Testing::ConnectorSession;
using Testing::LocalConnectorAccess;

// A configuration load from the simulated unit into the page tree the module builds, with the
// connector in its own thread as in the module.
class TestConfigLoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void loadedValue_data();
    void loadedValue();
    void loadLeavesEverythingClean();
    void readsTheMemoryInItsOrder();
    void secondLoadPollsOncePerTick();
    void importAppliesAsEdits();
    void withoutConnectionOnlySettingsAreFilled();
    void unitUnpluggedDuringLoad();

private:
    QTemporaryDir folder;
    ConnectorSession* session = nullptr;
};

namespace {

// Factory memory but for: an empty USSD code, which must not switch the balance check off
// while its numbers are set; the longest on-time for relay X; a use count left in an empty
// row of relay X.
const QMap<int, QString> unitCells = {{92, ""}, {244, "36000"}, {293, "7"}};

} // namespace

void TestConfigLoad::initTestCase()
{
    QVERIFY(folder.isValid());
    session = new ConnectorSession(ConnectorSession::unitIn(folder.path(), unitCells));
    QVERIFY2(session->start(), qPrintable(session->error()));
    QVERIFY(session->load());
    QCOMPARE(session->loaded.last(), QVariant(true));
}

void TestConfigLoad::cleanupTestCase()
{
    delete session;
}

void TestConfigLoad::loadedValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QVariant>("value");

    const auto field = [](const char* tag, const char* name, const QVariant& value) {
        QTest::newRow(tag) << name << -1 << -1 << value;
    };
    const auto cell = [](const char* tag, const char* table, int column, int row, const QVariant& value) {
        QTest::newRow(tag) << table << column << row << value;
    };
    field("input state unknown until the status", "leStavA", "??");
    field("activation text", "leSMSOnA", "NARUSENI OBJEKTU");
    field("deactivation text", "leSMSOffD", "DVERE ZAVRENE");
    field("call on change", "cbCallB", true);
    field("no call on change", "cbCallC", false);
    cell("input phone", "tAPhones", 1, 1, "+420724900118");
    cell("input phone after the last", "tAPhones", 1, 2, "");
    field("relay text", "leSMSOffY", "VYPNI TOPENI");
    field("DTMF code in the order typed", "leDTMFOnX", "1234");
    field("DTMF off code", "leDTMFOffY", "8765");
    field("longest on-time in milliseconds", "teDelayX", 36000000);
    field("relay with an on-time is not permanent", "cbOutputXOn", false);
    field("on-time 0", "teDelayY", 0);
    field("on-time 0 is permanent", "cbOutputYOn", true);
    cell("relay phone", "tXPhones", 1, 2, "+420608551200");
    cell("its use count", "tXPhones", 2, 2, "5");
    cell("use count 99", "tXPhones", 2, 8, "99");
    cell("empty row shows no use count", "tXPhones", 2, 20, "0");
    cell("relay Y use count", "tYPhones", 2, 2, "20");
    field("balance check on with an empty USSD code", "cbCreditActivated", true);
    field("USSD code", "leCreditCommand", "");
    field("check period", "leCreditDD", 30);
    field("low limit", "sbCreditLowLimit", 100);
    field("digit position", "sbCreditPosition", 16);
    field("first option", "cbSMSReportForwardSMS", true);
    field("third option", "cbSendSMSCopy", false);
    field("last option", "cblBypassWirelessDevice", false);
    field("programming code", "lePIN", "1357");
    field("status SMS text", "leTextStatusSMS", "STAV");
    field("second service number", "leServiceNumber2", "+420737445566");
    field("peripheral of input A", "leINA", "11000001715004");
    field("second kind of B peripheral", "leINB", "11000000149130");
    field("input without peripheral", "leIND", "");
    field("first relay X peripheral", "leOutX1", "11000007012418");
    field("second relay X peripheral", "leOutX2", "11000008131124");
    field("free relay X slot", "leOutX3", "");
    field("relay Y peripheral", "leOutY1", "11000009546701");
    cell("behaviour version", "informations", 1, 3, "004");
    cell("IMEI", "informations", 1, 4, "353270041178205");
    cell("operator", "informations", 1, 5, "CZ MOBIL");
}

void TestConfigLoad::loadedValue()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QVariant, value);

    const Framework::Item* item = column < 0 ? session->item(name) : session->cell(name, column, row);
    QVERIFY(item);
    QCOMPARE(item->currentValue(), value);
    QCOMPARE(item->value(), value);
}

void TestConfigLoad::loadLeavesEverythingClean()
{
    QVERIFY(!(session->top()->state() & Framework::Changed));
    QVERIFY(session->item("teDelayX")->isEnabled());
    QVERIFY(!session->item("teDelayY")->isEnabled());
    const Framework::Item* relayX = session->item("leStavX");
    QCOMPARE(relayX->currentValue().toString(), qtTrId("app.rv23.io.off"));
    QCOMPARE(relayX->foreground(), QColor(Qt::darkGreen));
    bool polling = false;
    QVERIFY(session->run([&](moduleRV_23::LocalConnector* connector) {
        polling = LocalConnectorAccess(*connector).polling();
    }));
    QVERIFY(polling);
}

void TestConfigLoad::readsTheMemoryInItsOrder()
{
    QStringList expected{"AT+OATSET=\"$SDS\"", "AT+WIMEI?", "AT+COPS=3,0", "AT+COPS?"};
    const auto read = [&](int first, int last) {
        for (int cell = first; cell <= last; ++cell)
            expected << QStringLiteral("AT+OATMEM=0,%1").arg(cell);
    };
    for (int cell : {1, 3, 4, 5, 6, 7, 54, 64, 65, 66, 67, 68, 69, 70, 71, 76, 77, 78, 79, 92, 108, 109})
        read(cell, cell);
    read(111, 242);
    read(244, 249);
    read(258, 264);
    read(268, 270);
    read(373, 384);
    read(389, 400);
    read(273, 372);
    expected << "AT+OATEVENT=65535";

    const QStringList received = session->receivedLines();
    const int start = received.indexOf("AT+WIMEI?") - 1;
    QVERIFY(start >= 0);
    QCOMPARE(received.mid(start, expected.size()), expected);
    QCOMPARE(expected.filter("AT+OATMEM").size(), 294);
}

void TestConfigLoad::secondLoadPollsOncePerTick()
{
    QVERIFY(session->load());
    const int polled = session->statuses.count();

    QVERIFY(session->statuses.wait(polled + 1, 10000));
    // Both connections, had there been two, would have run on the same tick before this.
    QVERIFY(session->run([](moduleRV_23::LocalConnector*) {}));
    QCOMPARE(session->statuses.count(), polled + 1);
}

void TestConfigLoad::importAppliesAsEdits()
{
    RV23_Config imported;
    QVERIFY(session->run([&](moduleRV_23::LocalConnector* connector) {
        imported = LocalConnectorAccess(*connector).configData();
    }));
    imported.InputTexts[RV23_Config::A].OnText = QStringLiteral("IMPORTED");
    imported.XCounts[2] = 42;
    imported.periferie.Y2 = QStringLiteral("11000000000077");

    QVERIFY(session->run([&](moduleRV_23::LocalConnector* connector) {
        connector->dataImported(imported, session->top());
    }));

    for (const auto& [item, value] : {std::make_pair(session->item("leSMSOnA"), QVariant("IMPORTED")),
                                      std::make_pair(session->cell("tXPhones", 2, 2), QVariant("42")),
                                      std::make_pair(session->item("leOutY2"), QVariant("11000000000077"))}) {
        QCOMPARE(item->currentValue(), value);
        QVERIFY(item->state() & Framework::Changed);
    }
    QCOMPARE(session->item("leSMSOnA")->value(), QVariant("NARUSENI OBJEKTU"));
    QVERIFY(!(session->item("leSMSOffA")->state() & Framework::Changed));
    session->top()->resetValues(Framework::Revert);
}

void TestConfigLoad::withoutConnectionOnlySettingsAreFilled()
{
    ConnectorSession unconnected;

    QVERIFY(unconnected.load());

    QCOMPARE(unconnected.loaded.last(), QVariant(false));
    const Framework::Item* text = unconnected.item("leSMSOnA");
    QCOMPARE(text->currentValue(), text->defaultValue(true));
    // Nothing answered, so the balance check stays as the read sequence sets it.
    QCOMPARE(unconnected.item("cbCreditActivated")->currentValue(), QVariant(true));
}

void TestConfigLoad::unitUnpluggedDuringLoad()
{
    QTemporaryDir unplugFolder;
    Sim::Options options = ConnectorSession::unitIn(unplugFolder.path());
    // Search and connection take 5 commands, the load's status poll one more.
    options.unplugAfter = 5 + 1 + 60;
    ConnectorSession unplugged(options);
    QVERIFY2(unplugged.start(), qPrintable(unplugged.error()));

    QVERIFY(unplugged.load());

    QVERIFY(unplugged.errors.wait());
    QCOMPARE(unplugged.errors.emissions.first().first(), QVariant(-1));
    // What was read before the line went is in the pages.
    QCOMPARE(unplugged.item("leSMSOnA")->currentValue(), QVariant("NARUSENI OBJEKTU"));
}

QTEST_MAIN(TestConfigLoad)
#include "tst_configload.moc"
