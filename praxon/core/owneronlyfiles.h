#pragma once

#include <QString>

#include <sys/types.h>

namespace Praxon {

// While it lives, files the process creates are readable and writable by their owner only; at
// its end the file at path gets that mode too. For files that others write, such as the module's
// exports holding the programming code.
class OwnerOnlyFiles final
{
public:
    explicit OwnerOnlyFiles(const QString& path);
    ~OwnerOnlyFiles();
    OwnerOnlyFiles(const OwnerOnlyFiles&) = delete;
    OwnerOnlyFiles& operator=(const OwnerOnlyFiles&) = delete;

private:
    QString path;
    mode_t previousMask;
};

} // namespace Praxon
