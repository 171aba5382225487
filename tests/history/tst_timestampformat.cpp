#include "history/timestampformat.h"

#include <QLocale>
#include <QtTest>

// The display format of event time stamps, which carry no year.
class TestTimeStampFormat : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void fromShortDateFormat_data();
    void fromShortDateFormat();
    void followsTheDefaultLocale_data();
    void followsTheDefaultLocale();
};

void TestTimeStampFormat::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestTimeStampFormat::fromShortDateFormat_data()
{
    QTest::addColumn<QString>("shortFormat");
    QTest::addColumn<QString>("expected");

    QTest::newRow("single d and M doubled, separator before year kept")
        << "d.M.yy" << "dd.MM.  HH:mm:ss";
    QTest::newRow("month first") << "M/d/yy" << "MM/dd/  HH:mm:ss";
    QTest::newRow("two digits already, long year") << "dd.MM.yyyy" << "dd.MM.  HH:mm:ss";
    QTest::newRow("year first leaves a leading separator") << "yyyy/MM/dd" << "/MM/dd  HH:mm:ss";
    QTest::newRow("day name kept as it is") << "ddd M/yy" << "ddd MM/  HH:mm:ss";
    QTest::newRow("month name kept as it is") << "d MMM yyyy" << "dd MMM   HH:mm:ss";
    QTest::newRow("spaced separators") << "d. M. yyyy" << "dd. MM.   HH:mm:ss";
}

void TestTimeStampFormat::fromShortDateFormat()
{
    QFETCH(QString, shortFormat);
    QFETCH(QString, expected);

    QCOMPARE(moduleRV_23::timeStampFormat(shortFormat), expected);
}

void TestTimeStampFormat::followsTheDefaultLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shown");

    QTest::newRow("american") << QLocale(QLocale::English, QLocale::UnitedStates)
                              << "03/07/  08:05:09";
    QTest::newRow("czech") << QLocale(QLocale::Czech, QLocale::CzechRepublic) << "07.03.  08:05:09";
}

// A record of 7 March, as the Events table shows it.
void TestTimeStampFormat::followsTheDefaultLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shown);

    QLocale::setDefault(locale);
    const QDateTime stamp(QDate(1970, 3, 7), QTime(8, 5, 9));
    QCOMPARE(stamp.toString(moduleRV_23::timeStampFormat()), shown);
}

QTEST_GUILESS_MAIN(TestTimeStampFormat)
#include "tst_timestampformat.moc"
