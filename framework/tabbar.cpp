#include "tabbar.h"

#include <QFontMetrics>

namespace Framework {

TabBar::TabBar(QWidget* parent)
    : QTabBar(parent)
{
}

QSize TabBar::tabSizeHint(int index) const
{
    const QSize hint = QTabBar::tabSizeHint(index);
    const QString text = tabText(index);
    QFont bold = font();
    bold.setBold(true);
    const int extra = QFontMetrics(bold).horizontalAdvance(text) - fontMetrics().horizontalAdvance(text);
    return extra > 0 ? hint + QSize(extra, 0) : hint;
}

} // namespace Framework
