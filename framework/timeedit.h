#pragma once

#include <QLineEdit>

namespace Framework {

// Duration editor: a value in milliseconds shown as "hh:mm:ss:t", kept on a step and within
// a range, with the text repaired as the user types.
class TimeEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TimeEdit(QWidget* parent = nullptr);

    // Rounds msecs down to the step and clamps it to the range (with wrapping, a value below
    // the minimum becomes the maximum).
    void setMsecs(qint64 msecs);
    qint64 msecs() const;
    // The step also decides the fields shown: whole seconds drop the tenths, whole minutes
    // the seconds, whole hours the minutes. Not positive steps are ignored.
    void setStep(qint64 step);
    qint64 step() const;
    void setMaximum(qint64 maximum);
    qint64 maximum() const;
    void setMinimum(qint64 minimum);
    qint64 minimum() const;
    void setWrapping(bool wrapping);
    bool wrapping() const;

signals:
    void msecsChanged(qint64 msecs);

private slots:
    void onTextChange(const QString& text);

private:
    void setTextAt(const QString& text, int cursor);

    qint64 m_msecs = 0;
    qint64 m_step = 500;
    qint64 m_maximum = 359999900; // 99:59:59:9
    qint64 m_minimum = 0;
    bool m_wrapping = false;
};

} // namespace Framework
