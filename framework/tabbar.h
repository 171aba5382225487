#pragma once

#include <QTabBar>

namespace Framework {

// The container's tab bar: every tab is wide enough for its title in bold, the look of the
// selected tab, so the title is never clipped and the tabs keep their width when selected.
class TabBar final : public QTabBar
{
    Q_OBJECT

public:
    explicit TabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
};

} // namespace Framework
