#include "messageboxwatcher.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace Praxon {

MessageBoxWatcher::MessageBoxWatcher(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    qApp->removeEventFilter(this);
}

bool MessageBoxWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            // Shown from exec(): answer once its own event loop runs.
            QPointer<QMessageBox> guarded(box);
            QTimer::singleShot(0, this, [this, guarded] {
                if (guarded && guarded->isVisible())
                    answer(guarded);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void MessageBoxWatcher::answer(QMessageBox* box)
{
    ++seen;
    QString text = box->text();
    if (!box->informativeText().isEmpty())
        text += QLatin1Char('\n') + box->informativeText();
    emit boxShown(box->icon(), box->windowTitle(), text);
    // Escape presses the button the box itself picks for it: the only one, or "No", "Cancel".
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box, &escape);
    if (box->isVisible())
        box->done(QMessageBox::NoButton);
}

} // namespace Praxon
