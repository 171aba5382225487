#include "widget.h"

#include "item.h"
#include "tableview.h"
#include "tabwidgetbase.h"
#include "ui_widget.h"

#include <QEvent>
#include <QShortcut>

namespace Framework {

Widget::Widget(bool extendedAvailable, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form>())
    , m_extendedAvailable(extendedAvailable)
{
    m_ui->setupUi(this);
    setSaveEnabled(false);
    setDiscardEnabled(false);

    connect(m_ui->discardButton, &QPushButton::clicked, this, &Widget::discardClicked);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &Widget::saveClicked);
    connect(m_ui->extendedButton, &QPushButton::clicked, this, &Widget::extendedClicked);

    m_ui->tabWidget->setCurrentIndex(0);
    if (m_extendedAvailable)
        m_ui->extendedButton->setCheckable(false); // a plain button naming the view it switches to
    else
        m_ui->extendedButton->hide();

    connect(m_ui->tabWidget, &QTabWidget::currentChanged, this, &Widget::currentTabChanged);
    connect(m_ui->tabWidget, &QTabWidget::currentChanged, this, &Widget::tabChanged);

    m_nextTabShortcut = new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_Tab), this);
    m_nextTabShortcut->setContext(Qt::WindowShortcut);
    connect(m_nextTabShortcut, SIGNAL(activated()), m_ui->tabWidget, SLOT(goToNextTab()));

    m_ui->buttonBox->hide();
    m_ui->spacerWidget->hide();
    showMinimized();
}

Widget::~Widget() = default;

int Widget::addTab(QWidget* page, Item* pageItem, int index)
{
    if (!pageItem)
        return -1;
    // The class name keys the table's saved column widths.
    if (qobject_cast<TableView*>(page))
        page->setObjectName(QString::fromLatin1(page->metaObject()->className()));
    if (index < 0 || index > m_ui->tabWidget->count())
        index = m_ui->tabWidget->count();
    // Known before the tab exists: the first tab becomes current while it is inserted.
    m_pages.insert(index, {page, pageItem});
    m_ui->tabWidget->insertTab(index, page, pageItem->currentValue().toString());
    m_ui->tabWidget->setTabToolTip(index, pageItem->tooltip(true));
    m_ui->tabWidget->setToolTipDuration(0);
    connect(pageItem, &Item::stateChanged, m_ui->tabWidget, &TabWidget::updateState, Qt::UniqueConnection);
    m_ui->tabWidget->setTabState(pageItem->index(), pageItem->state());
    return index;
}

void Widget::showPageOf(const Item* item)
{
    for (const Item* above = item; above; above = above->parentItem()) {
        for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
            if (it.value().item == above && it.value().widget) {
                m_ui->tabWidget->setCurrentWidget(it.value().widget);
                return;
            }
        }
    }
}

int Widget::indexOf(QWidget* page) const
{
    return m_ui->tabWidget->indexOf(page);
}

void Widget::setTabTitle(int index, const QString& text, const QString& toolTip)
{
    m_ui->tabWidget->setTabText(index, text);
    m_ui->tabWidget->setTabToolTip(index, toolTip);
}

void Widget::setItem(Item* top)
{
    if (!top)
        return;
    m_topItem = top;
    connect(top, &Item::stateChanged, this, &Widget::updateState, Qt::UniqueConnection);
    followState(top);
}

void Widget::updateState()
{
    if (const auto* top = qobject_cast<const Item*>(sender()))
        followState(top);
}

void Widget::followState(const Item* top)
{
    const bool changed = bool(top->state() & Changed);
    setSaveEnabled(changed);
    setDiscardEnabled(changed);
}

void Widget::setSaveEnabled(bool enabled)
{
    m_ui->saveButton->setEnabled(enabled);
}

void Widget::setDiscardEnabled(bool enabled)
{
    m_ui->discardButton->setEnabled(enabled);
}

bool Widget::isExtended() const
{
    return m_extended;
}

QList<QWidget*> Widget::livePages()
{
    QList<QWidget*> live;
    for (auto page = m_pages.begin(); page != m_pages.end();) {
        if (page.value().widget) {
            live << page.value().widget;
            ++page;
        } else {
            page = m_pages.erase(page);
        }
    }
    return live;
}

void Widget::currentTabChanged(int index)
{
    takeBackButtons();
    QWidget* page = m_pages.value(index).widget;
    auto* base = dynamic_cast<TabWidgetBase*>(page);
    if (!page)
        m_pages.remove(index);
    const QList<QAbstractButton*> buttons = base ? base->buttons() : QList<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        m_ui->buttonBox->addButton(button, QDialogButtonBox::ActionRole);
    m_buttonsPage = page;
    m_ui->buttonBox->setVisible(!buttons.isEmpty());
    m_ui->spacerWidget->setVisible(!buttons.isEmpty());
    m_ui->label->setText(base ? base->infoText() : QString());
}

void Widget::takeBackButtons()
{
    // The box gives its buttons up without a parent: the form's own are dropped, a page's go
    // back to the page.
    for (QAbstractButton* button : m_ui->buttonBox->buttons()) {
        const bool standard = m_ui->buttonBox->standardButton(button) != QDialogButtonBox::NoButton;
        m_ui->buttonBox->removeButton(button);
        if (standard || !m_buttonsPage) {
            button->deleteLater();
        } else {
            button->hide();
            button->setParent(m_buttonsPage);
        }
    }
}

void Widget::extendedClicked()
{
    if (!m_extendedAvailable)
        return;
    showExtended(!m_extended);
    emit extendedToggled(m_extended);
}

void Widget::showExtended(bool show)
{
    if (!m_extendedAvailable)
        return;
    for (QWidget* page : livePages()) {
        if (auto* table = qobject_cast<TableView*>(page))
            table->showExtended(show);
        else if (auto* base = dynamic_cast<TabWidgetBase*>(page))
            base->showExtended(show);
    }
    m_extended = show;
    showExtendedText();
}

void Widget::showExtendedText()
{
    m_ui->extendedButton->setText(m_extended ? qtTrId("app.basic") : qtTrId("app.extended"));
}

bool Widget::validate()
{
    bool valid = true;
    for (QWidget* page : livePages()) {
        if (auto* base = dynamic_cast<TabWidgetBase*>(page))
            valid = base->validate() && valid;
    }
    return valid;
}

void Widget::setTabVisible(int index, bool show)
{
    m_ui->tabWidget->setTabHidden(index, !show);
}

void Widget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Before the pages get the event (a widget passes it on to its children after this):
        // their bindings then show the values in the new language.
        retranslateItems();
        emit retranslated();
        m_ui->extendedButton->setToolTip(qtTrId("app.extended.tooltip"));
        m_ui->saveButton->setText(qtTrId("app.save"));
        m_ui->discardButton->setText(qtTrId("app.discard"));
        showExtendedText();
        currentTabChanged(m_ui->tabWidget->currentIndex());
    }
    QWidget::changeEvent(event);
}

void Widget::retranslateItems()
{
    if (m_topItem)
        m_topItem->retranslate();
    for (const Page& page : qAsConst(m_pages)) {
        if (!page.widget || !page.item)
            continue;
        if (!m_topItem)
            page.item->retranslate();
        setTabTitle(indexOf(page.widget), page.item->currentValue().toString(), page.item->tooltip(true));
    }
}

} // namespace Framework
