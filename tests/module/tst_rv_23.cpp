#include "module/rv_23.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The module object itself, outside the plug-in file.
class TestRV23 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void extendedFlagRoundTrips_data();
    void extendedFlagRoundTrips();

private:
    QTemporaryDir settingsDir;
};

void TestRV23::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}

void TestRV23::extendedFlagRoundTrips_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("expected");

    QTest::newRow("nothing stored: off") << QVariant() << false;
    QTest::newRow("stored on") << QVariant(true) << true;
}

void TestRV23::extendedFlagRoundTrips()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, expected);
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Tessaline/Praxon", "Praxon");
        settings.clear();
        if (stored.isValid())
            settings.setValue("RV-23/extended", stored);
    }

    {
        moduleRV_23::RV_23 module;
        QCOMPARE(module.extendedView(), expected);
    }

    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Tessaline/Praxon", "Praxon");
    QCOMPARE(settings.value("RV-23/extended").toBool(), expected);
    QVERIFY(settings.contains("RV-23/extended"));
}

QTEST_MAIN(TestRV23)
#include "tst_rv_23.moc"
