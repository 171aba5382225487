#include "messages.h"

#include "logging.h"

namespace moduleRV_23 {

namespace {

Messages::Responder& responder()
{
    static Messages::Responder current;
    return current;
}

bool& muted()
{
    static bool on = false;
    return on;
}

} // namespace

QMessageBox::StandardButton Messages::critical(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons)
{
    //% "Error"
    return show(parent, {QMessageBox::Critical, qtTrId("app.critical"), text, buttons});
}

QMessageBox::StandardButton Messages::warning(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons)
{
    //% "Warning"
    return show(parent, {QMessageBox::Warning, qtTrId("app.warning"), text, buttons});
}

void Messages::setResponder(Responder responder)
{
    moduleRV_23::responder() = std::move(responder);
}

void Messages::setMuted(bool on)
{
    muted() = on;
}

QMessageBox::StandardButton Messages::show(QWidget* parent, const Request& request)
{
    if (muted())
        return QMessageBox::NoButton;
    if (responder())
        return responder()(request);
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    box.setDefaultButton(QMessageBox::NoButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace moduleRV_23
