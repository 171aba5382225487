// The plug-in entry: moc's exported instance function (one weakly held RV_23, a new one after
// it was destroyed) and the metadata. This file is compiled with QT_NO_DEBUG so that the
// metadata reads "debug": false in every build type, as the host expects.
#include "rv_23.h"

#include "moc_rv_23.cpp"
