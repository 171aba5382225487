#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

namespace Praxon {

// Answers every message box that opens while it lives, so that a program without a user goes on
// where the module asks or warns, and reports what the box said. Single-button boxes are
// acknowledged; questions get their escape answer ("No"), so nothing is started unasked.
class MessageBoxWatcher final : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxWatcher(QObject* parent = nullptr);
    ~MessageBoxWatcher() override;

    int count() const { return seen; }

signals:
    void boxShown(QMessageBox::Icon icon, const QString& title, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QMessageBox* box);

    int seen = 0;
};

} // namespace Praxon
