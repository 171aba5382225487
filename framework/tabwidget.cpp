#include "tabwidget.h"

#include "tabbar.h"

#include <QTabBar>

namespace Framework {

TabWidget::TabWidget(QWidget* parent)
    : QTabWidget(parent)
{
    setTabBar(new TabBar(this));
}

void TabWidget::setTabState(int tab, ItemState state)
{
    QColor color(Qt::black);
    if (state & Changed)
        color = Qt::blue;
    if (state & (OutOfRange | InputError))
        color = Qt::red;
    tabBar()->setTabTextColor(tab, color);
}

void TabWidget::setTabHidden(int tab, bool hidden)
{
    if (tab < 0 || tab >= count() || isTabEnabled(tab) == !hidden)
        return;
    if (hidden && tab == currentIndex())
        leaveTab(tab);
    setTabEnabled(tab, !hidden);
    tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab:disabled {width: 0; height: 0; margin: 0; padding: 0; border: none;}"));
}

void TabWidget::leaveTab(int tab)
{
    // With fewer than two tabs there is nowhere to go; the search ends after one round.
    int candidate = tab;
    for (int step = 0; step < count(); ++step) {
        candidate = candidate > 0 ? candidate - 1 : count() - 2;
        if (candidate >= 0 && candidate != tab && isTabEnabled(candidate)) {
            setCurrentIndex(candidate);
            return;
        }
    }
}

void TabWidget::updateState()
{
    if (const auto* item = qobject_cast<const Item*>(sender()))
        setTabState(item->index(), item->state());
}

void TabWidget::goToNextTab()
{
    if (count() > 0)
        setCurrentIndex((currentIndex() + 1) % count());
}

} // namespace Framework
