#pragma once

#include "hostexport.h"

#include <QMap>
#include <QMetaType>
#include <QString>

// The host's record of one unit: what a device module announces from a search and keeps for
// the unit it is connected to. Members and their order are shared with the host.
struct RV23HOST_EXPORT DeviceInfo
{
    QString modelName;
    QString statusText;
    QString serialNumber;
    QString firmwareVersion;
    qint32 kind = 0;
    qint32 number = 0;
    bool infoFlag = false;
    QString text1;
    QString behaviourVersion;
    QString text2;
    QMap<QString, qint32> inputStates;
    QMap<QString, qint32> outputStates;
    QString text3;
    QString text4;
    QString text5;
    bool flagPair[2] = {false, false};
    qint32 infoValue = 0;
    bool ownRecord = false;
};

Q_DECLARE_METATYPE(DeviceInfo)
