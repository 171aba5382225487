#include "factorystate.h"

#include "cells.h"

#include <QStringList>

#include <algorithm>

namespace Sim {

namespace {

void setTexts(UnitState& state, int firstCell, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i)
        state.memory[firstCell + i] = texts.at(i);
}

QString reversed(const QString& text)
{
    QString result = text;
    std::reverse(result.begin(), result.end());
    return result;
}

void fillConfiguration(UnitState& state)
{
    setTexts(state, Cell::OutputOnText, {"ZAPNI VRATA", "ZAPNI TOPENI"});
    setTexts(state, Cell::OutputOffText, {"VYPNI VRATA", "VYPNI TOPENI"});
    state.memory[Cell::StatusSmsText] = "STAV";
    state.memory[Cell::ProgrammingCode] = "1357";
    setTexts(state, Cell::InputOnText, {"NARUSENI OBJEKTU", "POZAR V KOTELNE", "VYPADEK CERPADLA", "OTEVRENE DVERE"});
    setTexts(state, Cell::InputOffText, {"OBJEKT V KLIDU", "KOTELNA OK", "CERPADLO BEZI", "DVERE ZAVRENE"});
    setTexts(state, Cell::DtmfOn, {reversed("1234"), reversed("5678")});
    setTexts(state, Cell::DtmfOff, {reversed("4321"), reversed("8765")});
    state.memory[Cell::CreditUssd] = "*101#";
    setTexts(state, Cell::ServiceNumber, {"+420603112233", "+420737445566"});
    setTexts(state, Cell::InputPhones, {"+420603112233", "+420724900118"});
    setTexts(state, Cell::InputPhones + Cell::InputPhoneCount, {"+420603112233", "+420724900118", "+420608551200"});
    setTexts(state, Cell::InputPhones + 2 * Cell::InputPhoneCount, {"+420777654321"});
    const QStringList xPhones{"+420603112233", "+420724900118", "+420608551200", "+420731220045",
                              "+420739481516", "+420602330719", "+420775100200", "+420720845963",
                              "+420604118877", "+420736002911", "+420721555040", "+420608990123"};
    const QStringList xCounts{"0", "0", "5", "0", "10", "0", "3", "0", "99", "0", "1", "0"};
    setTexts(state, Cell::OutputPhones, xPhones);
    setTexts(state, Cell::PhoneCounts, xCounts);
    setTexts(state, Cell::OutputPhones + Cell::OutputPhoneCount, {"+420603112233", "+420777654321", "+420739481516", "+420606070809"});
    setTexts(state, Cell::PhoneCounts + Cell::OutputPhoneCount, {"0", "0", "20", "0"});
    for (int row = 0; row < 2 * Cell::OutputPhoneCount; ++row) {
        if (state.memory[Cell::PhoneCounts + row].isEmpty())
            state.memory[Cell::PhoneCounts + row] = "0";
    }
    setTexts(state, Cell::RelayTime, {"5", "0"});
    setTexts(state, Cell::CallOnChange, {"1", "1", "0", "0"});
    setTexts(state, Cell::Options, {"1", "1", "0", "1", "0", "1", "0"});
    setTexts(state, Cell::CreditPeriod, {"30", "100", "16"});

    // Learned peripherals: two detectors on A and C, a smoke detector of the second kind on B,
    // two key fobs on X and one on Y. Erased entries read as all ones, like blank memory.
    const int codes[] = {0x1A2B3C, 0x20F01D, 0x02468A, 0x6B0042, 0x7C1234, 0x91ABCD};
    const int modes[] = {1, 3, 8, 5, 5, 6};
    for (int n = 0; n < Cell::PeripheralSlots; ++n) {
        const bool used = n < int(std::size(codes));
        state.memory[Cell::PeripheralCode + n] = QString::number(used ? codes[n] : -1);
        state.memory[Cell::PeripheralMode + n] = QString::number(used ? modes[n] : -1);
    }
}

// A small deterministic generator, so that every factory log is the same.
class History
{
public:
    explicit History(QVector<EventRecord>& log) : log(log) {}

    int pick(int n)
    {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % unsigned(n));
    }

    void after(int minSeconds, int maxSeconds) { time = time.addSecs(minSeconds + pick(maxSeconds - minSeconds + 1)); }

    void add(int code, int source) { log.append({code, source, time}); }

