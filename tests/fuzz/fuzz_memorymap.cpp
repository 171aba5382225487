// The memory-cell decoder: each input line is "address,value" as a "+OATMEM:" answer carries
// it, decoded into one record; the value also goes through the learning-code helpers.

#include "fuzzinput.h"

#include "link/configcodec.h"
#include "link/memorycells.h"

#include <QStringList>

namespace {

void checkLearningCode(const QString& value)
{
    const qint64 code = moduleRV_23::textToCode(value);
    const QString digits = moduleRV_23::learnCodeDigits(value);
    Fuzz::require((code < 0) == digits.isEmpty());
    if (code >= 0)
        Fuzz::require(moduleRV_23::isAcceptedDeviceType(code));
    moduleRV_23::codeToText(qint32(value.toInt()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RV23_Config config;
    for (const QString& line : Fuzz::text(data, size).split(QLatin1Char('\n'))) {
        const int comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        const QString value = line.mid(comma + 1);
        moduleRV_23::decodeMemoryCell(config, line.left(comma).toInt(), value);
        checkLearningCode(value);
    }
    return 0;
}
