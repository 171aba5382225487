#include "link/portlist.h"

#include <QSerialPortInfo>
#include <QtTest>

using namespace moduleRV_23;

// The extra ports that put pseudo-terminals on the connector's port list.
class TestPortList : public QObject
{
    Q_OBJECT

private slots:
    void extraPorts_data();
    void extraPorts();
    void extraPortsFollowTheSystemPorts();
};

void TestPortList::extraPorts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("ports");

    QTest::newRow("unset") << "" << QStringList();
    QTest::newRow("bare path is the maker's interface") << "/dev/pts/7"
                                                       << QStringList{"/dev/pts/7|RV-23 USB|TESSALINE"};
    QTest::newRow("described entry") << "/tmp/rv|RV-23K USB Interface|TESSALINE"
                                     << QStringList{"/tmp/rv|RV-23K USB Interface|TESSALINE"};
    QTest::newRow("several, empty entries skipped") << ";/dev/pts/1;;/dev/pts/2|Modem|ACME;"
                                                    << QStringList{"/dev/pts/1|RV-23 USB|TESSALINE",
                                                                   "/dev/pts/2|Modem|ACME"};
    QTest::newRow("description without maker") << "/dev/pts/3|Modem" << QStringList{"/dev/pts/3|Modem|"};
    QTest::newRow("entry without path skipped") << "|RV-23 USB|TESSALINE" << QStringList();
}

void TestPortList::extraPorts()
{
    QFETCH(QString, value);
    QFETCH(QStringList, ports);

    QStringList got;
    for (const PortCandidate& port : parseExtraPorts(value)) {
        QCOMPARE(port.portName, port.location);
        got << port.location + '|' + port.description + '|' + port.manufacturer;
    }
    QCOMPARE(got, ports);
}

void TestPortList::extraPortsFollowTheSystemPorts()
{
    qputenv("RV23_EXTRA_PORTS", "/dev/pts/90;/dev/pts/91|Modem|ACME");
    const QList<PortCandidate> ports = candidatePorts();
    qunsetenv("RV23_EXTRA_PORTS");

    QVERIFY(ports.size() >= 2);
    QCOMPARE(ports.at(ports.size() - 2).location, QStringLiteral("/dev/pts/90"));
    QCOMPARE(ports.last().manufacturer, QStringLiteral("ACME"));
    QCOMPARE(ports.size() - 2, QSerialPortInfo::availablePorts().size());
}

QTEST_APPLESS_MAIN(TestPortList)
#include "tst_portlist.moc"
