#include "configfields.h"
#include "connectorsession.h"
#include "localconnectoraccess.h"

#include "framework/item.h"
#include "history/eventtranslator.h"
#include "history/timestampformat.h"

#include <QTemporaryDir>
#include <QtTest>

#include <utility>

using moduleRV_23::LocalConnector;
using Testing::ConnectorSession;
using Testing::LocalConnectorAccess;
using Testing::QueuedSpy;

// Edits: the target, the short name of a control or "table/column/row" for a cell, and the value
// typed.
using Edits = QList<std::pair<QString, QVariant>>;

// The connector against the simulated unit, in a thread of its own as the module runs it, with
// the page tree the module builds: found, connected and polled; the configuration loaded into
// the pages, and saved with the exact lines the unit receives for a set of edits; the
// event log read into the Events page's item.
class TestSimulatedUnit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void loadedValue_data();
    void loadedValue();
    void loadLeavesEverythingClean();
    void readsTheMemoryInItsOrder();
    void linesSent_data();
    void linesSent();
    void savedValuesAreKept();
    void importAppliesAsEdits();
    void reloadShowsOnlyTheUnitsLog();
    void unconnectedLoadsFail();
    void everyFieldRoundTrip();

private:
    QStringList saveAndCollect();
    bool loadEvents(bool reload = false);
    QStringList unitRows();

    QTemporaryDir folder;
    ConnectorSession* session = nullptr;
    QueuedSpy* loaded = nullptr;
};

