#include "framework/item.h"
#include "framework/lineeditdelegate.h"
#include "framework/model.h"
#include "framework/pushbuttondelegate.h"
#include "framework/spinboxdelegate.h"
#include "framework/tableview.h"
#include "frameworkdebug.h"

#include <QAbstractItemModelTester>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace Framework;

namespace {

// A table page as the pages derive it.
class PageTable final : public TableView
{
public:
    using TableView::TableView;
    bool isEditing() const { return state() == EditingState; }
    void retranslate() override {}
};

// A phone table: index column (the row header when asked), number column, count column.
std::unique_ptr<Item> makeTable(Item* root, bool firstColumnIsHeader, int rows = 4)
{
    QJsonObject table = QJsonDocument::fromJson(R"({"_role": "dynamic",
        "index": {"_index": 0, "_auto_increment": true, "_doNotTranslate": true, "_default_value": "Poradi",
                  "i": {"_default_value": 1}},
        "number": {"_index": 1, "_doNotTranslate": true, "_default_value": "Cislo", "n": {"_max": 20}},
        "count": {"_index": 2, "_doNotTranslate": true, "_default_value": "Pocet",
                  "c": {"_max": 99, "_min": 0, "_default_value": 0}}})")
                            .object();
    table.insert("_first_column_is_header", firstColumnIsHeader);
    table.insert("_row_count", rows);
    return std::make_unique<Item>("t", root, table);
}

// The table and its model, which Qt's model tester watches.
struct PhoneTable
{
    PhoneTable(Item* root, bool header, bool extraColumn = false, int rows = 4)
        : item(makeTable(root, header, rows))
        , model(item.get(), extraColumn)
    {
    }

    QModelIndex at(int row, int column) const { return model.index(row, column); }

    std::unique_ptr<Item> item;
    Model model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

} // namespace

// The table model over item tables, checked by Qt's model tester, and the page table on top of
// it: multi-cell editing, Enter, delegates.
class TestTableView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void addressesCells_data();
    void addressesCells();
    void followsRowChanges();
    void servesCellLook_data();
    void servesCellLook();
    void setsDataByRole_data();
    void setsDataByRole();
    void flagsFollowCell_data();
    void flagsFollowCell();
    void marksOtherCellsOfChangedRow();
    void notifiesOnceWhenSwitchedOn();
    void refusesEmptyAndLostTables();

    void editFillsSelectedColumn();
    void overLongTextShowsItsStartWithDots();
    void enterOpensEditorBelow();
    void spinBoxEditorTakesCellLimits();
    void buttonCellsAnnounceTheirRow();

private:
    QTemporaryDir settingsDir;
    Item root{"app.test", nullptr};
};

void TestTableView::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}

void TestTableView::addressesCells_data()
{
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("extra");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QVariant>("firstCell");
    QTest::addColumn<QVariant>("firstTitle");
    QTest::addColumn<QVariant>("rowTitle");

    QTest::newRow("plain") << false << false << 3 << QVariant(1) << QVariant("Poradi") << QVariant();
    QTest::newRow("first column is the row header")
        << true << false << 2 << QVariant("555") << QVariant("Cislo") << QVariant(3);
    QTest::newRow("row header and extra column")
        << true << true << 3 << QVariant("555") << QVariant("Cislo") << QVariant(3);
}

void TestTableView::addressesCells()
{
    QFETCH(bool, header);
    QFETCH(bool, extra);
    QFETCH(int, columns);

    PhoneTable table(&root, header, extra);
    table.item->child("number")->child(0)->setValue("555");

    QCOMPARE(table.model.rowCount(), 4);
    QCOMPARE(table.model.columnCount(), columns);
    QTEST(table.at(0, 0).data(), "firstCell");
    QTEST(table.model.headerData(0, Qt::Horizontal), "firstTitle");
    QTEST(table.model.headerData(2, Qt::Vertical), "rowTitle");
    const QModelIndex last = table.at(3, columns - 1);
    QCOMPARE(table.model.flags(last), extra ? Qt::ItemIsSelectable | Qt::ItemIsEnabled
                                            : Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
    QCOMPARE(table.model.data(last).isValid(), !extra);
}

void TestTableView::followsRowChanges()
{
    PhoneTable table(&root, true, true);
    QSignalSpy inserted(&table.model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&table.model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&table.model, &QAbstractItemModel::dataChanged);

    table.item->setRowCount(10);
    QCOMPARE(table.model.rowCount(), 10);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().mid(1), (QVariantList{4, 9}));

    // A cell of a new row is announced like the old ones.
    table.item->child("count")->child(8)->setValue(7);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed.last().first().toModelIndex(), table.at(8, 1));

    table.item->setRowCount(4);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().mid(1), (QVariantList{4, 9}));
}

