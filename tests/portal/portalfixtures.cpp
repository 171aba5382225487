#include "portalfixtures.h"

#include <QFile>

namespace PortalFixtures {

QString ownNumber()
{
    return QStringLiteral("+420777123456");
}

RV23_Config fullRecord()
{
    RV23_Config c;
    c.ProgrammingCode = "1234";
    c.InputTexts = {{{"Alarm A", "Klid A"},
                     {"Vstup B aktivni", "Vstup B neaktivni"},
                     {"Pozar", "Pozar konec"},
                     {"Voda 'D'", "Voda > ok"}}};
    c.APhones = {"+420601000001", "+420601000002", "", "603 111 222", "", "", "", "777000008"};
    c.BPhones[0] = "111";
    for (int r = 0; r < 8; ++r)
        c.CPhones[r] = "+42060200000" + QString::number(r + 1);
    c.DPhones[5] = "+420604000006";
    c.CallOnChange = {false, true, true, false};
    c.OutputTexts = {{{"Zapni X", "Vypni X"}, {"Zapni Y", "Vypni Y"}}};
    c.DtmfCodes = {{{"1234", "4321"}, {"11", "12345678"}}};
    c.XPhones[0] = "+420731000001";
    c.XCounts[0] = 5;
    c.XPhones[1] = "+420 731-000-002";
    c.XPhones[3] = "731000004";
    c.XCounts[3] = 99;
    c.XPhones[49] = "731000050";
    c.XCounts[49] = 1;
    c.XCounts[10] = 7; // a count without a number is not written
    c.YPhones[0] = "608123456";
    c.YPhones[10] = "+421905000011";
    c.YCounts[10] = 12;
    c.RelayTime = {3725, 36000};
    c.ServiceNumber1 = "+420800111222";
    c.ServiceNumber2 = "+420800333444";
    c.StatusSmsText = "STAV";
    c.ForwardUnknownSms = true;
    c.CopySentSms = true;
    c.Limit10Sms = true;
    c.ConfirmRelayBySms = true;
    c.BypassWirelessDevice = true;
    c.KreditKontrolaZap = true;
    c.KreditUssd = "*101#";
    c.KreditPerioda = 7;
    c.KreditLimit = 150;
    c.KreditPozice = 12;
    c.periferie.A = "11000000123456";
    c.periferie.B = "11000000000002";
    c.periferie.C = "11000016777214";
    c.periferie.D = "11000000000004";
    c.periferie.X1 = "11000000000005";
    c.periferie.X3 = "11000000000007";
    c.periferie.Y1 = "11000000000009";
    c.periferie.Y2 = "11000000000010";
    c.periferie.Y3 = "11000000000011";
    c.periferie.Y4 = "11000000000012";
    return c;
}

QByteArray readFile(const QString& name)
{
    QFile file(QStringLiteral(RV23_PORTAL_TEST_DIR "/") + name);
    // A missing file reads as empty, which no comparison accepts.
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace PortalFixtures
