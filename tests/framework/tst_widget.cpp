#include "framework/binditems.h"
#include "framework/item.h"
#include "framework/lineeditconnectable.h"
#include "framework/tabwidget.h"
#include "framework/tabwidgetbase.h"
#include "framework/widget.h"

#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Framework;

namespace {

// Five pages, each with one text field.
const QByteArray PagesDescription = R"({
    "inputs": {"_index": 0, "_doNotTranslate": true, "_default_value": "Vstupy", "leText0": {"_role": "dynamic"}},
    "outputs": {"_index": 1, "_doNotTranslate": true, "_default_value": "Vystupy", "leText1": {"_role": "dynamic"}},
    "settings": {"_index": 2, "_doNotTranslate": true, "_default_value": "Nastaveni", "leText2": {"_role": "dynamic"}},
    "informations": {"_index": 3, "_doNotTranslate": true, "_default_value": "Informace",
                     "leText3": {"_role": "dynamic"}},
    "events": {"_index": 4, "_doNotTranslate": true, "_default_value": "Udalosti", "leText4": {"_role": "dynamic"}}
})";

// A device page as the container sees it.
class Page final : public QWidget, public TabWidgetBase
{
public:
    QList<QAbstractButton*> buttons() override { return ownButtons; }
    bool validate() override
    {
        ++validations;
        return valid;
    }
    QString infoText() override { return info; }
    void showExtended(bool show) override { extendedCalls << show; }

    QList<QAbstractButton*> ownButtons;
    QString info;
    bool valid = true;
    int validations = 0;
    QList<bool> extendedCalls;
};

} // namespace

// The page container: tab colours and hiding, Save and Discard, page buttons, extended view.
class TestWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void extendedSwitch_data();
    void extendedSwitch();
    void hidingCurrentTabMovesBefore_data();
    void hidingCurrentTabMovesBefore();
    void ctrlTabCycles();
    void pageChangeColoursTabAndSave();
    void currentPageShowsItsButtonsAndInfo();
    void validateAsksEveryPage();

private:
    void build(bool extendedAvailable);
    TabWidget* tabs() const;
    QPushButton* button(const QString& name) const;

    QTemporaryDir settingsDir;
    std::unique_ptr<Item> root;
    std::unique_ptr<Widget> widget;
    QList<Page*> pages;
};

void TestWidget::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}

void TestWidget::init()
{
    root = std::make_unique<Item>("app.rv-23.topItem", nullptr);
    const QJsonObject description = QJsonDocument::fromJson(PagesDescription).object();
    for (auto page = description.begin(); page != description.end(); ++page)
        new Item(page.key(), root.get(), page.value().toObject());
}

void TestWidget::cleanup()
{
    widget.reset();
    pages.clear();
    root.reset();
}

void TestWidget::build(bool extendedAvailable)
{
    widget = std::make_unique<Widget>(extendedAvailable);
    for (Item* pageItem : root->children()) {
        auto* page = new Page;
        auto* edit = new LineEditConnectable(page);
        edit->setObjectName("leText" + QString::number(pageItem->index()));
        pageItem->children().first()->setValue("puvodni");
        QCOMPARE(widget->addTab(page, pageItem), pageItem->index());
        QVERIFY(bindItems(page, pageItem->children()));
        pages << page;
    }
    widget->setItem(root.get());
}

TabWidget* TestWidget::tabs() const
{
    return widget->findChild<TabWidget*>("tabWidget");
}

QPushButton* TestWidget::button(const QString& name) const
{
    return widget->findChild<QPushButton*>(name);
}

void TestWidget::extendedSwitch_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<bool>>("pageCalls");

    QTest::newRow("switches every page") << true << true << "app.basic" << QList<bool>{true};
    QTest::newRow("unavailable: hidden and inert") << false << false << "app.extended" << QList<bool>();
}

void TestWidget::extendedSwitch()
{
    QFETCH(bool, available);
    QFETCH(QString, text);
    build(available);
    QSignalSpy toggled(widget.get(), &Widget::extendedToggled);
    QPushButton* extendedButton = button("extendedButton");
    QCOMPARE(extendedButton->isHidden(), !available);
    QVERIFY(!extendedButton->isCheckable() || !available);

    QVERIFY(QMetaObject::invokeMethod(widget.get(), "extendedClicked"));

    QTEST(widget->isExtended(), "extended");
    QCOMPARE(toggled.count(), available ? 1 : 0);
    QCOMPARE(extendedButton->text(), text);
    for (Page* page : qAsConst(pages))
        QTEST(page->extendedCalls, "pageCalls");
}

