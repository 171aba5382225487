#pragma once

#include <QMetaType>
#include <QString>

#include <array>

// The unit's configuration as its configuration memory holds it: what a load reads, a save
// writes and the web-portal text carries. A plain value, copied whole between the threads.
struct RV23_Config
{
    // Indexes of the per-input and the per-output arrays.
    enum Input { A = 0, B, C, D };
    enum Output { X = 0, Y };

    // Phone numbers kept per input and per output.
    static constexpr int InputPhoneCount = 8;
    static constexpr int OutputPhoneCount = 50;
    using InputPhones = std::array<QString, InputPhoneCount>;
    using OutputPhones = std::array<QString, OutputPhoneCount>;
    using OutputCounts = std::array<qint32, OutputPhoneCount>;

    struct SmsTexts
    {
        QString OnText;
        QString OffText;
    };

    struct DtmfPair
    {
        QString OnCode;
        QString OffCode;
    };

    // Learned wireless peripherals: raw codes and modes as read, and the learning code text
    // ("110000" and eight digits) of the peripheral assigned to each input and output slot.
    struct Peripherals
    {
        std::array<qint32, 16> Kod{};
        std::array<qint32, 16> Mod{};
        QString A;
        QString B;
        QString C;
        QString D;
        QString X1;
        QString X2;
        QString X3;
        QString X4;
        QString Y1;
        QString Y2;
        QString Y3;
        QString Y4;
    };

    bool KreditKontrolaZap = false;
    QString KreditUssd;
    quint8 KreditPozice = 0;
    quint16 KreditLimit = 0;
    quint8 KreditPerioda = 0;
    // The credit period, limit and position as a web-portal text wrote them, where one is no
    // number the member can hold: the page shows (and refuses) the text, not a number made up
    // for it. Empty otherwise; only an import sets them.
    std::array<QString, 3> KreditTexts;
    QString ProgrammingCode;
    QString StatusSmsText;
    QString ServiceNumber1;
    QString ServiceNumber2;
    bool ForwardUnknownSms = false;
    bool CheckCall24h = false;
    bool CopySentSms = false;
    bool Limit10Sms = false;
    bool ConfirmRelayByRing = false;
    bool ConfirmRelayBySms = false;
    // Kept for the layout the record shares with the other models; this model has no such option.
    bool UnusedFlag = false;
    bool BypassWirelessDevice = false;
    Peripherals periferie;
    std::array<SmsTexts, 4> InputTexts;
    std::array<SmsTexts, 2> OutputTexts;
    std::array<DtmfPair, 2> DtmfCodes;
    std::array<bool, 4> CallOnChange{};
    // Seconds; 0 keeps the relay on.
    std::array<quint16, 2> RelayTime{};
    std::array<bool, 2> RelayPermanent{};
    InputPhones APhones;
    InputPhones BPhones;
    InputPhones CPhones;
    InputPhones DPhones;
    OutputPhones XPhones;
    OutputPhones YPhones;
    // Uses allowed to the phone in the same row; 0 is unlimited.
    OutputCounts XCounts{};
    OutputCounts YCounts{};
};

Q_DECLARE_METATYPE(RV23_Config)

namespace moduleRV_23 {

// Lets the record travel in queued signals under its own name. Safe to call more than once.
inline int registerConfigType()
{
    return qRegisterMetaType<RV23_Config>("RV23_Config");
}

} // namespace moduleRV_23