void TestTableView::servesCellLook_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("own");
    QTest::addColumn<QVariant>("expected");

    const QColor none;
    const QColor green(Qt::darkGreen);
    QTest::newRow("plain text is black") << 0 << none << QVariant(QColor(Qt::black));
    QTest::newRow("own colour when unchanged") << 0 << green << QVariant(green);
    QTest::newRow("changed is blue") << int(Changed) << green << QVariant(QColor(Qt::blue));
    QTest::newRow("red wins over blue") << int(Changed | OutOfRange) << none
                                        << QVariant(QColor(Qt::red));
    QTest::newRow("hidden is transparent") << int(Hidden | Changed) << none
                                           << QVariant(QColor(Qt::transparent));
}

void TestTableView::servesCellLook()
{
    QFETCH(int, state);
    QFETCH(QColor, own);

    PhoneTable table(&root, false);
    Item* cell = table.item->child("count")->child(1);
    cell->setState(ItemState(state));
    cell->setForeground(own);

    QTEST(table.at(1, 2).data(Qt::ForegroundRole), "expected");
}

void TestTableView::setsDataByRole_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("readRole");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QVariantList>("announced"); // bottom row and roles of the last dataChanged

    using Roles = QVector<int>;
    QTest::newRow("edit sets the current value and reaches the row below")
        << int(Qt::EditRole) << QVariant(12) << true << int(Qt::DisplayRole) << QVariant(12)
        << QVariantList{2, QVariant::fromValue(Roles{Qt::EditRole})};
    QTest::newRow("reference value")
        << int(Model::ValueRole) << QVariant(5) << true << int(Model::ValueRole) << QVariant(5)
        << QVariantList{2, QVariant::fromValue(Roles{Model::ValueRole})};
    QTest::newRow("enabled off") << int(Model::EnabledRole) << QVariant(false) << true << int(Model::EnabledRole)
                                 << QVariant(false) << QVariantList{1, QVariant::fromValue(Roles{})};
    QTest::newRow("set a state bit") << int(Model::SetStateRole) << QVariant(int(Bold)) << true
                                     << int(Model::StateRole) << QVariant(int(Bold))
                                     << QVariantList{1, QVariant::fromValue(Roles{Qt::DisplayRole})};
    QTest::newRow("hiding also announces the colour")
        << int(Model::SetStateRole) << QVariant(int(Hidden)) << true << int(Model::StateRole) << QVariant(int(Hidden))
        << QVariantList{1, QVariant::fromValue(Roles{Qt::DisplayRole, Qt::ForegroundRole})};
    QTest::newRow("clear a state bit") << int(Model::ClearStateRole) << QVariant(int(Bold)) << true
                                       << int(Model::StateRole) << QVariant(0)
                                       << QVariantList{1, QVariant::fromValue(Roles{Qt::DisplayRole})};
    QTest::newRow("read-only") << int(Model::EditableRole) << QVariant(false) << true << -1
                               << QVariant() << QVariantList{1, QVariant::fromValue(Roles{})};
    QTest::newRow("pressed is not announced") << int(Model::PressedRole) << QVariant(true) << true
                                              << int(Model::PressedRole) << QVariant(true) << QVariantList{};
    QTest::newRow("foreground is not announced")
        << int(Qt::ForegroundRole) << QVariant(QColor(Qt::darkGreen)) << true << int(Qt::ForegroundRole)
        << QVariant(QColor(Qt::darkGreen)) << QVariantList{};
    QTest::newRow("other roles are refused") << int(Qt::ToolTipRole) << QVariant("x") << false << -1 << QVariant()
                                             << QVariantList{};
}

