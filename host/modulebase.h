#pragma once

#include "device.h"

namespace Module {

// A device module base that offers the host's tunnel and page actions as slots.
class RV23HOST_EXPORT ModuleBase : public Device
{
    Q_OBJECT

public:
    explicit ModuleBase(QObject* parent = nullptr);

public slots:
    void pipeTalkReceived(QByteArray received) override;
    void pipeOpenResult(bool opened) override;
    void pipeBulkFileReceived(QByteArray file) override;
    void pipeBulkFileUploaded(bool state) override;
    void exportHistory() override = 0;
    bool uploadFirmware(QString path = QString()) override = 0;
    void configurationSaveRequest() override = 0;
};

} // namespace Module
