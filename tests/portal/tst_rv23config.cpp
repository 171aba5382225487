#include "link/rv23_config.h"

#include <QtTest>

namespace {

// Stands for the connector's slot that takes an imported record.
class Receiver final : public QObject
{
    Q_OBJECT

public:
    RV23_Config received;
    int count = 0;

public slots:
    void take(RV23_Config config)
    {
        received = config;
        ++count;
    }
};

} // namespace

// The configuration record as it crosses from the module to the connector thread.
class TestRV23Config : public QObject
{
    Q_OBJECT

private slots:
    void travelsAsACopyThroughAQueuedCall();
};

void TestRV23Config::travelsAsACopyThroughAQueuedCall()
{
    QVERIFY(moduleRV_23::registerConfigType() == moduleRV_23::registerConfigType());
    QCOMPARE(QMetaType::type("RV23_Config"), qMetaTypeId<RV23_Config>());

    RV23_Config sent;
    sent.KreditUssd = QStringLiteral("*101#");
    sent.KreditLimit = 999;
    sent.InputTexts[RV23_Config::C].OffText = QStringLiteral("C klid");
    sent.YPhones[49] = QStringLiteral("+420777000049");
    sent.YCounts[49] = 7;
    sent.periferie.X3 = QStringLiteral("11000000000005");

    Receiver receiver;
    QVERIFY(QMetaObject::invokeMethod(&receiver, "take", Qt::QueuedConnection,
                                      Q_ARG(RV23_Config, sent)));
    sent.KreditUssd = QStringLiteral("changed after sending");
    QTRY_COMPARE(receiver.count, 1);

    const RV23_Config& got = receiver.received;
    QCOMPARE(got.KreditUssd, QStringLiteral("*101#"));
    QCOMPARE(got.KreditLimit, quint16(999));
    QCOMPARE(got.InputTexts[RV23_Config::C].OffText, QStringLiteral("C klid"));
    QCOMPARE(got.YPhones[49], QStringLiteral("+420777000049"));
    QCOMPARE(got.YCounts[49], 7);
    QCOMPARE(got.periferie.X3, QStringLiteral("11000000000005"));
}

QTEST_GUILESS_MAIN(TestRV23Config)
#include "tst_rv23config.moc"
