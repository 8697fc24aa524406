#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program headless and checks that it comes up and keeps
// running: the start-up (template folder beside the program, the main
// window) works outside the test harness too.
class TestSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programStartsAndRuns();
};

void TestSmoke::programStartsAndRuns()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_qs, home.path());
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(TESSEL_EXECUTABLE), {});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(1500), "the program ended by itself");
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(QFileInfo(QFileInfo(QStringLiteral(TESSEL_EXECUTABLE)).dir().filePath(u"tmp"_qs))
                .isDir());
    QVERIFY(QDir(home.path()).isEmpty());
    program.kill();
    QVERIFY(program.waitForFinished());
}

QTEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"
