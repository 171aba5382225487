// The web-portal import: a text read into a record. A rejected text leaves the record as it
// was; an accepted one gives a record whose export reads back to the same record.

#include "fuzzinput.h"

#include "portal/portalexport.h"
#include "portal/webimportparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RV23_Config config;
    const QString before = moduleRV_23::PortalExport::exportText(config, QString());
    if (!moduleRV_23::WebImportParser::parse(Fuzz::bytes(data, size), &config)) {
        Fuzz::require(moduleRV_23::PortalExport::exportText(config, QString()) == before);
        return 0;
    }
    const QString exported = moduleRV_23::PortalExport::exportText(config, QString());
    RV23_Config again;
    Fuzz::require(moduleRV_23::WebImportParser::parse(exported.toUtf8(), &again));
    Fuzz::require(moduleRV_23::PortalExport::exportText(again, QString()) == exported);
    return 0;
}
