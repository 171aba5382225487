#include "codescanner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QXmlStreamReader>

namespace moduleRV_23 {

namespace {

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// A forward-only reader of C++ text that knows comments and literals well enough not to take
// a call inside them for a real one.
class CodeReader
{
public:
    CodeReader(const QString& code, const QString& location)
        : m_code(code)
        , m_location(location)
    {
    }

    QList<TranslatableText> read()
    {
        while (m_pos < m_code.size())
            step();
        return m_texts;
    }

private:
    QChar at(int offset = 0) const
    {
        const int pos = m_pos + offset;
        return pos < m_code.size() ? m_code.at(pos) : QChar();
    }

    void step()
    {
        const QChar c = at();
        if (c == QLatin1Char('/') && at(1) == QLatin1Char('/'))
            lineComment();
        else if (c == QLatin1Char('/') && at(1) == QLatin1Char('*'))
            blockComment();
        else if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            literal();
        else if (c == QLatin1Char(';'))
            endOfStatement();
        else if (isIdentifierChar(c))
            identifier();
        else
            ++m_pos;
    }

    void lineComment()
    {
        int end = m_code.indexOf(QLatin1Char('\n'), m_pos);
        if (end < 0)
            end = m_code.size();
        if (at(2) == QLatin1Char('%')) {
            CodeReader comment(m_code.mid(m_pos + 3, end - m_pos - 3), m_location);
            comment.skipSpace();
            m_pendingSource += comment.strings();
        }
        m_pos = end;
    }

    void blockComment()
    {
        const int end = m_code.indexOf(QLatin1String("*/"), m_pos + 2);
        m_pos = end < 0 ? m_code.size() : end + 2;
    }

    // Reads a string or character literal and returns its text with the simple escapes undone.
    QString literal()
    {
        const QChar quote = at();
        QString text;
        ++m_pos;
        while (m_pos < m_code.size() && at() != quote) {
            if (at() == QLatin1Char('\\')) {
                ++m_pos;
                text += escaped(at());
            } else {
                text += at();
            }
            ++m_pos;
        }
        ++m_pos;
        return text;
    }

    static QChar escaped(QChar c)
    {
        if (c == QLatin1Char('n'))
            return QLatin1Char('\n');
        if (c == QLatin1Char('t'))
            return QLatin1Char('\t');
        return c;
    }

    // Adjacent string literals, joined as the compiler joins them.
    QString strings()
    {
        QString text;
        while (at() == QLatin1Char('"')) {
            text += literal();
            skipSpace();
        }
        return text;
    }

    void skipSpace()
    {
        while (m_pos < m_code.size() && at().isSpace())
            ++m_pos;
    }

    void endOfStatement()
    {
        m_pendingSource.clear();
        ++m_pos;
    }

    void identifier()
    {
        const int start = m_pos;
        while (m_pos < m_code.size() && isIdentifierChar(at()))
            ++m_pos;
        const QStringRef name = m_code.midRef(start, m_pos - start);
        if (name == QLatin1String("qtTrId") || name == QLatin1String("QT_TRID_NOOP"))
            call();
    }

    void call()
    {
        skipSpace();
        if (at() != QLatin1Char('('))
            return;
        ++m_pos;
        skipSpace();
        if (at() != QLatin1Char('"'))
            return;
        const QString id = strings();
        m_texts.append({id, m_pendingSource, {m_location}, false});
        m_pendingSource.clear();
    }

    const QString m_code;
    const QString m_location;
    int m_pos = 0;
    QString m_pendingSource;
    QList<TranslatableText> m_texts;
};

bool usesIdBasedTranslation(QXmlStreamReader& reader)
{
    return reader.readNextStartElement() && reader.name() == QLatin1String("ui")
        && reader.attributes().value(QLatin1String("idbasedtr")) == QLatin1String("true");
}

} // namespace

QList<TranslatableText> scanCode(const QString& code, const QString& location)
{
    return CodeReader(code, location).read();
}

QList<TranslatableText> scanForm(const QByteArray& form, const QString& location)
{
    QList<TranslatableText> texts;
    QXmlStreamReader reader(form);
    if (!usesIdBasedTranslation(reader))
        return texts;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("string"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        const bool translated = attributes.value(QLatin1String("notr")) != QLatin1String("true");
        const QString source = reader.readElementText();
        if (translated && !id.isEmpty())
            texts.append({id, source, {location}, false});
    }
    return texts;
}

bool scanSources(const QString& root, const QStringList& folders, TranslatableTexts* texts, QString* error)
{
    const QDir rootDir(root);
    for (const QString& folder : folders) {
        QDirIterator files(rootDir.filePath(folder), {"*.cpp", "*.h", "*.ui"}, QDir::Files,
                           QDirIterator::Subdirectories);
        QStringList paths;
        while (files.hasNext())
            paths.append(files.next());
        paths.sort();
        for (const QString& path : paths) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                *error = path + QLatin1String(": ") + file.errorString();
                return false;
            }
            const QString location = rootDir.relativeFilePath(path);
            const QByteArray content = file.readAll();
            const QList<TranslatableText> found = path.endsWith(QLatin1String(".ui"))
                ? scanForm(content, location)
                : scanCode(QString::fromUtf8(content), location);
            for (const TranslatableText& text : found)
                addText(texts, text);
        }
    }
    return true;
}

} // namespace moduleRV_23
