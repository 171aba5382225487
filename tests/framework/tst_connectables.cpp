#include "framework/binditems.h"
#include "framework/buttongroupconnector.h"
#include "framework/checkboxconnectable.h"
#include "framework/groupboxconnectable.h"
#include "framework/item.h"
#include "framework/lineeditconnectable.h"
#include "framework/spinboxconnectable.h"
#include "framework/tableviewconnectable.h"
#include "framework/timeeditconnectable.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QJsonDocument>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Framework;

namespace {

const QString NumberPattern = QStringLiteral("(^$|^\\+?\\d+$)");

// QTest::keyClicks() knows ASCII only.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

bool isBoldItalic(const QWidget* widget)
{
    return widget->font().weight() == QFont::Bold && widget->font().italic();
}

} // namespace

// Widgets bound to items: what typing does to the item, and what the item does to the widget.
class TestConnectables : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void lineEditWritesItem_data();
    void lineEditWritesItem();
    void timeEditShowsSteppedValue_data();
    void timeEditShowsSteppedValue();
    void timeEditTypingWritesItem();
    void spinBoxTypingWritesItem();
    void readOnlyCheckBoxFollowsItem();
    void groupBoxTitleShowsState_data();
    void groupBoxTitleShowsState();
    void buttonGroupFollowsItem();
    void tableCopiesAndPastesCells();

private:
    template <typename Widget>
    Widget* add(const QString& name, QWidget* parent = nullptr);
    // A page of the items described (a JSON object of items) and an empty form.
    void makePage(const QByteArray& description);
    Item* item(const QString& name) const;
    void bind();

    std::unique_ptr<Item> root;
    Item* page = nullptr;
    std::unique_ptr<QWidget> form;
};

void TestConnectables::makePage(const QByteArray& description)
{
    root = std::make_unique<Item>("app.test", nullptr);
    page = new Item("inputs", root.get(), QJsonDocument::fromJson(description).object());
    form = std::make_unique<QWidget>();
}

void TestConnectables::cleanup()
{
    form.reset();
    root.reset();
}

template <typename Widget>
Widget* TestConnectables::add(const QString& name, QWidget* parent)
{
    auto* widget = new Widget(parent ? parent : form.get());
    widget->setObjectName(name);
    return widget;
}

Item* TestConnectables::item(const QString& name) const
{
    return page->findChild<Item*>(page->objectName() + "." + name);
}

void TestConnectables::bind()
{
    QVERIFY(bindItems(form.get(), page->children()));
}

void TestConnectables::lineEditWritesItem_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("inputError");

    const QString twentyNine(29, 'a');
    QTest::newRow("31st byte never stays") << "" << twentyNine + "bc" << twentyNine + "b" << false;
    QTest::newRow("unfinished number is an input error") << NumberPattern << "+" << "+" << true;
    QTest::newRow("finished number clears the error") << NumberPattern << "+420" << "+420" << false;
    QTest::newRow("rejected character never appears") << NumberPattern << "12a3" << "123" << false;
}

void TestConnectables::lineEditWritesItem()
{
    QFETCH(QString, pattern);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, inputError);

    makePage(R"({"leText": {"_role": "dynamic", "_max": 30}})");
    auto* edit = add<LineEditConnectable>("leText");
    edit->setPattern(pattern);
    item("leText")->setValue(QString());
    bind();

    type(edit, typed);

    QTRY_COMPARE(edit->text(), shown);
    QCOMPARE(item("leText")->currentValue().toString(), shown);
    const ItemState state = item("leText")->state();
    QVERIFY(state & Changed);
    QVERIFY(!(state & OutOfRange));
    QCOMPARE(bool(state & InputError), inputError);
    QCOMPARE(edit->styleSheet(), inputError ? "color: red;" : "color: blue;");
    QVERIFY(isBoldItalic(edit));

    // Back to the reference value: nothing marked any more.
    item("leText")->resetValues(Revert);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->styleSheet(), QString());
    QVERIFY(!edit->font().italic());
}

