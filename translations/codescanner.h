#pragma once

#include "translatabletext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace moduleRV_23 {

// The ids of the qtTrId() and QT_TRID_NOOP() calls in C++ code whose argument is a string
// literal. A "//%" comment gives its text, as source text, to the next such call before the
// end of the statement that follows. Calls in comments and string literals do not count.
QList<TranslatableText> scanCode(const QString& code, const QString& location);

// The ids of a Qt Designer form that uses id-based translation (<ui idbasedtr="true">).
QList<TranslatableText> scanForm(const QByteArray& form, const QString& location);

// Adds every id used by the C++ sources and forms in the given folders below root (recursively)
// to texts. A folder that does not exist is skipped; a file that cannot be read is an error.
bool scanSources(const QString& root, const QStringList& folders, TranslatableTexts* texts, QString* error);

} // namespace moduleRV_23
