#pragma once

#include "module/messages.h"

#include <QList>

// Answers the module's message boxes in place of a user and remembers what was shown.
class MessageRecorder final
{
public:
    MessageRecorder();
    ~MessageRecorder();

    // The button every following box is answered with.
    void answerWith(QMessageBox::StandardButton button);
    QList<moduleRV_23::Messages::Request> shown;

private:
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};