void TestConnectables::timeEditShowsSteppedValue_data()
{
    QTest::addColumn<qint64>("step");
    QTest::addColumn<qint64>("set");
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("text");

    QTest::newRow("rounded down to the step") << qint64(500) << qint64(1250) << qint64(1000) << "00:00:01:0";
    QTest::newRow("whole minutes") << qint64(60000) << qint64(3723500) << qint64(3720000) << "01:02";
    QTest::newRow("above the maximum") << qint64(500) << qint64(400000000) << qint64(359999900)
                                       << "99:59:59:9";
    QTest::newRow("below the minimum") << qint64(500) << qint64(-1) << qint64(0) << "00:00:00:0";
}

void TestConnectables::timeEditShowsSteppedValue()
{
    QFETCH(qint64, step);
    QFETCH(qint64, set);
    QFETCH(qint64, msecs);
    QFETCH(QString, text);

    TimeEdit edit;
    QCOMPARE(edit.text(), QStringLiteral("00:00:00:0"));
    edit.setStep(step);
    QSignalSpy changed(&edit, &TimeEdit::msecsChanged);

    edit.setMsecs(set);

    QCOMPARE(edit.msecs(), msecs);
    QCOMPARE(edit.text(), text);
    QCOMPARE(changed.count(), msecs == 0 ? 0 : 1);
}

void TestConnectables::timeEditTypingWritesItem()
{
    makePage(R"({"teDelayX": {"_role": "dynamic", "_max": 36000000, "_min": 0}})");
    auto* edit = add<TimeEditConnectable>("teDelayX");
    edit->setStep(1000);
    item("teDelayX")->setValue(qint64(0));
    bind();
    QCOMPARE(edit->maximum(), qint64(36000000));
    QCOMPARE(edit->text(), QStringLiteral("00:00:00"));
    QSignalSpy shown(edit, &TimeEditConnectable::valueChanged);

    // A 7 typed at the start of the minutes.
    edit->setCursorPosition(3);
    QTest::keyClicks(edit, "7");

    QCOMPARE(edit->text(), QStringLiteral("00:07:00"));
    QCOMPARE(edit->cursorPosition(), 5);
    QCOMPARE(item("teDelayX")->currentValue().toLongLong(), qint64(420000));
    QVERIFY(item("teDelayX")->state() & Changed);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.first().first().toString(), QStringLiteral("00:07:00"));

    // The item's value is shown in the widget.
    item("teDelayX")->setValue(qint64(3723000));
    QCOMPARE(edit->text(), QStringLiteral("01:02:03"));
}

void TestConnectables::spinBoxTypingWritesItem()
{
    makePage(R"({"sbCreditPosition": {"_role": "dynamic", "_max": 99, "_min": 1}})");
    auto* spinBox = add<SpinBoxConnectable>("sbCreditPosition");
    item("sbCreditPosition")->setValue(1);
    bind();
    QCOMPARE(spinBox->minimum(), 1);
    QCOMPARE(spinBox->maximum(), 99);
    QSignalSpy edited(spinBox, &SpinBoxConnectable::valueEdited);

    spinBox->selectAll();
    QTest::keyClicks(spinBox, "420");

    QCOMPARE(spinBox->value(), 42);
    QCOMPARE(item("sbCreditPosition")->currentValue(), QVariant(42));
    QVERIFY(item("sbCreditPosition")->state() & Changed);
    QVERIFY(!edited.isEmpty());
}

void TestConnectables::readOnlyCheckBoxFollowsItem()
{
    makePage(R"({"cbCallA": {"_role": "dynamic"}, "cbLocked": {"_role": "dynamic", "_editable": false}})");
    auto* locked = add<CheckBoxConnectable>("cbLocked");
    auto* call = add<CheckBoxConnectable>("cbCallA");
    bind();
    QSignalSpy toggled(locked, &QCheckBox::toggled);

    QVERIFY(!locked->isEnabled());
    QVERIFY(call->isEnabled());
    item("cbLocked")->setValue(true);

    QVERIFY(locked->isChecked());
    QCOMPARE(toggled.count(), 1); // the page still hears it
    QVERIFY(!(item("cbLocked")->state() & Changed));

    call->click();
    QCOMPARE(item("cbCallA")->currentValue(), QVariant(true));
}

