// The web-portal import: a text read into a record. A rejected text leaves the record as it
// was; an accepted one gives a record whose export reads back to the same record, and whose
// parameter writes each are one sendable line or refused.

#include "commandoracle.h"
#include "fuzzinput.h"

#include "portal/portalexport.h"
#include "portal/webimportparser.h"

namespace {

void requireSendableWrites(const RV23_Config& config)
{
    using namespace moduleRV_23::ParameterCommands;
    const QLatin1String inputs("ABCD");
    for (size_t i = 0; i < config.InputTexts.size(); ++i) {
        Fuzz::requireSendable(write("AT", inputs.at(int(i)), config.InputTexts[i].OnText));
        Fuzz::requireSendable(write("DT", inputs.at(int(i)), config.InputTexts[i].OffText));
    }
    Fuzz::requireSendable(inputPhones(QLatin1Char('A'), config.APhones));
    Fuzz::requireSendable(write(QStringLiteral("STS"), config.StatusSmsText));
    Fuzz::requireSendable(write(QStringLiteral("NPC"), config.ProgrammingCode));
    for (size_t row = 0; row < config.XPhones.size(); ++row)
        Fuzz::requireSendable(storePhone(QLatin1Char('X'), config.XPhones[row], config.XCounts[row]));
    Fuzz::requireSendable(credit(config));
    Fuzz::requireSendable(serviceNumbers(config));
    Fuzz::requireSendable(peripherals(config.periferie));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RV23_Config config;
    const QString before = moduleRV_23::PortalExport::exportText(config, QString());
    if (!moduleRV_23::WebImportParser::parse(Fuzz::bytes(data, size), &config)) {
        Fuzz::require(moduleRV_23::PortalExport::exportText(config, QString()) == before);
        return 0;
    }
    requireSendableWrites(config);
    const QString exported = moduleRV_23::PortalExport::exportText(config, QString());
    RV23_Config again;
    Fuzz::require(moduleRV_23::WebImportParser::parse(exported.toUtf8(), &again));
    Fuzz::require(moduleRV_23::PortalExport::exportText(again, QString()) == exported);
    return 0;
}
