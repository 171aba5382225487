#include "praxon/core/fieldlabels.h"
#include "praxon/records/recordstore.h"
#include "praxon/window/unitswindow.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// praxon's Units window: every unit of the records, or where a typed text was found.
class TestUnitsWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsUnitsOrWhereTheTextIs_data();
    void showsUnitsOrWhereTheTextIs();
};

void TestUnitsWindow::showsUnitsOrWhereTheTextIs_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("nothing typed lists every unit with its versions")
        << "" << QStringList{"23A04117 Sklad Brno 2", "23B00002  1"};
    QTest::newRow("a phone number with the setting holding it")
        << "602123" << QStringList{"23A04117 phones > lePhone1 +420602123456 1"};
    QTest::newRow("a site note in any case") << "BRNO" << QStringList{"23A04117 Site note Sklad Brno "};
}

void TestUnitsWindow::showsUnitsOrWhereTheTextIs()
{
    QFETCH(QString, typed);
    QTemporaryDir dir;
    Records::RecordStore store(dir.filePath("records.sqlite"));
    QVERIFY(store.addVersion("23A04117", R"({"phones":{"lePhone1":{"_value":"+420602123456"}}})",
                             Records::VersionRecord::Reason::Read));
    QVERIFY(store.addVersion("23A04117", R"({"phones":{"lePhone1":{"_value":"+420777000111"}}})",
                             Records::VersionRecord::Reason::Write));
    QVERIFY(store.addVersion("23B00002", R"({"phones":{"lePhone1":{"_value":""}}})", Records::VersionRecord::Reason::Read));
    QVERIFY(store.setNote("23A04117", "Sklad Brno"));
    const Praxon::FieldLabels labels(nullptr);
    Praxon::UnitsWindow window(&store, &labels);
    window.show();

    auto* searchBox = window.findChild<QLineEdit*>("searchBox");
    // The clear button fades in with an animation that would outlive the window, left running
    // when the test ends: a leak of Qt's the leak check reports.
    searchBox->setClearButtonEnabled(false);
    QTest::keyClicks(searchBox, typed);

    const auto* results = window.findChild<QTableWidget*>("results");
    QStringList rows;
    for (int row = 0; row < results->rowCount(); ++row) {
        // Units: serial, note and versions (not the time last seen); matches: every column.
        const QList<int> columns = results->columnCount() == 5 ? QList<int>{0, 1, 4} : QList<int>{0, 1, 2, 3};
        QStringList cells;
        for (int column : columns)
            cells << results->item(row, column)->text();
        rows << cells.join(' ');
    }
    QTEST(rows, "rows");
}

QTEST_MAIN(TestUnitsWindow)
#include "tst_unitswindow.moc"