namespace {

// Factory memory but for: an empty USSD code, which must not switch the balance check off
// while its numbers are set; a use count left in an empty row of relay X; no learned
// peripherals.
QMap<int, QString> unitCells()
{
    QMap<int, QString> cells{{92, ""}, {293, "7"}};
    for (int cell = 373; cell <= 404; ++cell)
        cells.insert(cell, "-1");
    return cells;
}

const QString parameterWrite = QStringLiteral("AT+OATSET=\"%1\"");

Framework::Item* itemAt(const ConnectorSession& unit, const QString& target)
{
    const QStringList cell = target.split(QLatin1Char('/'));
    return cell.size() == 3 ? unit.cell(cell[0], cell[1].toInt(), cell[2].toInt()) : unit.item(target);
}

bool edit(ConnectorSession& unit, const Edits& edits)
{
    for (const auto& [target, value] : edits) {
        Framework::Item* item = itemAt(unit, target);
        if (!item || !item->setCurrentValue(value))
            return false;
    }
    return true;
}

// The connector's configuration record, read in its thread.
RV23_Config configOf(ConnectorSession& unit)
{
    RV23_Config config;
    unit.run([&config](LocalConnector* connector) { config = LocalConnectorAccess(*connector).configData(); });
    return config;
}

bool pollingOf(ConnectorSession& unit)
{
    bool polling = false;
    unit.run([&polling](LocalConnector* connector) { polling = LocalConnectorAccess(*connector).polling(); });
    return polling;
}

QStringList writes(const QStringList& parameters)
{
    QStringList lines;
    for (const QString& parameter : parameters)
        lines << parameterWrite.arg(parameter);
    return lines;
}

// One "date|event|source" per row of an events item.
QStringList tableRows(const Framework::Item* events)
{
    QStringList rows;
    for (int row = 0; row < events->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << events->child(column)->child(row)->currentValue().toString();
        rows << cells.join('|');
    }
    return rows;
}

// One field of the configuration: the control or table cell that shows it and the value typed
// there, the memory cell the unit keeps it in and that cell's text, and the record member with
// its value. A field without a control is only read; one without a cell only shown.
struct Field
{
    QString target;
    QVariant typed;
    int cell;
    QString cellText;
    QString member;
    QString memberText;
};

QString inputPhone(int input, int row)
{
    return QStringLiteral("+42070%1%2").arg(input).arg(row);
}

QString outputPhone(int output, int row)
{
    return QStringLiteral("+4206%1%2").arg(output + 1).arg(row, 2, 10, QLatin1Char('0'));
}

// Uses of relay X's rows 1..49, none for its last row; relay Y's 99 down to 50.
int outputCount(int output, int row)
{
    if (output == 1)
        return 99 - row;
    return row < 49 ? row + 1 : 0;
}

const QString oldXPhone = QStringLiteral("+420100000000");
const QString oldYPhone = QStringLiteral("+420200000000");

// Every field with a value of its own: no two alike, no code that reads the same backwards, and
// each flag the opposite of the unit's before the save.
QList<Field> everyField()
{
    QList<Field> f;
    const auto text = [&f](const QString& target, const QString& value, int cell, const QString& member) {
        f.append({target, value, cell, value, member, value});
    };
    const auto flag = [&f](const QString& target, bool on, int cell, const QString& member) {
        f.append({target, on, cell, on ? "1" : "0", member, on ? "true" : "false"});
    };
    const QString inputs = QStringLiteral("ABCD");
    const bool calls[] = {true, true, false, true};
    for (int i = 0; i < 4; ++i) {
        const QChar in = inputs.at(i);
        text(QStringLiteral("leSMSOn") + in, QStringLiteral("ALARM ") + in, 64 + i, QStringLiteral("InputTexts[%1].OnText").arg(in));
        text(QStringLiteral("leSMSOff") + in, QStringLiteral("KLID ") + in, 68 + i, QStringLiteral("InputTexts[%1].OffText").arg(in));
        flag(QStringLiteral("cbCall") + in, calls[i], 246 + i, QStringLiteral("CallOnChange[%1]").arg(in));
        for (int r = 0; r < 8; ++r)
            text(QStringLiteral("t%1Phones/1/%2").arg(in).arg(r), inputPhone(i, r), 111 + 8 * i + r,
                 QStringLiteral("%1Phones[%2]").arg(in).arg(r));
    }
    text("leSMSOnX", "ZAP X", 3, "OutputTexts[X].OnText");
    text("leSMSOnY", "ZAP Y", 4, "OutputTexts[Y].OnText");
    text("leSMSOffX", "VYP X", 5, "OutputTexts[X].OffText");
    text("leSMSOffY", "VYP Y", 6, "OutputTexts[Y].OffText");
    f.append({"leDTMFOnX", "1234", 76, "4321", "DtmfCodes[X].OnCode", "1234"});
    f.append({"leDTMFOnY", "5678", 77, "8765", "DtmfCodes[Y].OnCode", "5678"});
    f.append({"leDTMFOffX", "1357", 78, "7531", "DtmfCodes[X].OffCode", "1357"});
    f.append({"leDTMFOffY", "2468", 79, "8642", "DtmfCodes[Y].OffCode", "2468"});
    f.append({"teDelayX", 90000, 244, "90", "RelayTime[X]", "90"});
    f.append({"teDelayY", 3725000, 245, "3725", "RelayTime[Y]", "3725"});
    f.append({"cbOutputXOn", false, -1, "", "", ""});
    f.append({"cbOutputYOn", false, -1, "", "", ""});
    for (int o = 0; o < 2; ++o) {
        const QString table = o == 0 ? "tXPhones/%1/%2" : "tYPhones/%1/%2";
        const char* out = o == 0 ? "X" : "Y";
        for (int r = 0; r < 50; ++r) {
            const QString count = QString::number(outputCount(o, r));
            text(table.arg(1).arg(r), outputPhone(o, r), 143 + 50 * o + r, QStringLiteral("%1Phones[%2]").arg(out).arg(r));
            f.append({table.arg(2).arg(r), outputCount(o, r), 273 + 50 * o + r, count,
                      QStringLiteral("%1Counts[%2]").arg(out).arg(r), count});
        }
    }
    text("lePIN", "9753", 54, "ProgrammingCode");
    text("leTextStatusSMS", "STAV RV", 7, "StatusSmsText");
    text("leServiceNumber", "+420601000001", 108, "ServiceNumber1");
    text("leServiceNumber2", "+420601000002", 109, "ServiceNumber2");
    f.append({"cbCreditActivated", true, -1, "", "KreditKontrolaZap", "true"});
    text("leCreditCommand", "*104#", 92, "KreditUssd");
    f.append({"leCreditDD", 12, 268, "12", "KreditPerioda", "12"});
    f.append({"sbCreditLowLimit", 345, 269, "345", "KreditLimit", "345"});
    f.append({"sbCreditPosition", 67, 270, "67", "KreditPozice", "67"});
    flag("cbSMSReportForwardSMS", true, 258, "ForwardUnknownSms");
    flag("cb24hCheckCall", false, 259, "CheckCall24h");
    flag("cbSendSMSCopy", false, 260, "CopySentSms");
    flag("cbLimit10SMS", true, 261, "Limit10Sms");
    flag("cbConfirmRelayActivityByRing", true, 262, "ConfirmRelayByRing");
    flag("cbConfirmRelayActivityBySMS", false, 263, "ConfirmRelayBySms");
    flag("cblBypassWirelessDevice", true, 264, "BypassWirelessDevice");
    // Learned in list order: the inputs' modes are 1..4, relay X's 5 and relay Y's 6.
    const QStringList names{"INA", "INB", "INC", "IND", "OutX1", "OutX2", "OutX3", "OutX4", "OutY1", "OutY2", "OutY3", "OutY4"};
    const int codes[] = {11, 12, 13, 14, 21, 22, 23, 24, 31, 32, 33, 34};
    const int modes[] = {1, 2, 3, 4, 5, 5, 5, 5, 6, 6, 6, 6};
    for (int n = 0; n < 12; ++n) {
        const QString code = QStringLiteral("110000%1").arg(codes[n], 8, 10, QLatin1Char('0'));
        const QString slot = QString(names.at(n)).remove(QStringLiteral("IN")).remove(QStringLiteral("Out"));
        f.append({"le" + names.at(n), code, 373 + n, QString::number(codes[n]), "periferie." + slot, code});
        f.append({"", {}, 389 + n, QString::number(modes[n]), QStringLiteral("Mod[%1]").arg(n), QString::number(modes[n])});
    }
    return f;
}

// The writes of a save of everyField(), in the order they go out.
QStringList everyFieldWrites()
{
    QStringList w{"ATA,ALARM A", "DTA,KLID A", "DNA,1", "ATB,ALARM B", "DTB,KLID B", "DNB,1",
                  "ATC,ALARM C", "DTC,KLID C", "DNC,0", "ATD,ALARM D", "DTD,KLID D", "DND,1"};
    for (int i = 0; i < 4; ++i) {
        QStringList numbers;
        for (int r = 0; r < 8; ++r)
            numbers << inputPhone(i, r);
        w << QStringLiteral("TN%1,").arg(QChar('A' + i)) + numbers.join(',');
    }
    w << "ARX,ZAP X" << "DRX,VYP X" << "CAX,1234" << "CDX,1357" << "EDX," + oldXPhone;
    w << "ARY,ZAP Y" << "DRY,VYP Y" << "CAY,5678" << "CDY,2468" << "EDY," + oldYPhone;
    w << "TMX,90" << "TMY,3725";
    for (int o = 0; o < 2; ++o) {
        for (int r = 0; r < 50; ++r) {
            const int count = outputCount(o, r);
            const QString out = o == 0 ? "X," : "Y,";
            w << (count > 0 ? "LD" + out + outputPhone(o, r) + "," + QString::number(count) : "AD" + out + outputPhone(o, r));
        }
    }
    w << "NPC,9753" << "STS,STAV RV" << "CRD,*104#,12,345,67" << "DIP,1,0,0,1,1,0,1"
      << "STN,+420601000001,+420601000002"
      << "LRN,A,00000011,B,00000012,C,00000013,D,00000014,X,00000021,00000022,00000023,00000024,"
         "Y,00000031,00000032,00000033,00000034";
    return w;
}

// A unit whose every field differs from everyField(): empty, flags the other way, and one
// number in the first row of each relay, which the save erases.
QMap<int, QString> unitOtherThanEveryField()
{
    QMap<int, QString> cells;
    for (const Field& field : everyField()) {
        if (field.cell >= 0)
            cells.insert(field.cell, field.typed.userType() == QMetaType::Bool ? (field.typed.toBool() ? "0" : "1") : "");
    }
    cells.insert(143, oldXPhone);
    cells.insert(193, oldYPhone);
    return cells;
}

} // namespace

