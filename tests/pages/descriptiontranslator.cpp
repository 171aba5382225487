#include "descriptiontranslator.h"

DescriptionTranslator::DescriptionTranslator(const QString& topName, const QJsonObject& description,
                                             QObject* parent)
    : QTranslator(parent)
{
    collect(topName, description);
}

void DescriptionTranslator::insert(const QString& id, const QString& text)
{
    texts.insert(id, text);
}

bool DescriptionTranslator::isEmpty() const
{
    return texts.isEmpty();
}

QString DescriptionTranslator::translate(const char*, const char* sourceText, const char*, int) const
{
    return texts.value(QString::fromUtf8(sourceText));
}

// The ids are the lower-cased item paths, with ".tooltip" for hints and ".label" for labels.
void DescriptionTranslator::collect(const QString& path, const QJsonObject& object)
{
    const QString id = path.toLower();
    const QJsonValue text = object.value(QLatin1String("_default_value"));
    if (text.isString() && !object.value(QLatin1String("_doNotTranslate")).toBool())
        texts.insert(id, text.toString());
    if (object.contains(QLatin1String("_hint")))
        texts.insert(id + QLatin1String(".tooltip"), object.value(QLatin1String("_hint")).toString());
    if (object.contains(QLatin1String("_label")))
        texts.insert(id + QLatin1String(".label"), object.value(QLatin1String("_label")).toString());
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.key().startsWith(QLatin1Char('_')))
            collect(path + QLatin1Char('.') + it.key(), it.value().toObject());
    }
}
