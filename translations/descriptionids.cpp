#include "descriptionids.h"

#include "framework/item.h"

#include <QHash>
#include <QJsonValue>

namespace moduleRV_23 {

namespace {

const QString labelSuffix = QStringLiteral(".label");
const QString tooltipSuffix = QStringLiteral(".tooltip");

// The description's texts under the ids the tree derives from an item's lower-cased path.
void collectSources(const QString& path, const QJsonObject& object, QHash<QString, QString>* sources)
{
    const QString id = path.toLower();
    const QJsonValue text = object.value(QLatin1String("_default_value"));
    if (text.isString())
        sources->insert(id, text.toString());
    if (object.contains(QLatin1String("_label")))
        sources->insert(id + labelSuffix, object.value(QLatin1String("_label")).toString());
    if (object.contains(QLatin1String("_hint")))
        sources->insert(id + tooltipSuffix, object.value(QLatin1String("_hint")).toString());
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.key().startsWith(QLatin1Char('_')) && it.value().isObject())
            collectSources(path + QLatin1Char('.') + it.key(), it.value().toObject(), sources);
    }
}

class IdCollector
{
public:
    IdCollector(const QHash<QString, QString>& sources, const QString& location, TranslatableTexts* texts)
        : m_sources(sources)
        , m_location(location)
        , m_texts(texts)
    {
    }

    void collect(const Framework::Item* item)
    {
        if (!(item->state() & Framework::DoNotTranslate))
            collectOwn(item);
        for (const Framework::Item* child : item->children())
            collect(child);
    }

private:
    void collectOwn(const Framework::Item* item)
    {
        const QVariant defaultValue = item->defaultValue(false);
        if (defaultValue.userType() == QMetaType::QString)
            add(defaultValue.toString());
        add(item->label());
        // Every translatable item has a tooltip id, but only a hint gives it a text.
        const QString tooltipId = item->tooltip(false);
        if (m_sources.contains(tooltipId))
            add(tooltipId);
    }

    void add(const QString& id)
    {
        if (!id.isEmpty())
            addText(m_texts, {id, m_sources.value(id), {m_location}, true});
    }

    const QHash<QString, QString>& m_sources;
    const QString m_location;
    TranslatableTexts* m_texts;
};

} // namespace

TranslatableTexts descriptionTexts(const Framework::Item* top, const QJsonObject& description,
                                   const QString& location)
{
    QHash<QString, QString> sources;
    for (auto it = description.begin(); it != description.end(); ++it)
        collectSources(top->objectName() + QLatin1Char('.') + it.key(), it.value().toObject(), &sources);
    TranslatableTexts texts;
    IdCollector(sources, location, &texts).collect(top);
    return texts;
}

} // namespace moduleRV_23
