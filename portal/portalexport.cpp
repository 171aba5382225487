#include "portalexport.h"

#include "logging.h"

#include <QFile>

namespace moduleRV_23::PortalExport {

namespace {

const QString inputLetters = QStringLiteral("ABCD");
const QString outputLetters = QStringLiteral("XY");

QString textField(const QString& key, int size, int maxLength, const QString& value)
{
    return QStringLiteral("<fieldset class=\"iwrap\" ><input type=\"text\" size=\"")
        + QString::number(size) + QStringLiteral("\" maxlength=\"") + QString::number(maxLength)
        + QStringLiteral("\" id=\"0[") + key + QStringLiteral("]\" name=\"0[") + key
        + QStringLiteral("]\" value=\"") + value + QStringLiteral("\"></fieldset>\n");
}

QString textArea(const QString& key, int cols, int rows, const QString& content)
{
    return QStringLiteral("<fieldset class=\"iwrap\" ><textarea cols=\"") + QString::number(cols)
        + QStringLiteral("\" wrap=\"off\" rows=\"") + QString::number(rows)
        + QStringLiteral("\" id=\"0[") + key + QStringLiteral("]\" name=\"0[") + key
        + QStringLiteral("]\">") + content + QStringLiteral("</textarea></fieldset>\n");
}

QString checkBox(const QString& key, bool checked)
{
    return QStringLiteral("<input type=\"checkbox\" name=\"0[") + key + QStringLiteral("]\"")
        + (checked ? QStringLiteral(" checked") : QString()) + QStringLiteral(">\n");
}

// One text field per input or output, keyed by the prefix and its letter.
template<typename ValueOf>
QString textFields(const QString& prefix, const QString& letters, int size, int maxLength, ValueOf valueOf)
{
    QString text;
    for (int i = 0; i < letters.size(); ++i)
        text += textField(prefix + letters[i], size, maxLength, valueOf(i));
    return text;
}

QString inputFields(const RV23_Config& config)
{
    QString text = textFields(QStringLiteral("AT"), inputLetters, 30, 30,
                              [&config](int i) { return config.InputTexts[i].OnText; })
        + textFields(QStringLiteral("DT"), inputLetters, 30, 30,
                     [&config](int i) { return config.InputTexts[i].OffText; });
    const RV23_Config::InputPhones* phones[] = {&config.APhones, &config.BPhones, &config.CPhones,
                                              &config.DPhones};
    for (int i = 0; i < 4; ++i) {
        text += textArea(QStringLiteral("TN") + inputLetters[i], 18, 4,
                         joinLines(phones[i]->data(), nullptr, int(phones[i]->size())));
    }
    for (int i = 0; i < 4; ++i)
        text += checkBox(QStringLiteral("DN") + inputLetters[i], config.CallOnChange[i]);
    return text;
}

QString timeFields(const QString& output, quint16 seconds)
{
    const QString key = QStringLiteral("TM") + output;
    return textField(key + QLatin1Char('h'), 2, 2, QString::number(seconds / 3600))
        + textField(key + QLatin1Char('m'), 2, 2, QString::number(seconds % 3600 / 60))
        + textField(key + QLatin1Char('s'), 2, 2, QString::number(seconds % 60));
}

QString outputFields(const RV23_Config& config)
{
    QString text = textFields(QStringLiteral("AR"), outputLetters, 30, 30,
                              [&config](int o) { return config.OutputTexts[o].OnText; })
        + textFields(QStringLiteral("DR"), outputLetters, 30, 30,
                     [&config](int o) { return config.OutputTexts[o].OffText; })
        + textFields(QStringLiteral("CA"), outputLetters, 10, 8,
                     [&config](int o) { return config.DtmfCodes[o].OnCode; })
        + textFields(QStringLiteral("CD"), outputLetters, 10, 8,
                     [&config](int o) { return config.DtmfCodes[o].OffCode; });
    text += textArea(QStringLiteral("ALDX"), 25, 10,
                     joinLines(config.XPhones.data(), config.XCounts.data(), int(config.XPhones.size())));
    text += textArea(QStringLiteral("ALDY"), 25, 10,
                     joinLines(config.YPhones.data(), config.YCounts.data(), int(config.YPhones.size())));
    for (int o = 0; o < 2; ++o)
        text += timeFields(outputLetters[o], config.RelayTime[o]);
    return text;
}

QString serviceNumbers(const RV23_Config& config)
{
    return config.ServiceNumber2.isEmpty()
        ? config.ServiceNumber1
        : config.ServiceNumber1 + QLatin1Char(',') + config.ServiceNumber2;
}

// With the balance check off its numbers go out as zeros; the USSD code goes out all the same.
QString credit(const RV23_Config& config)
{
    const bool on = config.KreditKontrolaZap;
    return config.KreditUssd + QLatin1Char(',') + QString::number(on ? config.KreditPerioda : 0)
        + QLatin1Char(',') + QString::number(on ? config.KreditLimit : 0) + QLatin1Char(',')
        + QString::number(on ? config.KreditPozice : 0);
}

QString settingFields(const RV23_Config& config)
{
    QString text = textField(QStringLiteral("STN"), 50, 28, serviceNumbers(config))
        + textField(QStringLiteral("STS"), 50, 30, config.StatusSmsText);
    const bool options[] = {config.ForwardUnknownSms, config.CheckCall24h, config.CopySentSms,
                            config.Limit10Sms, config.ConfirmRelayByRing, config.ConfirmRelayBySms,
                            config.BypassWirelessDevice};
    for (int i = 0; i < 7; ++i)
        text += checkBox(QStringLiteral("DIP") + QChar('a' + i), options[i]);
    return text + textField(QStringLiteral("CRD"), 50, 20, credit(config));
}

QString peripheralFields(const RV23_Config::Peripherals& peripherals)
{
    const QString inputs[] = {peripherals.A, peripherals.B, peripherals.C, peripherals.D};
    const QString text = textFields(QStringLiteral("iLRN"), inputLetters, 16, 14,
                                    [&inputs](int i) { return inputs[i]; });
    const QString xs[] = {peripherals.X1, peripherals.X2, peripherals.X3, peripherals.X4};
    const QString ys[] = {peripherals.Y1, peripherals.Y2, peripherals.Y3, peripherals.Y4};
    return text + textArea(QStringLiteral("oLRNX"), 16, 4, joinLines(xs, nullptr, 4))
        + textArea(QStringLiteral("oLRNY"), 16, 4, joinLines(ys, nullptr, 4));
}

} // namespace

QString joinLines(const QString* texts, const qint32* counts, int n)
{
    QString joined;
    bool first = true;
    for (int i = 0; i < n; ++i) {
        if (texts[i].isEmpty())
            continue;
        if (!first)
            joined += QLatin1Char('\n');
        first = false;
        joined += texts[i];
        if (counts && counts[i] > 0)
            joined += QLatin1Char(',') + QString::number(counts[i]);
    }
    return joined;
}

QString exportText(const RV23_Config& config, const QString& ownNumber)
{
    return textField(QStringLiteral("DestiNumber"), 30, 16, ownNumber)
        + textField(QStringLiteral("ReplyNumber"), 30, 16, QString())
        + textField(QStringLiteral("PC"), 30, 8, config.ProgrammingCode)
        + textField(QStringLiteral("NPC"), 30, 8, QString()) + inputFields(config)
        + outputFields(config) + settingFields(config) + peripheralFields(config.periferie);
}

bool exportData(const QString& path, const RV23_Config& config, const QString& ownNumber)
{
    qCDebug(lcPortal) << "Export dat > " << path;
    const QString text = exportText(config, ownNumber);
    qCDebug(lcPortal).noquote() << "Export : " << text;
    // Not a text-mode file: the portal wants bare line feeds.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size();
}

} // namespace moduleRV_23::PortalExport
