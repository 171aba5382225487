#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What the fuzz targets share: the input as Qt types, the one application object and the
// check that stops a run when a parser breaks its own promise.
namespace Fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

inline QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// Created once and kept for the whole run: the item tree and the resources want one.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "rv23-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// A broken invariant is a finding like a crash: abort, so that the input is kept.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace Fuzz
