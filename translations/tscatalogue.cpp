#include "tscatalogue.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace moduleRV_23 {

namespace {

bool isUnfinished(const QStringRef& type)
{
    return type == QLatin1String("unfinished") || type == QLatin1String("obsolete")
        || type == QLatin1String("vanished");
}

TsMessage readMessage(QXmlStreamReader& reader)
{
    TsMessage message;
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == QLatin1String("source")) {
            message.source = reader.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.finished = !isUnfinished(reader.attributes().value(QLatin1String("type")));
            message.translation = reader.readElementText();
        } else if (name == QLatin1String("location")) {
            message.locations.append(reader.attributes().value(QLatin1String("filename")).toString());
            reader.skipCurrentElement();
        } else if (name == QLatin1String("translatorcomment")) {
            message.translatorComment = reader.readElementText();
        } else {
            reader.skipCurrentElement();
        }
    }
    return message;
}

void writeMessage(QXmlStreamWriter& writer, const QString& id, const TsMessage& message)
{
    writer.writeStartElement(QStringLiteral("message"));
    writer.writeAttribute(QStringLiteral("id"), id);
    for (const QString& location : message.locations) {
        writer.writeEmptyElement(QStringLiteral("location"));
        writer.writeAttribute(QStringLiteral("filename"), location);
    }
    writer.writeTextElement(QStringLiteral("source"), message.source);
    if (!message.translatorComment.isEmpty())
        writer.writeTextElement(QStringLiteral("translatorcomment"), message.translatorComment);
    writer.writeStartElement(QStringLiteral("translation"));
    if (!message.finished)
        writer.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
    writer.writeCharacters(message.translation);
    writer.writeEndElement();
    writer.writeEndElement();
}

} // namespace

bool TsCatalogue::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QLatin1String(": ") + file.errorString();
        return false;
    }
    m_messages.clear();
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("TS")) {
            m_language = reader.attributes().value(QLatin1String("language")).toString();
        } else if (reader.name() == QLatin1String("message")) {
            const QString id = reader.attributes().value(QLatin1String("id")).toString();
            if (id.isEmpty()) {
                reader.raiseError(QStringLiteral("a message without id"));
                break;
            }
            m_messages.insert(id, readMessage(reader));
        }
    }
    if (reader.hasError()) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(reader.lineNumber()).arg(reader.errorString());
        return false;
    }
    return true;
}

bool TsCatalogue::write(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = path + QLatin1String(": ") + file.errorString();
        return false;
    }
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), m_language);
    // Id-based messages need no context; lrelease expects one all the same.
    writer.writeStartElement(QStringLiteral("context"));
    writer.writeTextElement(QStringLiteral("name"), QString());
    for (auto it = m_messages.begin(); it != m_messages.end(); ++it)
        writeMessage(writer, it.key(), it.value());
    writer.writeEndDocument();
    if (!file.commit()) {
        *error = path + QLatin1String(": ") + file.errorString();
        return false;
    }
    return true;
}

QString TsCatalogue::language() const
{
    return m_language;
}

void TsCatalogue::setLanguage(const QString& language)
{
    m_language = language;
}

bool TsCatalogue::isCzech() const
{
    return m_language.startsWith(QLatin1String("cs"));
}

const QMap<QString, TsMessage>& TsCatalogue::messages() const
{
    return m_messages;
}

QMap<QString, TsMessage>& TsCatalogue::messages()
{
    return m_messages;
}

} // namespace moduleRV_23
