#include "translatabletext.h"

namespace moduleRV_23 {

void addText(TranslatableTexts* texts, const TranslatableText& text)
{
    auto found = texts->find(text.id);
    if (found == texts->end()) {
        texts->insert(text.id, text);
        return;
    }
    TranslatableText& known = found.value();
    for (const QString& location : text.locations) {
        if (!known.locations.contains(location))
            known.locations.append(location);
    }
    if ((text.fromDescription && !known.fromDescription) || known.source.isEmpty()) {
        known.source = text.source;
        known.fromDescription = text.fromDescription;
    }
}

} // namespace moduleRV_23
