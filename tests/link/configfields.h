#pragma once

#include "link/rv23_config.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Testing {

// Every member of the configuration record by name, its value as text, so that a test can say
// which members an operation changed and compare two records field by field.
inline QMap<QString, QString> configFields(const RV23_Config& c)
{
    QMap<QString, QString> f;
    const auto put = [&f](const QString& name, const QVariant& value) { f.insert(name, value.toString()); };
    const auto indexed = [](const char* name, int i) { return QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i); };
    const QString inputs = QStringLiteral("ABCD");
    const QString outputs = QStringLiteral("XY");

    put("KreditKontrolaZap", c.KreditKontrolaZap);
    put("KreditUssd", c.KreditUssd);
    put("KreditPozice", c.KreditPozice);
    put("KreditLimit", c.KreditLimit);
    put("KreditPerioda", c.KreditPerioda);
    put("ProgrammingCode", c.ProgrammingCode);
    put("StatusSmsText", c.StatusSmsText);
    put("ServiceNumber1", c.ServiceNumber1);
    put("ServiceNumber2", c.ServiceNumber2);
    put("ForwardUnknownSms", c.ForwardUnknownSms);
    put("CheckCall24h", c.CheckCall24h);
    put("CopySentSms", c.CopySentSms);
    put("Limit10Sms", c.Limit10Sms);
    put("ConfirmRelayByRing", c.ConfirmRelayByRing);
    put("ConfirmRelayBySms", c.ConfirmRelayBySms);
    put("BypassWirelessDevice", c.BypassWirelessDevice);
    const RV23_Config::Peripherals& p = c.periferie;
    for (int n = 0; n < 16; ++n) {
        put(indexed("Kod", n), p.Kod[n]);
        put(indexed("Mod", n), p.Mod[n]);
    }
    const QString slotTexts[] = {p.A, p.B, p.C, p.D, p.X1, p.X2, p.X3, p.X4, p.Y1, p.Y2, p.Y3, p.Y4};
    const char* slotNames[] = {"A", "B", "C", "D", "X1", "X2", "X3", "X4", "Y1", "Y2", "Y3", "Y4"};
    for (int i = 0; i < 12; ++i)
        put(QStringLiteral("periferie.") + QLatin1String(slotNames[i]), slotTexts[i]);
    for (int i = 0; i < 4; ++i) {
        put(QStringLiteral("InputTexts[%1].OnText").arg(inputs[i]), c.InputTexts[i].OnText);
        put(QStringLiteral("InputTexts[%1].OffText").arg(inputs[i]), c.InputTexts[i].OffText);
        put(QStringLiteral("CallOnChange[%1]").arg(inputs[i]), c.CallOnChange[i]);
    }
    for (int i = 0; i < 2; ++i) {
        put(QStringLiteral("OutputTexts[%1].OnText").arg(outputs[i]), c.OutputTexts[i].OnText);
        put(QStringLiteral("OutputTexts[%1].OffText").arg(outputs[i]), c.OutputTexts[i].OffText);
        put(QStringLiteral("DtmfCodes[%1].OnCode").arg(outputs[i]), c.DtmfCodes[i].OnCode);
        put(QStringLiteral("DtmfCodes[%1].OffCode").arg(outputs[i]), c.DtmfCodes[i].OffCode);
        put(QStringLiteral("RelayTime[%1]").arg(outputs[i]), c.RelayTime[i]);
        put(QStringLiteral("RelayPermanent[%1]").arg(outputs[i]), c.RelayPermanent[i]);
    }
    const RV23_Config::InputPhones* inputPhones[] = {&c.APhones, &c.BPhones, &c.CPhones, &c.DPhones};
    for (int i = 0; i < 4; ++i) {
        for (int r = 0; r < RV23_Config::InputPhoneCount; ++r)
            put(QStringLiteral("%1Phones[%2]").arg(inputs[i]).arg(r), (*inputPhones[i])[r]);
    }
    for (int r = 0; r < RV23_Config::OutputPhoneCount; ++r) {
        put(indexed("XPhones", r), c.XPhones[r]);
        put(indexed("YPhones", r), c.YPhones[r]);
        put(indexed("XCounts", r), c.XCounts[r]);
        put(indexed("YCounts", r), c.YCounts[r]);
    }
    return f;
}

// "member = value" for each member whose value differs between two records, with its value in after.
inline QStringList changedFields(const RV23_Config& before, const RV23_Config& after)
{
    const QMap<QString, QString> old = configFields(before);
    const QMap<QString, QString> now = configFields(after);
    QStringList changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (old.value(it.key()) != it.value())
            changed << it.key() + QStringLiteral(" = ") + it.value();
    }
    return changed;
}

} // namespace Testing
