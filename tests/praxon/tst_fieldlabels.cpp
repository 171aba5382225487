#include "praxon/core/fieldlabels.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>

using Praxon::FieldLabels;

// The labels a page shows for its settings, found the ways the module's forms place them.
class TestFieldLabels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void settingsAreNamedAsThePageShowsThem_data();
    void settingsAreNamedAsThePageShowsThem();
    void onlyThePagesAreWrittenBack();

private:
    std::unique_ptr<QTabWidget> pages;
};

namespace {

template<typename T>
T* add(QGridLayout* grid, const QString& name, int row, int column, int rows = 1)
{
    auto* widget = new T;
    widget->setObjectName(name);
    grid->addWidget(widget, row, column, rows, 1);
    return widget;
}

QGroupBox* group(QWidget* page, const QString& name, const QString& title)
{
    auto* box = new QGroupBox(title, page);
    box->setObjectName(name);
    new QGridLayout(box);
    page->layout()->addWidget(box);
    return box;
}

QGridLayout* grid(QGroupBox* box)
{
    return static_cast<QGridLayout*>(box->layout());
}

} // namespace

// An Inputs page whose rows are described once, beside the groups, and a Settings page with
// labels beside their fields, one of them spanning two rows.
void TestFieldLabels::initTestCase()
{
    pages = std::make_unique<QTabWidget>();
    auto* inputs = new QWidget;
    inputs->setObjectName("moduleRV_23__Inputs");
    new QHBoxLayout(inputs);
    QGroupBox* texts = group(inputs, "gbTexts", "Description");
    add<QLabel>(grid(texts), "lSMS", 0, 0)->setText("SMS text");
    add<QLabel>(grid(texts), "lPhones", 1, 0)->setText("Phone numbers");
    QGroupBox* inputA = group(inputs, "gbInputA", "Input A");
    add<QLineEdit>(grid(inputA), "leSMSA", 0, 0);
    auto* phones = add<QTableView>(grid(inputA), "tAPhones", 1, 0);
    auto* model = new QStandardItemModel(8, 2, phones);
    model->setHorizontalHeaderLabels({"Number", "Count"});
    phones->setModel(model);
    add<QCheckBox>(grid(inputA), "cbCallA", 2, 0)->setText("&Call");
    pages->addTab(inputs, "Inputs");

    auto* settings = new QWidget;
    settings->setObjectName("moduleRV_23__Settings");
    new QHBoxLayout(settings);
    QGroupBox* codes = group(settings, "gbCodes", "Codes");
    add<QLabel>(grid(codes), "lOutX", 0, 0, 2)->setText("Output X");
    add<QLineEdit>(grid(codes), "leOutX1", 0, 1);
    add<QLineEdit>(grid(codes), "leOutX2", 1, 1);
    add<QLabel>(grid(codes), "lPIN", 2, 0)->setText("Programming code");
    add<QLineEdit>(grid(codes), "lePIN", 2, 1);
    pages->addTab(settings, "Settings");
}

void TestFieldLabels::settingsAreNamedAsThePageShowsThem_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("described");

    QTest::newRow("row described by a group beside") << "inputs.gbInputA.leSMSA" << "Inputs > Input A > SMS text";
    QTest::newRow("check box by its own text") << "inputs.gbInputA.cbCallA" << "Inputs > Input A > Call";
    QTest::newRow("table cell by column and row")
        << "inputs.gbInputA.tAPhones.valueColumn2.value03" << "Inputs > Input A > Phone numbers: Count 4";
    QTest::newRow("label spanning two rows") << "settings.gbCodes.lOutX.leOutX2" << "Settings > Codes > Output X";
    QTest::newRow("label in the field's row") << "settings.gbCodes.lePIN" << "Settings > Codes > Programming code";
    QTest::newRow("no widget keeps the short names") << "informations.values.imei" << "informations > values > imei";
}

void TestFieldLabels::settingsAreNamedAsThePageShowsThem()
{
    QFETCH(QString, path);
    QTEST(FieldLabels(pages.get()).describe(path), "described");
}

void TestFieldLabels::onlyThePagesAreWrittenBack()
{
    const FieldLabels labels(pages.get());
    QCOMPARE(labels.pagesOnly(R"({"inputs":{"a":1},"informations":{"imei":2}})"), QByteArray(R"({"inputs":{"a":1}})"));
    QCOMPARE(labels.pagesOnly(R"({"other":{"a":1}})"), QByteArray(R"({"other":{"a":1}})"));
}

QTEST_MAIN(TestFieldLabels)
#include "tst_fieldlabels.moc"
