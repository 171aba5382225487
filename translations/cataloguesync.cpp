#include "cataloguesync.h"

#include "tscatalogue.h"

namespace moduleRV_23 {

namespace {

void takeDescriptionText(TsMessage* message, const TranslatableText& text, bool isNew)
{
    if (isNew || message->translation == message->source) {
        message->translation = text.source;
        message->finished = true;
    } else if (message->source != text.source) {
        message->finished = false;
    }
}

void updateMessage(TsMessage* message, const TranslatableText& text, bool isNew, bool czech)
{
    message->locations = text.locations;
    if (czech && text.fromDescription)
        takeDescriptionText(message, text, isNew);
    else if (!message->source.isEmpty() && message->source != text.source)
        message->finished = false;
    message->source = text.source;
}

} // namespace

void updateCatalogue(TsCatalogue* catalogue, const TranslatableTexts& texts)
{
    QMap<QString, TsMessage>& messages = catalogue->messages();
    for (const QString& id : unusedIds(*catalogue, texts))
        messages.remove(id);
    for (const TranslatableText& text : texts) {
        const bool isNew = !messages.contains(text.id);
        updateMessage(&messages[text.id], text, isNew, catalogue->isCzech());
    }
}

QStringList catalogueProblems(const TsCatalogue& catalogue, const TranslatableTexts& texts)
{
    QStringList problems;
    for (const TranslatableText& text : texts) {
        const auto found = catalogue.messages().constFind(text.id);
        if (found == catalogue.messages().constEnd())
            problems.append(text.id + QLatin1String(": missing"));
        else if (found->translation.isEmpty())
            problems.append(text.id + QLatin1String(": not translated"));
        else if (!found->finished)
            problems.append(text.id + QLatin1String(": translation unfinished"));
        else if (found->source != text.source)
            problems.append(text.id + QLatin1String(": source text changed"));
    }
    return problems;
}

QStringList unusedIds(const TsCatalogue& catalogue, const TranslatableTexts& texts)
{
    QStringList ids;
    for (auto it = catalogue.messages().begin(); it != catalogue.messages().end(); ++it) {
        if (!texts.contains(it.key()))
            ids.append(it.key());
    }
    return ids;
}

} // namespace moduleRV_23
