#include "portlist.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSet>
#include <QStringList>

namespace moduleRV_23 {

namespace {

PortCandidate fromSystem(const QSerialPortInfo& info)
{
    return {info.portName(), info.systemLocation(), info.description(), info.manufacturer()};
}

PortCandidate fromEntry(const QString& entry)
{
    const QStringList fields = entry.split(QLatin1Char('|'));
    PortCandidate candidate;
    candidate.location = fields.at(0).trimmed();
    candidate.portName = candidate.location;
    if (fields.size() == 1) {
        candidate.description = QStringLiteral("RV-23 USB");
        candidate.manufacturer = QStringLiteral("TESSALINE");
    } else {
        candidate.description = fields.at(1);
        candidate.manufacturer = fields.value(2);
    }
    return candidate;
}

} // namespace

QList<PortCandidate> parseExtraPorts(const QString& value)
{
    QList<PortCandidate> candidates;
    const QStringList entries = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        PortCandidate candidate = fromEntry(entry);
        if (!candidate.location.isEmpty())
            candidates.append(candidate);
    }
    return candidates;
}

QString canonicalPortPath(const QString& location)
{
    const QString canonical = QFileInfo(location).canonicalFilePath();
    return canonical.isEmpty() ? location : canonical;
}

// A unit reached by a stable link and by its device name, or named twice, is probed once: the
// first entry is kept.
QList<PortCandidate> distinctPorts(const QList<PortCandidate>& candidates)
{
    QList<PortCandidate> distinct;
    QSet<QString> seen;
    for (const PortCandidate& candidate : candidates) {
        const QString device = canonicalPortPath(candidate.location);
        if (seen.contains(device))
            continue;
        seen.insert(device);
        distinct.append(candidate);
    }
    return distinct;
}

QList<PortCandidate> candidatePorts()
{
    QList<PortCandidate> candidates;
    const QList<QSerialPortInfo> system = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : system)
        candidates.append(fromSystem(info));
    candidates.append(parseExtraPorts(qEnvironmentVariable("RV23_EXTRA_PORTS")));
    return distinctPorts(candidates);
}

} // namespace moduleRV_23