void TestTableView::setsDataByRole()
{
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(int, readRole);
    QFETCH(QVariantList, announced);

    PhoneTable table(&root, false);
    QSignalSpy changed(&table.model, &QAbstractItemModel::dataChanged);
    const QModelIndex index = table.at(1, 2);

    QTEST(table.model.setData(index, value, role), "accepted");

    if (readRole >= 0)
        QTEST(table.model.data(index, readRole), "expected");
    if (announced.isEmpty()) {
        QVERIFY(changed.isEmpty());
    } else {
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.last().at(1).toModelIndex().row(), announced.at(0).toInt());
        QCOMPARE(changed.last().at(2).value<QVector<int>>(), announced.at(1).value<QVector<int>>());
    }
    if (role == Model::EditableRole)
        QCOMPARE(table.item->child("count")->child(1)->editable(), ReadOnly);
    QVERIFY(!table.model.setData(table.at(1, 2).sibling(1, 3), value, role)); // no such cell
}

void TestTableView::flagsFollowCell_data()
{
    QTest::addColumn<bool>("modelEnabled");
    QTest::addColumn<bool>("cellEnabled");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("grey");

    QTest::newRow("editable cell") << true << true << false << 0x23 << false;
    QTest::newRow("disabled cell") << true << false << false << 0x03 << true;
    QTest::newRow("disabled read-only cell") << true << false << true << 0x01 << true;
    QTest::newRow("disabled model") << false << true << false << 0x00 << true;
}

void TestTableView::flagsFollowCell()
{
    QFETCH(bool, modelEnabled);
    QFETCH(bool, cellEnabled);
    QFETCH(bool, readOnly);
    QFETCH(int, flags);
    QFETCH(bool, grey);

    PhoneTable table(&root, false);
    Item* cell = table.item->child("number")->child(2);
    cell->setEnabled(cellEnabled);
    cell->setEditable(readOnly ? ReadOnly : Editable);
    table.model.setEnabled(modelEnabled);
    table.model.setColumnBackgrounds({{1, QColor(Qt::yellow)}});

    QCOMPARE(int(table.model.flags(table.at(2, 1))), flags);
    QCOMPARE(table.at(2, 1).data(Qt::BackgroundRole),
             QVariant(grey ? QColor(Qt::lightGray) : QColor(Qt::yellow)));
}

void TestTableView::marksOtherCellsOfChangedRow()
{
    qRegisterMetaType<Qt::Orientation>();
    PhoneTable table(&root, true);
    QSignalSpy changed(&table.model, &QAbstractItemModel::dataChanged);
    QSignalSpy headerChanged(&table.model, &QAbstractItemModel::headerDataChanged);

    QVERIFY(table.model.setData(table.at(2, 0), "603123456"));

    QCOMPARE(table.at(2, 1).data(Qt::ForegroundRole), QVariant(QColor(Qt::blue)));
    QVERIFY(table.item->child("index")->child(2)->state() & RowChanged);
    QVERIFY(!(table.item->child("count")->child(1)->state() & RowChanged));
    QVERIFY(!headerChanged.isEmpty()); // the row header cell is marked too
    QVERIFY(std::any_of(changed.cbegin(), changed.cend(),
                        [&](const QVariantList& args) { return args.first().toModelIndex() == table.at(2, 1); }));

    QVERIFY(table.model.setData(table.at(2, 0), QVariant("")));
    QCOMPARE(table.at(2, 1).data(Qt::ForegroundRole), QVariant(QColor(Qt::black)));
}

void TestTableView::notifiesOnceWhenSwitchedOn()
{
    PhoneTable table(&root, false, true);
    QSignalSpy changed(&table.model, &QAbstractItemModel::dataChanged);

    table.model.setNotify(false);
    for (Item* cell : table.item->child("number")->children())
        cell->setValue(QString("60%1").arg(cell->index()));
    table.item->setRowCount(6); // rows still follow, so views stay consistent
    QVERIFY(changed.isEmpty());

    table.model.setNotify(true);
    table.model.setNotify(true);

    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), table.at(0, 0));
    QCOMPARE(changed.first().at(1).toModelIndex(), table.at(5, 2));
}

