#include "messagerecorder.h"

MessageRecorder::MessageRecorder()
{
    moduleRV_23::Messages::setResponder([this](const moduleRV_23::Messages::Request& request) {
        shown.append(request);
        return answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    moduleRV_23::Messages::setResponder({});
}

void MessageRecorder::answerWith(QMessageBox::StandardButton button)
{
    answer = button;
}
