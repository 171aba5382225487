#pragma once

#include <QtGlobal>

#if defined(RV23HOST_LIBRARY)
#define RV23HOST_EXPORT Q_DECL_EXPORT
#else
#define RV23HOST_EXPORT Q_DECL_IMPORT
#endif
