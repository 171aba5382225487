#include "connectorsession.h"
#include "localconnectoraccess.h"

#include "framework/item.h"

#include <QTemporaryDir>
#include <QtTest>

#include <utility>

using Testing::ConnectorSession;
using Testing::LocalConnectorAccess;

// Edits: the short name of a control, or "table/column/row" for a cell, and the value typed.
using Edits = QList<std::pair<QString, QVariant>>;

// A configuration save to the simulated unit: the exact lines the unit receives for a set of
// edits made on a loaded page tree.
class TestConfigSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void linesSent_data();
    void linesSent();
    void savedValuesAreKeptAndThePollStaysStopped();
    void withoutTreeTheSaveFails();
    void unitUnpluggedDuringSave();

private:
    bool edit(ConnectorSession& unit, const Edits& edits);
    QStringList saveAndCollect();

    QTemporaryDir folder;
    ConnectorSession* session = nullptr;
};

namespace {

const QString parameterWrite = QStringLiteral("AT+OATSET=\"%1\"");

// Factory memory but for a call flag of input B that is off and no learned peripherals.
QMap<int, QString> unitCells()
{
    QMap<int, QString> cells{{247, "0"}};
    for (int cell = 373; cell <= 404; ++cell)
        cells.insert(cell, "-1");
    return cells;
}

QStringList writes(const QStringList& parameters)
{
    QStringList lines;
    for (const QString& parameter : parameters)
        lines << parameterWrite.arg(parameter);
    return lines;
}

} // namespace

void TestConfigSave::initTestCase()
{
    QVERIFY(folder.isValid());
    session = new ConnectorSession(ConnectorSession::unitIn(folder.path(), unitCells()));
    QVERIFY2(session->start(), qPrintable(session->error()));
    QVERIFY(session->load());
}

void TestConfigSave::cleanupTestCase()
{
    delete session;
}

void TestConfigSave::cleanup()
{
    session->top()->resetValues(Framework::Revert);
}

bool TestConfigSave::edit(ConnectorSession& unit, const Edits& edits)
{
    for (const auto& [target, value] : edits) {
        const QStringList cell = target.split(QLatin1Char('/'));
        Framework::Item* item = cell.size() == 3 ? unit.cell(cell[0], cell[1].toInt(), cell[2].toInt()) : unit.item(target);
        if (!item || !item->setCurrentValue(value))
            return false;
    }
    return true;
}

// The parameter writes the unit receives during one save.
QStringList TestConfigSave::saveAndCollect()
{
    const int before = session->receivedLines().size();
    if (!session->save())
        return {QStringLiteral("no answer")};
    return session->receivedLines().mid(before).filter(QRegularExpression(QStringLiteral("^AT\\+OATSET=\"[^$]")));
}

void TestConfigSave::linesSent_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QStringList>("parameters");

    QTest::newRow("call flag alone: one command")
        << Edits{{"cbCallB", true}} << QStringList{"DNB,1"};
    QTest::newRow("input fields in walk order")
        << Edits{{"leSMSOffB", "KLID B"}, {"cbCallA", false}, {"leSMSOnA", "ALARM"}}
        << QStringList{"ATA,ALARM", "DNA,0", "DTB,KLID B"};
    QTest::newRow("input numbers packed, without blanks")
        << Edits{{"tAPhones/1/0", ""}, {"tAPhones/1/1", "+420 724 900 118"}, {"tAPhones/1/4", "604111222"}}
        << QStringList{"TNA,+420724900118,604111222"};
    QTest::newRow("one changed input number sends the whole list")
        << Edits{{"tBPhones/1/2", "+420608000000"}} << QStringList{"TNB,+420603112233,+420724900118,+420608000000"};
    QTest::newRow("replaced relay numbers: erased at once, stored after the on-time")
        << Edits{{"teDelayX", 90000}, {"tXPhones/1/3", "+420700000003"}, {"tXPhones/1/5", "+420700000005"},
                 {"tXPhones/2/5", 7}}
        << QStringList{"EDX,+420731220045", "EDX,+420602330719", "TMX,90", "ADX,+420700000003", "LDX,+420700000005,7"};
    QTest::newRow("count changed alone stores its number again")
        << Edits{{"tXPhones/2/2", 9}} << QStringList{"LDX,+420608551200,9"};
    QTest::newRow("cleared relay number is only erased")
        << Edits{{"tYPhones/1/1", ""}} << QStringList{"EDY,+420777654321"};
    QTest::newRow("permanent relay: on-time 0") << Edits{{"cbOutputXOn", true}} << QStringList{"TMX,0"};
    QTest::newRow("relay texts and DTMF as typed")
        << Edits{{"leSMSOffY", "STOP"}, {"leDTMFOnX", "9876"}} << QStringList{"CAX,9876", "DRY,STOP"};
    QTest::newRow("balance check off sends zeros")
        << Edits{{"cbCreditActivated", false}} << QStringList{"CRD,*101#,0,0,0"};
    QTest::newRow("codes at once, then credit, options and service numbers")
        << Edits{{"leServiceNumber", ""}, {"cbLimit10SMS", false}, {"leCreditDD", 7}, {"leTextStatusSMS", "STATUS"},
                 {"lePIN", "2468"}}
        << QStringList{"NPC,2468", "STS,STATUS", "CRD,*101#,7,100,16", "DIP,1,1,0,0,0,1,0", "STN,+420737445566"};
    QTest::newRow("one relay Y peripheral") << Edits{{"leOutY2", "11000000001234"}} << QStringList{"LRN,Y,00001234"};
    QTest::newRow("invalid peripheral codes left out")
        << Edits{{"leINA", "12000000000001"}, {"leOutX1", "11000003145728"}, {"leIND", "77"}}
        << QStringList{"LRN,D,00000077"};
}

