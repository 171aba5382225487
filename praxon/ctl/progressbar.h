#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

namespace Ctl {

// Turns the module's loader signals into a progress line on standard error: the step's text,
// and with a known maximum a bar, the percentage and the time left.
class ProgressBar final : public QObject
{
    Q_OBJECT

public:
    explicit ProgressBar(QObject* parent = nullptr);

    void show(bool shown, const QString& text);
    void setMaximum(int maximum);
    void setValue(int value);

    // The line as it is drawn, for a terminal width of columns.
    QString line(int columns = 80) const;

private:
    void draw();

    bool visible = false;
    QString step;
    int maximum = 0;
    int value = 0;
    QElapsedTimer sinceStart;
};

} // namespace Ctl
