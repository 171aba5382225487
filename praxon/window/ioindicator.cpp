#include "ioindicator.h"

#include <QEvent>

namespace Praxon {

IoIndicator::IoIndicator(const QString& letter, bool relay, QWidget* parent)
    : QLabel(letter, parent)
    , letter(letter)
    , relay(relay)
{
    setObjectName(QStringLiteral("indicator") + letter);
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    setState(-1);
}

QColor IoIndicator::colour() const
{
    switch (current) {
    case 0: return QColor(Qt::darkGreen);
    case 2: return QColor(Qt::red);
    default: return QColor(Qt::gray);
    }
}

void IoIndicator::setState(int state)
{
    current = state;
    setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; border-radius: 3px; padding: 1px 4px; }")
                      .arg(colour().name()));
    retranslate();
}

void IoIndicator::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QLabel::changeEvent(event);
}

void IoIndicator::retranslate()
{
    QString text;
    if (current == 2)
        text = relay ? tr("on") : tr("active");
    else if (current == 0)
        text = relay ? tr("off") : tr("inactive");
    else
        text = tr("unknown");
    setToolTip(relay ? tr("Output %1: %2").arg(letter, text) : tr("Input %1: %2").arg(letter, text));
}

} // namespace Praxon
