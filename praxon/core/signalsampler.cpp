#include "signalsampler.h"

#include "hostsession.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

namespace Praxon {

namespace {

// A little under the module's status poll interval of 3000 ms, which a busy line stretches.
constexpr qint64 minimumSpacingMs = 2500;

// The live values of a configuration text.
SignalLog::Sample sampleOf(const QByteArray& configuration, const QDateTime& time)
{
    const QJsonObject values = QJsonDocument::fromJson(configuration)
                                   .object()
                                   .value(QLatin1String("informations"))
                                   .toObject()
                                   .value(QLatin1String("values"))
                                   .toObject();
    const auto value = [&values](const char* name) {
        return values.value(QLatin1String(name)).toObject().value(QLatin1String("_value")).toVariant().toString();
    };
    SignalLog::Sample sample;
    sample.time = time;
    sample.signal = value("rssi");
    sample.voltage = value("voltage");
    sample.operatorName = value("operator");
    return sample;
}

} // namespace

SignalSampler::SignalSampler(HostSession* session, QObject* parent)
    : QObject(parent)
    , session(session)
{
    connect(session, &HostSession::inputStatesChanged, this, [this](const QList<IoState>& states) { inputs = states; });
    connect(session, &HostSession::outputStatesChanged, this, &SignalSampler::takeSample);
    connect(session, &HostSession::loaderShown, this, [this](bool shown) { busy = shown; });
}

void SignalSampler::takeSample(const QList<IoState>& outputs)
{
    Module::Device* device = session ? session->device() : nullptr;
    if (busy || !device || !session->isConnected())
        return;
    if (sinceSample.isValid() && sinceSample.elapsed() < minimumSpacingMs)
        return;
    const ConfigurationState state = device->configurationState();
    if (state != Saved && state != Unsaved)
        return;
    const QByteArray text = session->snapshot();
    if (text.isEmpty())
        return;
    sinceSample.start();
    SignalLog::Sample sample = sampleOf(text, QDateTime::currentDateTime());
    sample.inputs = inputs;
    sample.outputs = outputs;
    emit sampled(sample);
}

} // namespace Praxon