void TestConnectables::groupBoxTitleShowsState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("marked");

    QTest::newRow("plain") << 0 << "" << false;
    QTest::newRow("changed title is blue") << int(Changed) << ":title {color: blue;}" << true;
    QTest::newRow("input error replaces everything") << int(Changed | OutOfRange | InputError)
                                                     << ":title {color: red;}" << true;
}

void TestConnectables::groupBoxTitleShowsState()
{
    QFETCH(int, state);

    makePage(R"({"gbInputA": {"leSMSOffA": {"_role": "dynamic", "_max": 30}}})");
    auto* box = add<GroupBoxConnectable>("gbInputA");
    add<LineEditConnectable>("leSMSOffA", box);
    bind();

    item("gbInputA")->setState(ItemState(state));

    QTEST(box->styleSheet(), "style");
    QTEST(isBoldItalic(box), "marked");
}

void TestConnectables::buttonGroupFollowsItem()
{
    makePage(R"({"bgMode": {"_role": "dynamic"}})");
    auto* group = new QButtonGroup(form.get());
    group->setObjectName("bgMode");
    QList<QRadioButton*> buttons;
    for (int position = 0; position < 3; ++position) {
        buttons << new QRadioButton(form.get());
        group->addButton(buttons.last());
    }
    item("bgMode")->setValue(1);
    bind();
    ButtonGroupConnector* connector = ButtonGroupConnector::forItem(item("bgMode"));
    QVERIFY(connector);
    QVERIFY(buttons.at(1)->isChecked());

    buttons.at(2)->click();
    QCOMPARE(item("bgMode")->currentValue(), QVariant(2));

    item("bgMode")->setValue(0);
    QVERIFY(buttons.at(0)->isChecked());
    connector->setIndex(7); // no such button
    QVERIFY(buttons.at(0)->isChecked());

    // Binding the page again keeps the one connector.
    bind();
    QCOMPARE(ButtonGroupConnector::forItem(item("bgMode")), connector);
}

void TestConnectables::tableCopiesAndPastesCells()
{
    makePage(R"({"tXPhones": {"_row_count": 4, "_role": "dynamic",
                               "number": {"_index": 0, "n": {"_max": 20}},
                               "count": {"_index": 1, "c": {"_max": 99}}}})");
    auto* table = add<TableViewConnectable>("tXPhones");
    // The columns have no widgets of their own.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Widget for .*\\.number was not found"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Widget for .*\\.count was not found"));
    bind();
    QAbstractItemModel* model = table->model();
    QVERIFY(model);
    QCOMPARE(model->rowCount(), 4);
    Item* numbers = item("tXPhones")->child("number");
    Item* counts = item("tXPhones")->child("count");
    numbers->child(0)->setValue("111");
    numbers->child(1)->setValue("222");
    counts->child(0)->setValue(1);
    counts->child(1)->setValue(2);
    form->show();
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    table->setFocus();

    table->selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 1)), QItemSelectionModel::Select);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("[0,0]111\n[0,1]1\n[1,0]222\n[1,1]2"));

    table->selectionModel()->select(QItemSelection(model->index(2, 0), model->index(2, 1)),
                                    QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(numbers->child(2)->currentValue().toString(), QStringLiteral("111"));
    QCOMPARE(counts->child(2)->currentValue().toString(), QStringLiteral("1"));
    QCOMPARE(numbers->child(3)->currentValue().toString(), QStringLiteral("222"));
    QVERIFY(numbers->child(3)->state() & Changed);
}

QTEST_MAIN(TestConnectables)
#include "tst_connectables.moc"
