#include "framework/item.h"
#include "framework/lineeditdelegate.h"
#include "framework/model.h"
#include "framework/pushbuttondelegate.h"
#include "framework/spinboxdelegate.h"
#include "framework/tableview.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Framework;

namespace {

const QString WidthsKey = QStringLiteral("Geometry/moduleRV_23__Informations");

// A table page as the pages derive it.
class PageTable final : public TableView
{
public:
    using TableView::TableView;
    bool isEditing() const { return state() == EditingState; }
    void retranslate() override {}
};

// A table item of titled columns "c0", "c1", ... with rows cells each; the last column holds
// numbers.
std::unique_ptr<Item> makeTable(Item* root, int columns, int rows)
{
    QJsonObject table{{"_row_count", rows}, {"_role", "dynamic"}};
    for (int column = 0; column < columns; ++column) {
        const QJsonObject cell = column == columns - 1 ? QJsonObject{{"_max", 99}, {"_min", 0}} : QJsonObject{};
        table.insert(QString("c%1").arg(column), QJsonObject{{"_index", column}, {"_doNotTranslate", true},
                                                             {"_default_value", "Sloupec"}, {"cell", cell}});
    }
    return std::make_unique<Item>("table", root, table);
}

QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Tessaline/Praxon", "Praxon");
}

} // namespace

// The page table: saved widths, visibility lists, multi-cell editing, Enter, delegates.
class TestTableView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void restoresSavedWidths_data();
    void restoresSavedWidths();
    void savesWidthsOfHiddenColumns();
    void hidesSectionsByModeAndSource_data();
    void hidesSectionsByModeAndSource();
    void editFillsSelectedColumn();
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

void TestTableView::restoresSavedWidths_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("firstWidth"); // -1: left as it was

    QTest::newRow("empty part skipped") << 2 << "120;;80" << 120;
    QTest::newRow("zero restores as ten") << 2 << "0;80" << 10;
    QTest::newRow("count differs from the header") << 3 << "120;;80" << -1;
    QTest::newRow("parts stop at the first that is no number") << 2 << "120;x;80" << -1;
}

void TestTableView::restoresSavedWidths()
{
    QFETCH(int, columns);
    QFETCH(QString, stored);
    QFETCH(int, firstWidth);
    userSettings().setValue(WidthsKey, stored);
    auto table = makeTable(&root, columns, 2);
    Model model(table.get(), false);
    PageTable view(&model);
    view.setObjectName("moduleRV_23::Informations");
    const int before = view.columnWidth(0);
    QVERIFY(before != firstWidth);
    if (firstWidth < 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Sections was not restored!"));

    QCoreApplication::sendPostedEvents();

    QCOMPARE(view.columnWidth(0), firstWidth < 0 ? before : firstWidth);
}

void TestTableView::savesWidthsOfHiddenColumns()
{
    auto table = makeTable(&root, 3, 2);
    Model model(table.get(), false);
    {
        PageTable view(&model);
        view.setObjectName("moduleRV_23::Informations");
        view.setColumnWidth(0, 77);
        view.setColumnWidth(1, 55);
        view.hideColumn(1);
        QCOMPARE(view.columnWidth(1), 0);
    }
    const QStringList saved = userSettings().value(WidthsKey).toString().split(';');
    QCOMPARE(saved.size(), 3);
    QCOMPARE(saved.mid(0, 2), (QStringList{"77", "55"}));

    // Shown again, the column comes back with its width.
    PageTable view(&model);
    view.setObjectName("moduleRV_23::Informations");
    QCoreApplication::sendPostedEvents();
    QCOMPARE(view.columnWidth(1), 55);
}

void TestTableView::hidesSectionsByModeAndSource_data()
{
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("source");
    QTest::addColumn<QList<int>>("hiddenRows");

    QTest::newRow("extended, no source") << true << 3 << QList<int>{0, 4};
    QTest::newRow("basic view hides its list") << false << 3 << QList<int>{0, 1, 4};
    QTest::newRow("remote source hides its list") << true << 1 << QList<int>{0, 3, 4};
    QTest::newRow("basic and offline") << false << 2 << QList<int>{0, 1, 2, 4};
}

void TestTableView::hidesSectionsByModeAndSource()
{
    QFETCH(bool, extended);
    QFETCH(int, source);
    QFETCH(QList<int>, hiddenRows);
    auto table = makeTable(&root, 2, 6);
    Model model(table.get(), false);
    PageTable view(&model);
    view.setRowHidden(4, true); // hidden by the page itself, and left alone
    view.setLeftAloneSections(Qt::Vertical, {4, 5});
    view.setHiddenSections(Qt::Vertical, {0});
    view.setBasicHiddenSections(Qt::Vertical, {1});
    view.setSourceModeHiddenSections(Qt::Vertical, 2, {2});
    view.setSourceModeHiddenSections(Qt::Vertical, 1, {3});
    view.setBasicHiddenSections(Qt::Horizontal, {1});

    view.showExtended(extended);
    view.setDisplayMode(source);

    QList<int> hidden;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (view.isRowHidden(row))
            hidden << row;
    }
    QCOMPARE(hidden, hiddenRows);
    QCOMPARE(view.isColumnHidden(1), !extended);
}