void TestConfigSave::linesSent()
{
    QFETCH(Edits, edits);
    QFETCH(QStringList, parameters);
    QVERIFY(edit(*session, edits));

    QCOMPARE(saveAndCollect(), writes(parameters));
    QCOMPARE(session->saved.last(), QVariant(true));
}

void TestConfigSave::savedValuesAreKeptAndThePollStaysStopped()
{
    QVERIFY(edit(*session, {{"leSMSOnA", "COPY"}, {"teDelayY", 4000}, {"cbOutputYOn", false},
                            {"leServiceNumber2", ""}, {"cbSendSMSCopy", true}, {"leINB", "11000000000009"}}));
    QVERIFY(session->save());

    RV23_Config kept;
    bool polling = true;
    QVERIFY(session->run([&](moduleRV_23::LocalConnector* connector) {
        LocalConnectorAccess access(*connector);
        kept = access.configData();
        polling = access.polling();
    }));
    QCOMPARE(kept.InputTexts[RV23_Config::A].OnText, QStringLiteral("COPY"));
    QCOMPARE(kept.RelayTime[RV23_Config::Y], quint16(4));
    QVERIFY(!kept.RelayPermanent[RV23_Config::Y]);
    QCOMPARE(kept.ServiceNumber2, QString());
    QVERIFY(kept.CopySentSms);
    // Peripherals are only sent; the record keeps what was read.
    QCOMPARE(kept.periferie.B, QString());
    QVERIFY(!polling);
}

void TestConfigSave::withoutTreeTheSaveFails()
{
    const int before = session->saved.count();
    QVERIFY(session->run([](moduleRV_23::LocalConnector* connector) { connector->save(nullptr); }));
    QVERIFY(session->saved.wait(before + 1));
    QCOMPARE(session->saved.last(), QVariant(false));
}

void TestConfigSave::unitUnpluggedDuringSave()
{
    QTemporaryDir unplugFolder;
    Sim::Options options = ConnectorSession::unitIn(unplugFolder.path());
    // Search and connection take 4 commands; the line goes after the third write.
    options.unplugAfter = 4 + 3;
    ConnectorSession unplugged(options);
    QVERIFY2(unplugged.start(), qPrintable(unplugged.error()));
    QVERIFY(edit(unplugged, {{"leSMSOnA", "A1"}, {"leSMSOnB", "B1"}, {"leSMSOnC", "C1"}, {"leSMSOnD", "D1"},
                             {"leSMSOnX", "X1"}, {"leSMSOnY", "Y1"}, {"lePIN", "1111"}}));

    QVERIFY(unplugged.save());

    QCOMPARE(unplugged.saved.last(), QVariant(true));
    QVERIFY(unplugged.errors.wait());
    QCOMPARE(unplugged.errors.emissions.first().first(), QVariant(-1));
    QCOMPARE(unplugged.receivedLines().filter("AT+OATSET=\"AT").size(), 3);
}

QTEST_MAIN(TestConfigSave)
#include "tst_configsave.moc"
