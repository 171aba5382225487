#pragma once

#include <QLabel>

namespace Praxon {

// One input or output of the unit in the status bar: its letter on the colour of its state, red
// when active or on, dark green when inactive or off, grey when unknown (as the module's pages).
class IoIndicator final : public QLabel
{
    Q_OBJECT

public:
    IoIndicator(const QString& letter, bool relay, QWidget* parent = nullptr);

    // 0 inactive or off, 2 active or on, anything else unknown.
    void setState(int state);
    int state() const { return current; }
    QColor colour() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QString letter;
    bool relay;
    int current = -1;
};

} // namespace Praxon