// A reload reads the whole log again before the load shows it.
bool TestSimulatedUnit::loadEvents(bool reload)
{
    const int answers = loaded->count();
    Framework::Item* item = session->events();
    session->run([item, reload](LocalConnector* c) {
        if (reload)
            c->reloadEvents();
        c->loadEvents(item);
    });
    const int expected = answers + (reload ? 2 : 1);
    if (!loaded->wait(expected, 30000))
        return false;
    for (int i = answers; i < expected; ++i) {
        if (!loaded->emissions.at(i).value(0).toBool())
            return false;
    }
    return true;
}

// The unit's log as the table should show it: the date without its year, in 1970.
QStringList TestSimulatedUnit::unitRows()
{
    const moduleRV_23::EventTranslator translator;
    const QString format = moduleRV_23::timeStampFormat();
    QStringList rows;
    for (const Sim::EventRecord& record : session->unit().state().events) {
        const QDate date = record.time.date();
        const QDateTime stamp(QDate(1970, date.month(), date.day()), record.time.time());
        rows << QStringList{stamp.toString(format), translator.eventText(record.code),
                            translator.sourceText(record.source)}
                    .join('|');
    }
    return rows;
}

void TestSimulatedUnit::initTestCase()
{
    QVERIFY(folder.isValid());
    Sim::Options options = ConnectorSession::unitIn(folder.path(), unitCells());
    session = new ConnectorSession(options);
    loaded = new QueuedSpy(session->watched(), &LocalConnector::eventsLoaded);
    QVERIFY2(session->start(), qPrintable(session->error()));
    QVERIFY(session->load());
    QCOMPARE(session->loaded.last(), QVariant(true));
}

