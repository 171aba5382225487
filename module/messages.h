#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace moduleRV_23 {

// Every message box of the module goes through here, so that a host without a screen can print
// the messages and a test can see and answer them instead of a modal dialog.
class Messages final
{
public:
    struct Request
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    // Answers a request in place of a dialog.
    using Responder = std::function<QMessageBox::StandardButton(const Request&)>;

    // A critical box titled with the text of "app.critical".
    static QMessageBox::StandardButton critical(QWidget* parent, const QString& text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // A warning box titled with the text of "app.warning".
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok);

    // Installs a responder; an empty one brings the real dialogs back.
    static void setResponder(Responder responder);
    // While on, every request is answered with no button and nothing is shown: the application
    // is ending, and a modal box would hold its end up with no one there to answer it.
    static void setMuted(bool on);

private:
    static QMessageBox::StandardButton show(QWidget* parent, const Request& request);
};

} // namespace moduleRV_23
