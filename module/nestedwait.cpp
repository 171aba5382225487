#include "nestedwait.h"

namespace moduleRV_23 {

NestedWait::NestedWait(QObject* watched)
    : watched(watched)
{
    if (watched) {
        // Queued from the connector's thread, so it arrives while the loop runs.
        connect(watched, &QObject::destroyed, this, [this] {
            gone = true;
            loop.quit();
        });
    } else {
        gone = true;
    }
}

void NestedWait::finish()
{
    finished = true;
    loop.quit();
}

bool NestedWait::exec()
{
    if (!finished && !gone && watched)
        loop.exec();
    return finished;
}

} // namespace moduleRV_23
