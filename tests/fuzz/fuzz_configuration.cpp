// What the host hands the configuration: the first byte picks a dynamic configuration (as
// value or as reference, with or without revert) or an import by either file type; the rest
// is the text. The tree is built once from the embedded description, as the module does.
// Every field the value rule lets through must make a sendable parameter write.

#include "commandoracle.h"
#include "fuzzinput.h"

#include "framework/item.h"
#include "framework/valuerule.h"
#include "link/configcodec.h"
#include "module/configuration.h"

namespace {

moduleRV_23::Configuration& configuration()
{
    Fuzz::ensureApplication();
    static bool ok = false;
    static moduleRV_23::Configuration instance(&ok);
    Fuzz::require(ok);
    return instance;
}

// A value the rule accepts goes out as one line, also as a field of a group command where the
// item is one.
void requireAcceptedSendable(const Framework::Item* item)
{
    const Framework::Item::Children children = item->children();
    for (const Framework::Item* child : children)
        requireAcceptedSendable(child);
    if (!children.isEmpty() || !Framework::ValueRule(*item).fault(item->currentValue()).isEmpty())
        return;
    RV23_Config config;
    config.ServiceNumber1 = moduleRV_23::variantToText(item->currentValue());
    const QString command = item->isGrouped() ? moduleRV_23::ParameterCommands::serviceNumbers(config)
                                              : moduleRV_23::ParameterCommands::write(QStringLiteral("STS"),
                                                                                      config.ServiceNumber1);
    Fuzz::require(moduleRV_23::ParameterCommands::lineFault(command).isEmpty());
    Fuzz::requireSendable(command);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    moduleRV_23::Configuration& target = configuration();
    const int mode = data[0] % 6;
    const QByteArray text = Fuzz::bytes(data + 1, size - 1);
    if (mode < 4) {
        bool changed = false;
        target.applyDynamicConfiguration(text, mode & 1, mode & 2, &changed);
    } else {
        target.importConfigurations(text, target.fileTypes().at(mode - 4));
    }
    requireAcceptedSendable(target.topItem());
    return 0;
}