void TestSimulatedUnit::cleanupTestCase()
{
    delete loaded;
    delete session;
}

void TestSimulatedUnit::cleanup()
{
    session->top()->resetValues(Framework::Revert);
}

// The parameter writes the unit receives during one save.
QStringList TestSimulatedUnit::saveAndCollect()
{
    const int before = session->receivedLines().size();
    if (!session->save())
        return {QStringLiteral("no answer")};
    return session->receivedLines().mid(before).filter(QRegularExpression(QStringLiteral("^AT\\+OATSET=\"[^$]")));
}

void TestSimulatedUnit::loadedValue_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("input state unknown until the status") << "leStavA" << QVariant("??");
    QTest::newRow("on-time 0 is permanent") << "cbOutputYOn" << QVariant(true);
    QTest::newRow("empty row shows no use count") << "tXPhones/2/20" << QVariant("0");
    QTest::newRow("balance check on with an empty USSD code") << "cbCreditActivated" << QVariant(true);
}

void TestSimulatedUnit::loadedValue()
{
    QFETCH(QString, target);
    QFETCH(QVariant, value);

    const Framework::Item* item = itemAt(*session, target);
    QVERIFY(item);
    QCOMPARE(item->currentValue(), value);
    QCOMPARE(item->value(), value);
}

