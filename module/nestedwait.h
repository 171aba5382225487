#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>

namespace moduleRV_23 {

// A nested event loop in which the GUI thread waits for the connector's answer. It ends when
// finish() is called, and also when the connector it watches is gone (deleted, or never there),
// so that no wait outlives the object that would answer it. The host may delete the module while
// it waits: the module checks that it is still there before it goes on.
class NestedWait final : public QObject
{
    Q_OBJECT

public:
    explicit NestedWait(QObject* watched);

    // Ends the wait; the answer may come before exec() is entered.
    void finish();
    // Waits unless finished already; true when finished, false when the watched object is gone.
    bool exec();

private:
    QPointer<QObject> watched;
    QEventLoop loop;
    bool finished = false;
    bool gone = false;
};

} // namespace moduleRV_23
