#include "owneronlyfiles.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace Praxon {

OwnerOnlyFiles::OwnerOnlyFiles(const QString& path)
    : path(path)
    , previousMask(::umask(S_IRWXG | S_IRWXO))
{
}

OwnerOnlyFiles::~OwnerOnlyFiles()
{
    ::umask(previousMask);
    // A file that was there before keeps its mode when rewritten; a device or a pipe written
    // through (/dev/null) is not a file of ours to narrow.
    if (QFileInfo(path).isFile())
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace Praxon