void TestSimulatedUnit::loadLeavesEverythingClean()
{
    QVERIFY(!(session->top()->state() & Framework::Changed));
    QVERIFY(session->item("teDelayX")->isEnabled());
    QVERIFY(!session->item("teDelayY")->isEnabled());
    const Framework::Item* relayX = session->item("leStavX");
    QCOMPARE(relayX->currentValue().toString(), qtTrId("app.rv23.io.off"));
    QCOMPARE(relayX->foreground(), QColor(Qt::darkGreen));
    QVERIFY(pollingOf(*session));
}

void TestSimulatedUnit::readsTheMemoryInItsOrder()
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
}

void TestSimulatedUnit::linesSent_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QStringList>("parameters");

    QTest::newRow("input numbers packed, without blanks")
        << Edits{{"tAPhones/1/0", ""}, {"tAPhones/1/1", "+420 724 900 118"}, {"tAPhones/1/4", "604111222"}}
        << QStringList{"TNA,+420724900118,604111222"};
    QTest::newRow("permanent relay: on-time 0") << Edits{{"cbOutputXOn", true}} << QStringList{"TMX,0"};
    QTest::newRow("balance check off sends zeros")
        << Edits{{"cbCreditActivated", false}} << QStringList{"CRD,,0,0,0"};
    QTest::newRow("invalid peripheral codes left out")
        << Edits{{"leINA", "12000000000001"}, {"leOutX1", "11000003145728"}, {"leIND", "77"}}
        << QStringList{"LRN,D,00000077"};
}

void TestSimulatedUnit::linesSent()
{
    QFETCH(Edits, edits);
    QFETCH(QStringList, parameters);
    QVERIFY(edit(*session, edits));

    QCOMPARE(saveAndCollect(), writes(parameters));
    QCOMPARE(session->saved.last(), QVariant(true));
}

void TestSimulatedUnit::savedValuesAreKept()
{
    RV23_Config expected = configOf(*session);
    const Edits edits{{"leSMSOnA", "COPY"}, {"teDelayY", 4000}, {"cbOutputYOn", false}, {"leServiceNumber2", ""},
                      {"cbSendSMSCopy", true}, {"leOutY1", "11000000000009"}, {"tXPhones/2/2", 9}};
    QVERIFY(edit(*session, edits));
    QVERIFY(session->save());

    // Peripherals and use counts are only sent; the record keeps what was read.
    expected.InputTexts[RV23_Config::A].OnText = QStringLiteral("COPY");
    expected.RelayTime[RV23_Config::Y] = 4;
    expected.RelayPermanent[RV23_Config::Y] = false;
    expected.ServiceNumber2.clear();
    expected.CopySentSms = true;
    QCOMPARE(Testing::changedFields(expected, configOf(*session)).join(QStringLiteral("; ")), QString());
    QVERIFY(!pollingOf(*session));
}

void TestSimulatedUnit::importAppliesAsEdits()
{
    RV23_Config imported = configOf(*session);
    const QVariant before = session->item("leSMSOnA")->value();
    imported.InputTexts[RV23_Config::A].OnText = QStringLiteral("IMPORTED");
    imported.XCounts[2] = 42;
    imported.periferie.Y2 = QStringLiteral("11000000000077");

    QVERIFY(session->run([&](LocalConnector* connector) {
        connector->dataImported(imported, session->top());
    }));

    const Edits shown{{"leSMSOnA", "IMPORTED"}, {"tXPhones/2/2", "42"}, {"leOutY2", "11000000000077"}};
    for (const auto& [target, value] : shown) {
        QCOMPARE(itemAt(*session, target)->currentValue(), value);
        QVERIFY(itemAt(*session, target)->state() & Framework::Changed);
    }
    QCOMPARE(session->item("leSMSOnA")->value(), before);
    QVERIFY(!(session->item("leSMSOffA")->state() & Framework::Changed));
}

