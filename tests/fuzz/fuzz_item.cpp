// The item tree's builder: a page description object turned into a subtree, which must then
// serialise and take its own values back.

#include "fuzzinput.h"

#include "framework/item.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::ensureApplication();
    const QJsonDocument document = QJsonDocument::fromJson(Fuzz::bytes(data, size));
    if (!document.isObject())
        return 0;
    Framework::Item top(QStringLiteral("top"), nullptr);
    auto* page = new Framework::Item(QStringLiteral("page"), &top, document.object());
    page->fromJson(page->toJson(), true, false);
    return 0;
}
