// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program offscreen: it keeps running and makes its template
// folder, beside itself in a development build and in the user's data folder
// in a packaged one, writing nothing anywhere else.
class TestSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programStartsAndRuns()
    {
        const QDir programFolder = QFileInfo(QStringLiteral(TESSEL_EXECUTABLE)).dir();
        const QStringList beside = programFolder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_qs, home.path());
        environment.remove(u"XDG_DATA_HOME"_qs);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(TESSEL_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(!program.waitForFinished(1500), "the program ended by itself");

        const QString userStore = home.filePath(u".local/share/neattessel/tmp"_qs);
        if (TESSEL_PACKAGED) {
            QCOMPARE(programFolder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), beside);
            QVERIFY(QFileInfo(userStore).isDir());
        } else {
            QVERIFY(QFileInfo(programFolder, u"tmp"_qs).isDir());
            QVERIFY(QDir(home.path()).isEmpty());
        }
        program.kill();
        QVERIFY(program.waitForFinished());
    }
};

QTEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"
