#include "praxon/core/fieldlabels.h"
#include "praxon/records/recordstore.h"
#include "praxon/window/unithistorywindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// praxon's Unit history: a unit's versions, any two side by side with the changes highlighted,
// its note, and Restore asking for the chosen version.
class TestUnitHistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void comparesAnyTwoVersions_data();
    void comparesAnyTwoVersions();
    void keepsTheNoteAndAsksToRestore();
};

namespace {

QByteArray configuration(const QString& sms, const QString& phone)
{
    return QStringLiteral(R"({"inputs":{"leSMSOnA":{"_value":"%1"}},"phones":{"lePhone1":{"_value":"%2"}}})")
        .arg(sms, phone).toUtf8();
}

void fill(Records::RecordStore* store)
{
    using Reason = Records::VersionRecord::Reason;
    QVERIFY(store->addVersion("23A04117", configuration("ALARM", "+420602123456"), Reason::Read));
    QVERIFY(store->addVersion("23A04117", configuration("POPLACH", "+420602123456"), Reason::Write));
    QVERIFY(store->addVersion("23A04117", configuration("POPLACH", "+420777000111"), Reason::Write));
}

// "path: left -> right" for each highlighted row.
QStringList highlighted(const QTableWidget* table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->background().style() != Qt::NoBrush)
            rows << table->item(row, 0)->text() + ": " + table->item(row, 1)->text() + " -> " + table->item(row, 2)->text();
    }
    return rows;
}

} // namespace

void TestUnitHistoryWindow::comparesAnyTwoVersions_data()
{
    QTest::addColumn<int>("chosenRow");
    QTest::addColumn<int>("againstIndex"); // -1: the one before, as the window picks it
    QTest::addColumn<QStringList>("changes");

    QTest::newRow("the newest against the one before")
        << 0 << -1 << QStringList{"phones > lePhone1: \"+420602123456\" -> \"+420777000111\""};
    QTest::newRow("the newest against the first")
        << 0 << 2 << QStringList{"inputs > leSMSOnA: \"ALARM\" -> \"POPLACH\"", "phones > lePhone1: \"+420602123456\" -> \"+420777000111\""};
}

void TestUnitHistoryWindow::comparesAnyTwoVersions()
{
    QFETCH(int, chosenRow);
    QFETCH(int, againstIndex);
    QTemporaryDir dir;
    Records::RecordStore store(dir.filePath("records.sqlite"));
    fill(&store);
    const Praxon::FieldLabels labels(nullptr);
    Praxon::UnitHistoryWindow window(&store, &labels, "23A04117", false);

    window.findChild<QTableWidget*>("versions")->selectRow(chosenRow);
    if (againstIndex >= 0)
        window.findChild<QComboBox*>("against")->setCurrentIndex(againstIndex);

    const auto* differences = window.findChild<QTableWidget*>("differences");
    QCOMPARE(differences->rowCount(), 2);
    QTEST(highlighted(differences), "changes");
}

void TestUnitHistoryWindow::keepsTheNoteAndAsksToRestore()
{
    QTemporaryDir dir;
    Records::RecordStore store(dir.filePath("records.sqlite"));
    fill(&store);
    const Praxon::FieldLabels labels(nullptr);
    Praxon::UnitHistoryWindow window(&store, &labels, "23A04117", true);
    qRegisterMetaType<Records::VersionRecord>();
    QSignalSpy restore(&window, &Praxon::UnitHistoryWindow::restoreRequested);

    // keyClicks types ASCII only.
    window.findChild<QLineEdit*>("note")->setText("Sklad Brno, brána 2");
    window.findChild<QPushButton*>("saveNote")->click();
    window.findChild<QTableWidget*>("versions")->selectRow(1);
    window.findChild<QPushButton*>("restore")->click();

    QCOMPARE(store.units().value(0).note, QStringLiteral("Sklad Brno, brána 2"));
    QCOMPARE(restore.size(), 1);
    QCOMPARE(restore.first().first().value<Records::VersionRecord>().id, 2);
}

QTEST_MAIN(TestUnitHistoryWindow)
#include "tst_unithistorywindow.moc"