void TestWidget::hidingCurrentTabMovesBefore_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("alreadyHidden");
    QTest::addColumn<int>("expected");

    QTest::newRow("first of five goes to the second-to-last") << 0 << QList<int>() << 3;
    QTest::newRow("hidden tabs are passed over") << 0 << QList<int>{3} << 2;
}

void TestWidget::hidingCurrentTabMovesBefore()
{
    QFETCH(int, current);
    QFETCH(QList<int>, alreadyHidden);
    QFETCH(int, expected);
    build(true);
    for (int tab : alreadyHidden)
        widget->setTabVisible(tab, false);
    tabs()->setCurrentIndex(current);

    widget->setTabVisible(current, false);

    QCOMPARE(tabs()->currentIndex(), expected);
    QVERIFY(!tabs()->isTabEnabled(current));

    widget->setTabVisible(current, true);
    QVERIFY(tabs()->isTabEnabled(current));
    QCOMPARE(tabs()->currentIndex(), expected);
}

void TestWidget::ctrlTabCycles()
{
    build(true);
    widget->showNormal();
    QApplication::setActiveWindow(widget.get());
    QVERIFY(QTest::qWaitForWindowActive(widget.get()));
    QSignalSpy changed(widget.get(), &Widget::tabChanged);

    tabs()->setCurrentIndex(3);
    QTest::keyClick(widget.get(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs()->currentIndex(), 4);
    QTest::keyClick(widget.get(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().first(), QVariant(0));
}

// The blue tab, Save after an edit and the Save click are checked through the module; here, the
// red mark and the way back.
void TestWidget::pageChangeColoursTabAndSave()
{
    // Given an edit on the Outputs page
    build(true);
    auto* edit = pages.at(1)->findChild<LineEditConnectable*>();
    edit->selectAll();
    QTest::keyClicks(edit, "nova");
    QCOMPARE(tabs()->tabBar()->tabTextColor(1), QColor(Qt::blue));
    QCOMPARE(tabs()->tabBar()->tabTextColor(0), QColor(Qt::black));
    QVERIFY(button("discardButton")->isEnabled());

    // An error on the page shows red
    Item* field = root->child("outputs")->children().first();
    field->setState(field->state() | InputError);
    QCOMPARE(tabs()->tabBar()->tabTextColor(1), QColor(Qt::red));
    field->setState(field->state() & ~ItemState(InputError));

    // When the change is typed back
    edit->selectAll();
    QTest::keyClicks(edit, "puvodni");

    // Then everything is as before
    QCOMPARE(tabs()->tabBar()->tabTextColor(1), QColor(Qt::black));
    QVERIFY(!button("saveButton")->isEnabled());
    QVERIFY(!button("discardButton")->isEnabled());
}

void TestWidget::currentPageShowsItsButtonsAndInfo()
{
    widget = std::make_unique<Widget>(true);
    auto* reload = new QPushButton("Reload");
    auto* first = new Page;
    first->ownButtons << reload;
    first->info = "app.rv23.events.info";
    auto* second = new Page;
    auto* box = widget->findChild<QDialogButtonBox*>("buttonBox");
    auto* label = widget->findChild<QLabel*>("label");

    widget->addTab(first, root->child("inputs"));
    widget->addTab(second, root->child("outputs"));

    QCOMPARE(box->buttons(), QList<QAbstractButton*>{reload});
    QVERIFY(!box->isHidden());
    QCOMPARE(label->text(), QStringLiteral("app.rv23.events.info"));

    tabs()->setCurrentIndex(1);
    QVERIFY(box->buttons().isEmpty());
    QVERIFY(box->isHidden());
    QVERIFY(label->text().isEmpty());
    QCOMPARE(reload->parent(), first); // still the page's

    tabs()->setCurrentIndex(0);
    QCOMPARE(box->buttons(), QList<QAbstractButton*>{reload});
}

void TestWidget::validateAsksEveryPage()
{
    build(true);
    QVERIFY(widget->validate());
    pages.at(1)->valid = false;
    pages.at(3)->valid = false;

    QVERIFY(!widget->validate());

    for (const Page* page : qAsConst(pages))
        QCOMPARE(page->validations, 2);
}

QTEST_MAIN(TestWidget)
#include "tst_widget.moc"
