#include "clearingcheck.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QVector>

#include <iterator>

namespace Praxon {

namespace {

// An emptied member: no text, an unticked box, a zero.
bool isEmptyValue(const QJsonValue& value)
{
    return value.isUndefined() || value.isNull() || (value.isString() && value.toString().isEmpty())
           || (value.isBool() && !value.toBool()) || (value.isDouble() && value.toDouble() == 0);
}

struct SensitiveKind
{
    const char* pattern;
    const char* name;
};

// Matched against the item paths of the saved configuration.
const SensitiveKind sensitiveKinds[] = {
    {"\\.lePIN$", QT_TRANSLATE_NOOP("Praxon::ClearingCheck", "the programming code")},
    {"\\.leServiceNumber\\d*$", QT_TRANSLATE_NOOP("Praxon::ClearingCheck", "the service numbers")},
    {"Phones\\.", QT_TRANSLATE_NOOP("Praxon::ClearingCheck", "the phone tables")},
    {"\\.gbDeviceCodes\\.", QT_TRANSLATE_NOOP("Praxon::ClearingCheck", "the peripheral codes")},
};

} // namespace

ClearingCheck::ClearingCheck(const QList<ConfigurationDiff::Change>& changes)
{
    QVector<bool> met(int(std::size(sensitiveKinds)), false);
    for (const ConfigurationDiff::Change& change : changes) {
        if (isEmptyValue(change.before) || !isEmptyValue(change.after))
            continue;
        ++cleared;
        for (std::size_t i = 0; i < std::size(sensitiveKinds); ++i) {
            if (QRegularExpression(QLatin1String(sensitiveKinds[i].pattern)).match(change.path).hasMatch())
                met[int(i)] = true;
        }
    }
    for (std::size_t i = 0; i < std::size(sensitiveKinds); ++i) {
        if (met.at(int(i)))
            kinds << QCoreApplication::translate("Praxon::ClearingCheck", sensitiveKinds[i].name);
    }
}

QString ClearingCheck::warning() const
{
    QString text = cleared == 1 ? QCoreApplication::translate("Praxon::ClearingCheck", "The file would clear 1 setting")
                                : QCoreApplication::translate("Praxon::ClearingCheck", "The file would clear %1 settings")
                                      .arg(cleared);
    if (!kinds.isEmpty())
        text += QCoreApplication::translate("Praxon::ClearingCheck", ", among them %1").arg(kinds.join(QStringLiteral(", ")));
    return text + QLatin1Char('.');
}

} // namespace Praxon