    // One episode of the unit's life; every code 0..34 occurs in at least one of them.
    void episode(int kind, int input, int relay)
    {
        switch (kind) {
        case 0: // input alarm from the terminal or its wireless detector
            add(input, pick(3) == 0 ? 373 + input : 0);
            after(60, 1800);
            add(4 + input, 0);
            break;
        case 1: // relay switched by ringing from an authorised number, off after its on-time
            add(8 + relay, 143 + 50 * relay + pick(12));
            after(5, 5);
            add(10 + relay, 0);
            break;
        case 2: // relay by DTMF code
            add(8 + relay, 76 + relay);
            after(600, 7200);
            add(10 + relay, 78 + relay);
            break;
        case 3: // relay by SMS from a service number, or by a key fob
            add(8 + relay, pick(2) == 0 ? 108 + pick(2) : 377 + 4 * relay + pick(4));
            after(300, 3600);
            add(10 + relay, 0);
            break;
        case 4: // mains failure, long outage report and restoration
            add(19, 0);
            after(1800, 1800);
            add(33, 0);
            after(600, 5400);
            add(20, 0);
            add(32, 0);
            break;
        case 5: // GSM network lost and found again
            add(16, 0);
            after(30, 900);
            add(17, 0);
            break;
        case 6:
            add(18, 108 + pick(2));
            break;
        case 7: // service visit with a PC: change, an erased number, a reset
            add(21, 2);
            after(60, 600);
            add(13, 2);
            add(15, pick(2) == 0 ? 111 + pick(32) : 143 + pick(100));
            after(30, 120);
            add(14, 2);
            add(12, 0);
            break;
        case 8: // SMS limit reached during a burst of reports
            add(22, 0);
            after(3600, 3600);
            add(23, 0);
            break;
        case 9: // wireless detector alarm, keyfob panic
            add(24 + input, 373 + input);
            after(10, 120);
            add(31, 377 + pick(8));
            break;
        case 10: // peripheral battery and supervision
            add(28, 373 + pick(12));
            after(3600, 86400);
            add(34, 373 + pick(12));
            break;
        case 11: // arming and disarming by key fob or phone
            add(29, pick(3) == 0 ? 243 : 377 + pick(8));
            after(3600, 36000);
            add(30, pick(3) == 0 ? 243 : 377 + pick(8));
            break;
        case 12: // a record from a source this unit does not know
            add(18, 1);
            break;
        }
    }

    QDateTime time{QDate(2024, 1, 8), QTime(7, 12, 5)};

private:
    QVector<EventRecord>& log;
    quint32 seed = 2305u;
};

void fillHistory(UnitState& state)
{
    constexpr int episodeKinds = 13;
    History history(state.events);
    history.add(12, 0);
    // The first weeks see every kind of episode on every input and output.
    for (int kind = 0; kind < episodeKinds; ++kind) {
        for (int variant = 0; variant < 4; ++variant) {
            history.after(3600, 20000);
            history.episode(kind, variant, variant % 2);
        }
    }
    // Everyday life is mostly inputs and relays.
    const int weights[episodeKinds] = {30, 25, 10, 10, 3, 4, 8, 2, 1, 2, 2, 4, 1};
    while (state.events.size() < 320) {
        history.after(600, 28800);
        int roll = history.pick(102);
        int kind = 0;
        while (roll >= weights[kind])
            roll -= weights[kind++];
        history.episode(kind, history.pick(4), history.pick(2));
    }
}

} // namespace

QVector<EventRecord> generatedLog(int count)
{
    constexpr int switchingCodes = 12;
    const QDateTime start(QDate(2024, 1, 1), QTime(0, 0));
    QVector<EventRecord> log;
    log.reserve(count);
    for (int i = 0; i < count; ++i)
        log.append({i % switchingCodes, 0, start.addSecs(60 * qint64(i))});
    return log;
}

UnitState factoryState()
{
    UnitState state;
    state.serial = "23A04117";
    state.firmware = "2.14.0318";
    state.behaviourVersion = "004";
    state.imei = "353270041178205";
    state.operatorName = "CZ MOBIL";
    state.operatorCode = "23099";
    state.signal = 68;
    state.voltage = 12450;
    state.temperature = 31;
    state.inputCounters = {14, 3, 0, 27};
    state.relayCounters = {122, 41};
    state.smsSent = 287;
    state.serviceSmsSent = 19;
    fillConfiguration(state);
    fillHistory(state);
    return state;
}

} // namespace Sim
