#include "pagemap.h"

#include "logging.h"

#include "framework/item.h"

namespace moduleRV_23 {

namespace PageMap {

namespace {

bool isVisited(const Framework::Item* item)
{
    return !item->shortName().isEmpty() && item->command().isEmpty();
}

} // namespace

QList<Framework::Item*> entries(const Framework::Item* page)
{
    QList<Framework::Item*> result;
    for (const Framework::Item* group : page->children()) {
        if (!isVisited(group))
            continue;
        for (Framework::Item* entry : group->children()) {
            if (isVisited(entry))
                result << entry;
        }
    }
    return result;
}

QList<Framework::Item*> controls(const Framework::Item* entry)
{
    QList<Framework::Item*> result;
    for (Framework::Item* control : entry->children()) {
        if (!control->shortName().isEmpty())
            result << control;
    }
    return result;
}

void logVisit(const Framework::Item* item)
{
    qCDebug(lcLink).noquote().nospace() << "Item > " << item->shortName();
}

int letterIndex(const QString& name, const QString& pattern, QLatin1String letters)
{
    for (int i = 0; i < letters.size(); ++i) {
        if (name == pattern.arg(QChar(letters.at(i))))
            return i;
    }
    return -1;
}

const std::array<QString, 7>& optionNames()
{
    static const std::array<QString, 7> names = {
        QStringLiteral("cbSMSReportForwardSMS"),        QStringLiteral("cb24hCheckCall"),
        QStringLiteral("cbSendSMSCopy"),                QStringLiteral("cbLimit10SMS"),
        QStringLiteral("cbConfirmRelayActivityByRing"), QStringLiteral("cbConfirmRelayActivityBySMS"),
        QStringLiteral("cblBypassWirelessDevice")};
    return names;
}

const std::array<PeripheralField, 12>& peripheralFields()
{
    using P = RV23_Config::Peripherals;
    static const std::array<PeripheralField, 12> fields = {{
        {QStringLiteral("leINA"), &P::A},   {QStringLiteral("leINB"), &P::B},   {QStringLiteral("leINC"), &P::C},
        {QStringLiteral("leIND"), &P::D},   {QStringLiteral("leOutX1"), &P::X1}, {QStringLiteral("leOutX2"), &P::X2},
        {QStringLiteral("leOutX3"), &P::X3}, {QStringLiteral("leOutX4"), &P::X4}, {QStringLiteral("leOutY1"), &P::Y1},
        {QStringLiteral("leOutY2"), &P::Y2}, {QStringLiteral("leOutY3"), &P::Y3}, {QStringLiteral("leOutY4"), &P::Y4},
    }};
    return fields;
}

} // namespace PageMap

} // namespace moduleRV_23
