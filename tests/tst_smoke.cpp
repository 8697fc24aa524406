// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program offscreen: it keeps running, makes its template
// folder beside itself and writes nothing into HOME.
class TestSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programStartsAndRuns()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_qs, home.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(TESSEL_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(!program.waitForFinished(1500), "the program ended by itself");
        QVERIFY(QFileInfo(QFileInfo(QStringLiteral(TESSEL_EXECUTABLE)).dir(), u"tmp"_qs).isDir());
        QVERIFY(QDir(home.path()).isEmpty());
        program.kill();
        QVERIFY(program.waitForFinished());
    }
};

QTEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"