void TestTableView::refusesEmptyAndLostTables()
{
    auto table = makeTable(&root, false);
    Item empty("app.empty", nullptr);
    const FrameworkDebugOn debugOn;
    QTest::ignoreMessage(QtDebugMsg, "Item app.empty does not have any indexed children!");

    Model model(&empty, false);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    model.setItem(table.get());
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.rowCount(), 4);
    table.reset();
    QCOMPARE(reset.count(), 2);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
}

void TestTableView::editFillsSelectedColumn()
{
    PhoneTable table(&root, true);
    PageTable view(&table.model);
    view.setItemDelegate(new LineEditDelegate(QString(), &view));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.selectionModel()->select(QItemSelection(table.at(0, 0), table.at(2, 1)), QItemSelectionModel::Select);

    view.edit(table.at(1, 0));
    auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(table.at(1, 0)));
    QVERIFY(editor);
    QTest::keyClicks(editor, "+420");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!view.indexWidget(table.at(1, 0)));

    for (int row = 0; row < 3; ++row)
        QCOMPARE(table.at(row, 0).data().toString(), QStringLiteral("+420"));
    QVERIFY(table.at(3, 0).data().toString().isEmpty());
    QCOMPARE(table.at(0, 1).data(), QVariant(0));
}

// A unit's value of tens of thousands of characters shows as any text too long for its cell.
void TestTableView::overLongTextShowsItsStartWithDots()
{
    PhoneTable table(&root, true);
    const LineEditDelegate delegate{QString()};
    const auto cell = [&](const QString& text) {
        table.model.setData(table.at(0, 0), text, Qt::EditRole);
        QImage image(90, 20, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        delegate.paint(&painter, option, table.at(0, 0));
        return image;
    };
    const QImage shortOne = cell(QString(40, QLatin1Char('5')));
    const QImage blank = cell(QString());

    const QImage longOne = cell(QString(60000, QLatin1Char('5')));

    QCOMPARE(table.at(0, 0).data().toString().size(), 60000);
    QVERIFY(shortOne != blank);
    QCOMPARE(longOne, shortOne);
}

void TestTableView::enterOpensEditorBelow()
{
    PhoneTable table(&root, true);
    PageTable view(&table.model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setCurrentIndex(table.at(1, 0));
    QTest::keyClick(&view, Qt::Key_F2);

    for (int row = 1; row < 4; ++row) {
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(table.at(row, 0)));
        QVERIFY2(editor, qPrintable(QString("no editor in row %1").arg(row)));
        QTest::keyClicks(editor, QString::number(row));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!view.indexWidget(table.at(row, 0)));
        QCOMPARE(table.at(row, 0).data().toString(), QString::number(row));
    }
    // Enter on the last row opens nothing more.
    QCOMPARE(view.currentIndex(), table.at(3, 0));
    QVERIFY(!view.isEditing());
}

void TestTableView::spinBoxEditorTakesCellLimits()
{
    PhoneTable table(&root, true, false, 1);
    SpinBoxDelegate delegate;
    QWidget parent;

    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), table.at(0, 1)));
    auto* spinBox = qobject_cast<QSpinBox*>(editor.get());
    QVERIFY(spinBox);
    QCOMPARE(spinBox->maximum(), 99);
    QCOMPARE(spinBox->minimum(), 0);
    QCOMPARE(spinBox->specialValueText(), QStringLiteral("app.no"));

    table.model.setData(table.at(0, 1), 7);
    delegate.setEditorData(spinBox, table.at(0, 1));
    spinBox->setValue(spinBox->value() + 1);
    delegate.setModelData(spinBox, &table.model, table.at(0, 1));
    QCOMPARE(table.at(0, 1).data(), QVariant(8));
}

void TestTableView::buttonCellsAnnounceTheirRow()
{
    PhoneTable table(&root, true, false, 3);
    PageTable view(&table.model);
    auto* delegate = new PushButtonDelegate({0}, &view);
    view.setItemDelegateForColumn(1, delegate);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy pressed(delegate, &PushButtonDelegate::buttonPressed);
    const auto click = [&](int row) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(table.at(row, 1)).center());
    };

    click(2);
    click(0); // an ordinary row
    table.item->child("count")->child(1)->setEnabled(false);
    click(1);

    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().first(), QVariant(2));
}

QTEST_MAIN(TestTableView)
#include "tst_tableview.moc"
