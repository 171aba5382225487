#pragma once

#include <QList>
#include <QString>

class QAbstractButton;

namespace Framework {

// Mix-in of every device page: what the page container asks a page for.
class TabWidgetBase
{
public:
    virtual ~TabWidgetBase();

    // The page's own buttons, shown in the container's button box while the page is current.
    virtual QList<QAbstractButton*> buttons();
    // Whether the page's input may be saved.
    virtual bool validate();
    // The text of the container's information line while the page is current.
    virtual QString infoText() = 0;
    // The device module's configuration source (1 remote, 2 offline, 3 none).
    virtual void setConfigurationSource(int source);
    // Switches between basic and extended view.
    virtual void showExtended(bool show);
};

} // namespace Framework