// The records that came along with the polls so far are replaced by what the reload reads, and
// the rows of the earlier fill are deleted, not kept beside the new ones.
void TestSimulatedUnit::reloadShowsOnlyTheUnitsLog()
{
    QVERIFY(loadEvents(true));
    QVERIFY(session->unit().state().events.size() > 300);
    QCOMPARE(tableRows(session->events()), unitRows());
    const QPointer<Framework::Item> earlier = session->events()->child(1)->child(300);
    QVERIFY(earlier);

    QVERIFY(session->unit().control("event 12 0"));
    QVERIFY(loadEvents(true));
    QCOMPARE(tableRows(session->events()), unitRows());
    QVERIFY(!earlier);
}

void TestSimulatedUnit::unconnectedLoadsFail()
{
    ConnectorSession unconnected;
    QueuedSpy events(unconnected.watched(), &LocalConnector::eventsLoaded);
    Framework::Item* item = unconnected.events();
    item->child(1)->child(0)->setValue("kept");

    QVERIFY(unconnected.run([item](LocalConnector* c) { c->loadEvents(item); }));
    QVERIFY(unconnected.load());

    QVERIFY(events.wait());
    QCOMPARE(events.last(), QVariant(false));
    QCOMPARE(tableRows(item), QStringList{"|kept|"});
    QCOMPARE(unconnected.loaded.last(), QVariant(false));
    const Framework::Item* text = unconnected.item("leSMSOnA");
    QCOMPARE(text->currentValue(), text->defaultValue(true));
    // Nothing answered, so the balance check stays as the read sequence sets it.
    QCOMPARE(unconnected.item("cbCreditActivated")->currentValue(), QVariant(true));
}

// Every field typed into the pages, saved, found in its memory cell, read back into the same
// control and record member.
void TestSimulatedUnit::everyFieldRoundTrip()
{
    QTemporaryDir roundTripFolder;
    const Sim::Options options = ConnectorSession::unitIn(roundTripFolder.path(), unitOtherThanEveryField());
    const QList<Field> fields = everyField();
    {
        ConnectorSession unit(options);
        QVERIFY2(unit.start(), qPrintable(unit.error()));
        QVERIFY(unit.load());
        for (const Field& field : fields) {
            // The unlimited count of relay X's last row is what its empty row shows already.
            if (!field.target.isEmpty() && field.target != "tXPhones/2/49")
                QVERIFY2(edit(unit, {{field.target, field.typed}}), qPrintable(field.target));
        }
        const int before = unit.receivedLines().size();

        QVERIFY(unit.save());

        QCOMPARE(unit.receivedLines().mid(before).filter(QRegularExpression(QStringLiteral("^AT\\+OATSET="))),
                 writes(everyFieldWrites()));
        QStringList cells;
        QStringList expectedCells;
        const QVector<QString> memory = unit.unit().state().memory;
        for (const Field& field : fields) {
            if (field.cell < 0)
                continue;
            cells << QStringLiteral("%1 = %2").arg(field.cell).arg(memory.value(field.cell));
            expectedCells << QStringLiteral("%1 = %2").arg(field.cell).arg(field.cellText);
        }
        QCOMPARE(cells, expectedCells);
    }

    // Read back by a connector that has seen nothing of the save.
    ConnectorSession reader(options);
    QVERIFY2(reader.start(), qPrintable(reader.error()));
    QVERIFY(reader.load());
    const QMap<QString, QString> members = Testing::configFields(configOf(reader));
    QStringList shown;
    QStringList expectedShown;
    for (const Field& field : fields) {
        if (!field.target.isEmpty()) {
            shown << field.target + " = " + itemAt(reader, field.target)->currentValue().toString();
            expectedShown << field.target + " = " + field.typed.toString();
        }
        if (!field.member.isEmpty()) {
            shown << field.member + " = " + members.value(field.member);
            expectedShown << field.member + " = " + field.memberText;
        }
    }
    QCOMPARE(shown, expectedShown);
}

QTEST_MAIN(TestSimulatedUnit)
#include "tst_simulatedunit.moc"
