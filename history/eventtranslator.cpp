#include "eventtranslator.h"

#include <QCoreApplication>

namespace moduleRV_23 {

namespace {

// Position = event code.
const char* const eventIds[] = {
    QT_TRID_NOOP("app.rv23.event.activationa"),
    QT_TRID_NOOP("app.rv23.event.activationb"),
    QT_TRID_NOOP("app.rv23.event.activationc"),
    QT_TRID_NOOP("app.rv23.event.activationd"),
    QT_TRID_NOOP("app.rv23.event.deactivationa"),
    QT_TRID_NOOP("app.rv23.event.deactivationb"),
    QT_TRID_NOOP("app.rv23.event.deactivationc"),
    QT_TRID_NOOP("app.rv23.event.deactivationd"),
    QT_TRID_NOOP("app.rv23.event.activationx"),
    QT_TRID_NOOP("app.rv23.event.activationy"),
    QT_TRID_NOOP("app.rv23.event.deactivationx"),
    QT_TRID_NOOP("app.rv23.event.deactivationy"),
    QT_TRID_NOOP("app.rv23.event.poweron"),
    QT_TRID_NOOP("app.rv23.event.pcchange"),
    QT_TRID_NOOP("app.rv23.event.devicereset"),
    QT_TRID_NOOP("app.rv23.event.phoneerased"),
    QT_TRID_NOOP("app.rv23.event.gsmerror"),
    QT_TRID_NOOP("app.rv23.event.gsmrestoration"),
    QT_TRID_NOOP("app.rv23.event.dailyservicecall"),
    QT_TRID_NOOP("app.rv23.event.powerfailure"),
    QT_TRID_NOOP("app.rv23.event.powerrestoration"),
    QT_TRID_NOOP("app.rv23.event.pcused"),
    QT_TRID_NOOP("app.rv23.event.smslimitreached"),
    QT_TRID_NOOP("app.rv23.event.smslimitrestored"),
    QT_TRID_NOOP("app.rv23.event.alarm"),
    QT_TRID_NOOP("app.rv23.event.alarm"),
    QT_TRID_NOOP("app.rv23.event.alarm"),
    QT_TRID_NOOP("app.rv23.event.alarm"),
    QT_TRID_NOOP("app.rv23.event.peripheralbatteryfailure"),
    QT_TRID_NOOP("app.rv23.event.arm"),
    QT_TRID_NOOP("app.rv23.event.disarm"),
    QT_TRID_NOOP("app.rv23.event.alarm"),
    QT_TRID_NOOP("app.rv23.event.alarmpowerrestoration"),
    QT_TRID_NOOP("app.rv23.event.30mpowerfailure"),
    QT_TRID_NOOP("app.rv23.event.peripheralloss"),
};

// Sources are the memory cells of the item that caused the event, so the phone ranges follow the
// memory layout: eight numbers per input, fifty per output. A numbered range appends the
// position within the range, counted from 1.
struct SourceRange
{
    int first;
    int last;
    const char* id;
    bool numbered;
};

const SourceRange sourceRanges[] = {
    {76, 76, QT_TRID_NOOP("app.rv23.event.source.dtmfxon"), false},
    {77, 77, QT_TRID_NOOP("app.rv23.event.source.dtmfyon"), false},
    {78, 78, QT_TRID_NOOP("app.rv23.event.source.dtmfxoff"), false},
    {79, 79, QT_TRID_NOOP("app.rv23.event.source.dtmfyoff"), false},
    {108, 108, QT_TRID_NOOP("app.rv23.event.source.service1"), false},
    {109, 109, QT_TRID_NOOP("app.rv23.event.source.service2"), false},
    {111, 118, QT_TRID_NOOP("app.rv23.event.source.inputaphone"), true},
    {119, 126, QT_TRID_NOOP("app.rv23.event.source.inputbphone"), true},
    {127, 134, QT_TRID_NOOP("app.rv23.event.source.inputcphone"), true},
    {135, 142, QT_TRID_NOOP("app.rv23.event.source.inputdphone"), true},
    {143, 192, QT_TRID_NOOP("app.rv23.event.source.outputxphone"), true},
    {193, 242, QT_TRID_NOOP("app.rv23.event.source.outputyphone"), true},
    {243, 243, QT_TRID_NOOP("app.rv23.event.source.phone"), false},
    {373, 384, QT_TRID_NOOP("app.rv23.event.source.wirelessperipheral"), false},
};

} // namespace

EventTranslator::EventTranslator(QObject* parent)
    : QObject(parent)
{
    rebuild();
}

void EventTranslator::rebuild()
{
    m_events.clear();
    for (const char* id : eventIds)
        m_events.append(qtTrId(id));
}

QString EventTranslator::eventText(int code) const
{
    return m_events.value(code);
}

QString EventTranslator::sourceText(int source) const
{
    // The unit itself and the PC link are names, not texts to translate.
    if (source == 0)
        return QStringLiteral("RV-23");
    if (source == 2)
        return QStringLiteral("UART");
    for (const SourceRange& range : sourceRanges) {
        if (source < range.first || source > range.last)
            continue;
        const QString text = qtTrId(range.id);
        return range.numbered ? text + QString::number(source - range.first + 1) : text;
    }
    return qtTrId("app.rv23.event.source.unknown") + QLatin1Char(' ') + QString::number(source);
}

} // namespace moduleRV_23
