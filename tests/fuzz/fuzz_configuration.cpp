// What the host hands the configuration: the first byte picks a dynamic configuration (as
// value or as reference, with or without revert) or an import by either file type; the rest
// is the text. The tree is built once from the embedded description, as the module does.

#include "fuzzinput.h"

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
    return 0;
}
