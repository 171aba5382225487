// RV_23: the unit's firmware compared with the module's and replaced from a firmware file.
#include "rv_23.h"

#include "logging.h"
#include "messages.h"
#include "nestedwait.h"

#include "link/localconnector.h"

#include <QSettings>

namespace moduleRV_23 {

namespace {

// The application version the module's firmware file carries.
const QString moduleFirmwareVersion = QStringLiteral("004");

// The firmware folder lies beside the host's system-wide settings file.
QString defaultFirmwareFile()
{
    const QSettings system(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("Tessaline"),
                           QStringLiteral("Praxon"));
    QString folder = system.fileName();
    if (folder.endsWith(QLatin1String(".ini")))
        folder.chop(4);
    folder += QLatin1String("/firmware");
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("RV-23.dwl");
}

} // namespace

FirmwareCheckResult RV_23::checkFirmware(QString&, QString&, QString)
{
    const QString unitVersion = info.behaviourVersion;
    if (moduleFirmwareVersion.isEmpty())
        return UpToDate;
    qCDebug(lcModule).noquote() << "Comparing firmware: new:" << moduleFirmwareVersion << ", old:" << unitVersion;
    if (unitVersion.isEmpty())
        return UpToDate;
    // A text that is no number counts as 0.
    return moduleFirmwareVersion.toInt() != unitVersion.toInt() ? UpdateAvailable : UpToDate;
}

bool RV_23::uploadFirmware(QString path)
{
    if (path.isEmpty())
        path = defaultFirmwareFile();
    auto* local = qobject_cast<LocalConnector*>(connector);
    if (!local)
        return false;

    //% "Upgrading the unit's firmware..."
    emit showLoaderSignal(true, qtTrId("app.rv23.firmware.upgrading"));
    FirmwareUploadResult result = FirmwareUploadFailed;
    NestedWait wait(local);
    connect(this, &RV_23::uploadFirmwareSignal, local, &LocalConnector::uploadFirmware);
    const auto handler = connect(local, &LocalConnector::firmwareWasUploaded, this,
                                 [&](FirmwareUploadResult answer) {
                                     result = answer;
                                     wait.finish();
                                 });
    emit uploadFirmwareSignal(path);
    const QPointer<RV_23> alive(this);
    wait.exec();
    disconnect(handler);
    if (!alive)
        return false;
    disconnect(this, &RV_23::uploadFirmwareSignal, nullptr, nullptr);
    emit showLoaderSignal(false, QString());

    if (result == FirmwareUploaded)
        return true;
    //% "The firmware upgrade failed."
    Messages::critical(nullptr, qtTrId("app.rv23.firmware.updatefailed"));
    if (alive)
        disconnectDevice();
    return false;
}

void RV_23::onFirmwareUpload(FirmwareUploadResult result)
{
    emit showLoaderSignal(false, QString());
    if (auto* local = qobject_cast<LocalConnector*>(connector)) {
        disconnect(this, &RV_23::uploadFirmwareSignal, local, nullptr);
        disconnect(local, &LocalConnector::firmwareWasUploaded, this, &RV_23::onFirmwareUpload);
    }
    if (result == FirmwareUploaded) {
        emit requestConfigurationLoadSignal();
        return;
    }
    Messages::critical(nullptr, qtTrId("app.rv23.firmware.updatefailed"));
    emit connectionStateChangedSignal(Disconnected);
}

} // namespace moduleRV_23
