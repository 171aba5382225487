#include "modulebase.h"

namespace Module {

ModuleBase::ModuleBase(QObject* parent)
    : Device(parent)
{
}

void ModuleBase::pipeTalkReceived(QByteArray received)
{
    Device::pipeTalkReceived(received);
}

void ModuleBase::pipeOpenResult(bool opened)
{
    Device::pipeOpenResult(opened);
}

void ModuleBase::pipeBulkFileReceived(QByteArray file)
{
    Device::pipeBulkFileReceived(file);
}

void ModuleBase::pipeBulkFileUploaded(bool state)
{
    Device::pipeBulkFileUploaded(state);
}

} // namespace Module
