#pragma once

#include "link/rv23_config.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace moduleRV_23 {

// Reads a web-portal text (the export's format, or the portal's own) into a configuration record.
class WebImportParser final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Reads the UTF-8 text into out. False, with out untouched, when the text is no well-formed
    // form or names no setting. Members the text does not carry keep their values.
    static bool parse(QByteArray text, RV23_Config* out);

    // Only the characters a phone can dial: decimal digits and "+".
    static QString keepDialable(const QString& text);
};

} // namespace moduleRV_23