void TestTableView::editFillsSelectedColumn()
{
    auto table = makeTable(&root, 2, 4);
    Model model(table.get(), false);
    PageTable view(&model);
    view.setItemDelegate(new LineEditDelegate(QString(), &view));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.selectionModel()->select(QItemSelection(model.index(0, 0), model.index(2, 1)), QItemSelectionModel::Select);

    view.edit(model.index(1, 0));
    auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(model.index(1, 0)));
    QVERIFY(editor);
    QTest::keyClicks(editor, "+420");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!view.indexWidget(model.index(1, 0)));

    for (int row = 0; row < 3; ++row)
        QCOMPARE(model.index(row, 0).data().toString(), QStringLiteral("+420"));
    QVERIFY(model.index(3, 0).data().toString().isEmpty());
    QVERIFY(model.index(0, 1).data().toString().isEmpty());
}

void TestTableView::enterOpensEditorBelow()
{
    auto table = makeTable(&root, 2, 4);
    Model model(table.get(), false);
    PageTable view(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setCurrentIndex(model.index(1, 0));
    QTest::keyClick(&view, Qt::Key_F2);

    for (int row = 1; row < 4; ++row) {
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(model.index(row, 0)));
        QVERIFY2(editor, qPrintable(QString("no editor in row %1").arg(row)));
        QTest::keyClicks(editor, QString::number(row));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!view.indexWidget(model.index(row, 0)));
        QCOMPARE(model.index(row, 0).data().toString(), QString::number(row));
    }
    // Enter on the last row opens nothing more.
    QCOMPARE(view.currentIndex(), model.index(3, 0));
    QVERIFY(!view.isEditing());
}

void TestTableView::spinBoxEditorTakesCellLimits()
{
    auto table = makeTable(&root, 2, 1);
    Model model(table.get(), false);
    SpinBoxDelegate delegate;
    QWidget parent;

    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 1)));
    auto* spinBox = qobject_cast<QSpinBox*>(editor.get());
    QVERIFY(spinBox);
    QCOMPARE(spinBox->maximum(), 99);
    QCOMPARE(spinBox->minimum(), 0);
    QCOMPARE(spinBox->specialValueText(), QStringLiteral("app.no"));

    model.setData(model.index(0, 1), 7);
    delegate.setEditorData(spinBox, model.index(0, 1));
    spinBox->setValue(spinBox->value() + 1);
    delegate.setModelData(spinBox, &model, model.index(0, 1));
    QCOMPARE(model.index(0, 1).data(), QVariant(8));
}

void TestTableView::buttonCellsAnnounceTheirRow()
{
    auto table = makeTable(&root, 2, 3);
    Model model(table.get(), false);
    PageTable view(&model);
    auto* delegate = new PushButtonDelegate({0}, &view);
    view.setItemDelegateForColumn(1, delegate);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy pressed(delegate, &PushButtonDelegate::buttonPressed);
    const auto click = [&](int row) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model.index(row, 1)).center());
    };

    click(2);
    click(0); // an ordinary row
    table->child("c1")->child(1)->setEnabled(false);
    click(1);

    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().first(), QVariant(2));
}

QTEST_MAIN(TestTableView)
#include "tst_tableview.moc"
