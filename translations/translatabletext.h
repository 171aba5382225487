#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace moduleRV_23 {

// One translation id the module uses, with the text a translator starts from.
struct TranslatableText
{
    QString id;
    // The page description's Czech text, or the English text of a "//%" comment in the code.
    QString source;
    // Files that use the id, relative to the source tree.
    QStringList locations;
    // The source is the page description's Czech text, so the Czech catalogue takes it as is.
    bool fromDescription = false;
};

using TranslatableTexts = QMap<QString, TranslatableText>;

// Adds text to texts, merging it with an earlier use of the same id: the description's text
// wins over a code comment, a first source text over a later one.
void addText(TranslatableTexts* texts, const TranslatableText& text);

} // namespace moduleRV_23
