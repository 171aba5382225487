#pragma once

#include "item.h"

#include <QTabWidget>

namespace Framework {

// The page container's tabs: titles coloured by the state of each page's item, tabs that can
// be hidden, and Ctrl+Tab cycling.
class TabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabWidget(QWidget* parent = nullptr);

    // Black, blue for Changed, red for OutOfRange or InputError.
    void setTabState(int tab, ItemState state);
    // A hidden tab is disabled and takes no space. Hiding the current tab first selects the
    // nearest enabled tab before it (below 0 the search goes on from the second-to-last tab).
    void setTabHidden(int tab, bool hidden);

public slots:
    // Colours the tab of the sending page item (the tab whose index is the item's index).
    void updateState();

private slots:
    void goToNextTab();

private:
    void leaveTab(int tab);
};

} // namespace Framework
