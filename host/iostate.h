#pragma once

#include <QList>
#include <QMetaType>

// One input or output in the state lists a device module hands to the host.
struct IoState
{
    // 0 inactive or off, 2 active or on; anything else is shown as neither.
    qint32 state = 0;
};

Q_DECLARE_METATYPE(IoState)
Q_DECLARE_METATYPE(QList<IoState>)
