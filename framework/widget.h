#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <memory>

class QShortcut;

namespace Ui {
class Form;
}

namespace Framework {

class Item;

// The page container handed to the host: one tab per device page, and below them the page's
// information line and buttons, the extended-view switch, Save and Discard. Tab titles show
// the state of each page's item; Save and Discard are usable while the top item is Changed.
class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(bool extendedAvailable, QWidget* parent = nullptr);
    ~Widget() override;

    // Inserts page as a tab titled and coloured by pageItem (a negative index appends).
    // Returns the tab index, -1 for a null item.
    int addTab(QWidget* page, Item* pageItem, int index = -1);
    // The tab index of page, -1 when it is not a tab.
    int indexOf(QWidget* page) const;
    void setTabTitle(int index, const QString& text, const QString& toolTip);
    // Follows the top item's state for Save and Discard.
    void setItem(Item* top);
    void setSaveEnabled(bool enabled);
    void setDiscardEnabled(bool enabled);
    bool isExtended() const;

signals:
    void discardClicked();
    void saveClicked();
    void tabChanged(int index);
    void extendedToggled(bool extended);
    // The language changed: the items' own texts and the tab titles follow already.
    void retranslated();

public slots:
    void updateState();
    // Shows the page's buttons and information text.
    void currentTabChanged(int index);
    void showExtended(bool show);
    // Asks every page; false when any page refuses.
    bool validate();
    void setTabVisible(int index, bool show);
    // Makes the page that shows item (or its nearest page above it) the current tab.
    void showPageOf(const Item* item);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void extendedClicked();

private:
    QList<QWidget*> livePages();
    void followState(const Item* top);
    void takeBackButtons();
    void showExtendedText();
    void retranslateItems();

    std::unique_ptr<Ui::Form> m_ui;
    QShortcut* m_nextTabShortcut;
    struct Page
    {
        QPointer<QWidget> widget;
        QPointer<Item> item; // titles the tab
    };

    QHash<int, Page> m_pages;
    QPointer<Item> m_topItem;
    QPointer<QWidget> m_buttonsPage;
    bool m_extendedAvailable;
    bool m_extended = false;
};

} // namespace Framework
