#include <QProcess>
#include <QtTest>

// The module's own catalogues are complete for every id in use. What the compiled ones show is
// checked where they are loaded: the module's language switch and the pages' tool tips.
class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void everyIdInUseIsTranslated();
};

void TestCatalogues::everyIdInUseIsTranslated()
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(RV23_CATALOGUE_TOOL, {"--check"});
    QVERIFY(tool.waitForFinished(60000));
    const QByteArray report = tool.readAll();
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             ("Run rv23-catalogue --update and translate:\n" + report).constData());
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
