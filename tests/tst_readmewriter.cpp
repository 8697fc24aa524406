// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "core/OutputPath.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"
#include "readme/ReadmeComposer.h"
#include "readme/ReadmeWriter.h"
#include "templates/TemplateStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

using namespace CoreFixtures;

// The cause a failure names, given the folder written to.
using Cause = QString (*)(const QString &folder);
Q_DECLARE_METATYPE(Cause)

class TestReadmeWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outputPath_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");

        const int win = int(PathStyle::Windows);
        const int posix = int(PathStyle::Posix);
        QTest::newRow("win: drive root keeps its backslash")
            << win << u"C:\\"_s << u"ReadMe"_s << u"C:\\ReadMe.txt"_s;
        QTest::newRow("win: folder gets one backslash")
            << win << u"D:\\docs"_s << u"はじめにお読みください"_s
            << u"D:\\docs\\はじめにお読みください.txt"_s;
        QTest::newRow("win: .txt is always appended")
            << win << u"D:\\docs\\"_s << u"readme.txt"_s << u"D:\\docs\\readme.txt.txt"_s;
        QTest::newRow("win: empty name")
            << win << u"D:\\docs"_s << QString() << u"D:\\docs\\.txt"_s;
        QTest::newRow("win: slash is no backslash")
            << win << u"D:/docs/"_s << u"a"_s << u"D:/docs/\\a.txt"_s;
        QTest::newRow("win: yen sign is no backslash")
            << win << u"D:¥"_s << u"a"_s << u"D:¥\\a.txt"_s;
        QTest::newRow("win: blanks are a folder") << win << u"  "_s << u"a"_s << u"  \\a.txt"_s;
        QTest::newRow("posix: folder gets one slash")
            << posix << u"/home/u"_s << u"ReadMe"_s << u"/home/u/ReadMe.txt"_s;
        QTest::newRow("posix: slash kept") << posix << u"/"_s << u"ReadMe"_s << u"/ReadMe.txt"_s;
        QTest::newRow("posix: backslash is no separator")
            << posix << u"C:\\"_s << u"a"_s << u"C:\\/a.txt"_s;
    }

    void outputPath()
    {
        QFETCH(int, style);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, expected);
        ReadmeSettings s;
        s.txtPath = folder;
        s.cmbFile = file;
        QCOMPARE(readmeFilePath(s, PathStyle(style)), expected);
    }

    void emptyFolderTextIsTheSeparatorAlone()
    {
        QCOMPARE(outputFolderPath(QString(), PathStyle::Windows), u"\\"_s);
        QCOMPARE(outputFolderPath(QString(), PathStyle::Posix), u"/"_s);
    }

    void initialFolderIsPlatformRoot()
    {
        QCOMPARE(initialFolder(PathStyle::Windows), u"C:\\"_s);
        QCOMPARE(initialFolder(PathStyle::Posix), QDir::homePath() + u'/');
    }

    void sampleToolReadmeIs471Bytes()
    {
        QTemporaryDir dir;
        const ReadmeSettings s = sampleToolAnswers(dir.path());
        const WriteResult result = writeReadme(s, PathStyle::Posix);
        QVERIFY2(result.written(), qPrintable(result.message));
        QCOMPARE(result.path, dir.filePath(u"ReadMe.txt"_s));
        const QByteArray bytes = readFile(result.path);
        QCOMPARE(bytes.size(), 471);
        QVERIFY(bytes.startsWith(QByteArray(72, '-') + "\r\n\x81\x79   \x83\x5c"));
        QVERIFY(bytes.endsWith("\x81\x7a\r\n\r\n\r\n\r\n\r\n"));
        QVERIFY(!bytes.contains("\n\n"));
    }

    void existingFileIsReplaced_data()
    {
        QTest::addColumn<QFileDevice::Permissions>("kept");
        using P = QFileDevice::Permission;
        QTest::newRow("owner may write") << (P::ReadOwner | P::WriteOwner | P::ReadGroup);
        // Root may replace a file that nobody may write; the new file must
        // not take root's own rights.
        QTest::newRow("read-only, replaced by root")
            << QFileDevice::Permissions(P::ReadOwner | P::ReadGroup);
    }

    // Its permissions stay as they were.
    void existingFileIsReplaced()
    {
        QFETCH(QFileDevice::Permissions, kept);
        using P = QFileDevice::Permission;
#ifdef Q_OS_WIN
        if (!(kept & P::WriteOwner))
            QSKIP("a read-only file is not replaced on Windows");
#else
        if (!(kept & P::WriteOwner) && geteuid() != 0)
            QSKIP("only root replaces a read-only file");
#endif
        QTemporaryDir dir;
        ReadmeSettings s = sampleToolAnswers(dir.path() + u'/');
        s.List2Right.clear();
        const QString path = dir.filePath(u"ReadMe.txt"_s);
        QVERIFY(writeFile(path, QByteArray(5000, 'x')));
        QVERIFY(QFile::setPermissions(path, kept));
        QVERIFY(writeReadme(s, PathStyle::Posix).written());
#ifndef Q_OS_WIN // Windows keeps no such bits: a file is read-only or not
        QCOMPARE(QFile::permissions(path) & ~(P::ReadUser | P::WriteUser | P::ExeUser), kept);
#endif
        QVERIFY(readFile(path).endsWith(QByteArray(72, '-') + "\r\n\r\n"));
        QCOMPARE(readFile(path).size(), 471 - 2 * 20); // two heading blocks of 20 bytes fewer
    }

    void emptyFolderIsRefusedWithoutWriting()
    {
        ReadmeSettings s = sampleToolAnswers(QString());
        const WriteResult result = writeReadme(s, nativePathStyle());
        QCOMPARE(result.status, WriteResult::Status::Refused);
        QCOMPARE(result.message, Texts::emptyFolder());
    }

    void failuresNameTheFileAndKeepTheOldOne_data()
    {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Cause>("cause");

        QTest::newRow("folder does not exist")
            << u"missing"_s << u"ReadMe"_s << u"t"_s
            << Cause([](const QString &folder) { return Texts::folderMissing(folder); });
        QTest::newRow("name longer than the file system allows")
            << QString() << QString(300, u'a') << u"t"_s
            << Cause([](const QString &) { return Texts::nameTooLong(); });
        QTest::newRow("a folder stands at the file's place")
            << QString() << u"taken"_s << u"t"_s
            << Cause([](const QString &) { return Texts::folderOfSameName(); });
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cause");

        QTest::newRow("character without a code") << u"ReadMe"_s << u"smile 😀"_s << u"U+1F600"_s;
        QTest::newRow("yen sign has no code") << u"ReadMe"_s << u"¥100"_s << u"U+00A5"_s;
        QTest::newRow("tab in the file name") << u"a\tb"_s << u"t"_s << u"U+0009"_s;
#ifdef Q_OS_WIN
        // Windows opens a device, not a file, for this name.
        QTest::newRow("device name") << u"CON"_s << u"t"_s << Texts::deviceName(u"CON.txt");
#endif
    }

    // Refused before anything is written, with the old file untouched.
    void refusalsWriteNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString old = dir.filePath(u"ReadMe.txt"_s);
        QVERIFY(writeFile(old, "old"));
        ReadmeSettings s = sampleToolAnswers(dir.path());
        s.cmbFile = fileName;
        s.txtTitle = title;
        const WriteResult result = writeReadme(s, nativePathStyle());
        QCOMPARE(result.status, WriteResult::Status::Refused);
        QVERIFY2(result.message.contains(cause), qPrintable(result.message));
        QCOMPARE(readFile(old), QByteArray("old"));
        QCOMPARE(entriesOf(dir.path()), QStringList{u"ReadMe.txt"_s});
    }

    void windowsNames_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");

        const QString title = u"title"_s, file = u"cmbFile"_s, folder = u"txtPath"_s;
        QTest::newRow("device name") << title << u"CON"_s << true;
        QTest::newRow("device name in lower case") << file << u"nul"_s << true;
        QTest::newRow("device name with an extension") << file << u"Prn.old"_s << true;
        QTest::newRow("device name, space before the extension") << title << u"aux "_s << true;
        QTest::newRow("COM1") << file << u"COM1"_s << true;
        QTest::newRow("LPT9 with an extension") << title << u"lpt9.backup"_s << true;
        QTest::newRow("COM0 is no device") << file << u"COM0"_s << false;
        QTest::newRow("COM10 is no device") << title << u"COM10"_s << false;
        QTest::newRow("CONSOLE is no device") << file << u"CONSOLE"_s << false;
        QTest::newRow("ends in a dot before .txt") << file << u"ReadMe."_s << false;
        QTest::newRow("folder ends in a dot") << folder << u"C:\\docs.\\"_s << true;
        QTest::newRow("folder ends in a space") << folder << u"C:\\docs \\sub"_s << true;
        QTest::newRow("device as a folder") << folder << u"D:/con/"_s << true;
        QTest::newRow("dot folders, drive and server")
            << folder << u"\\\\srv\\c$\\.\\..\\x\\"_s << false;
    }

    // The Windows rules, checked on every platform: names Windows keeps for
    // devices, and folder names it would change by dropping a final dot or
    // space. Elsewhere the same names are fine.
    void windowsNames()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        for (const PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
            ReadmeSettings s = sampleToolAnswers(u"C:\\"_s);
            QString problem;
            if (field == u"title") {
                s.txtTitle = text;
                problem = TemplateStore(u"/nonexistent"_s, style).prepare(s).problem;
            } else {
                (field == u"cmbFile" ? s.cmbFile : s.txtPath) = text;
                problem = readmePathProblem(s, style);
            }
            QCOMPARE(!problem.isEmpty(), refused && style == PathStyle::Windows);
            if (!problem.isEmpty() && field != u"title")
                QVERIFY2(problem.startsWith(u"「%1」"_s.arg(field == u"cmbFile"
                                                                ? Texts::Caption::cmbFile
                                                                : Texts::Caption::txtPath)),
                         qPrintable(problem));
        }
    }

    void failuresNameTheFileAndKeepTheOldOne()
    {
        QFETCH(QString, subfolder);
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QFETCH(Cause, cause);

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"taken.txt"_s));
        const QString old = dir.filePath(u"ReadMe.txt"_s);
        QVERIFY(writeFile(old, "old"));
        ReadmeSettings s = sampleToolAnswers(QDir(dir.path()).filePath(subfolder));
        s.cmbFile = fileName;
        s.txtTitle = title;

        const WriteResult result = writeReadme(s, PathStyle::Posix);
        QCOMPARE(result.status, WriteResult::Status::Failed);
        const QString folder = QDir::toNativeSeparators(s.txtPath);
        QVERIFY2(result.message.startsWith(
                     Texts::notSaved(QDir::toNativeSeparators(result.path), cause(folder))),
                 qPrintable(result.message));
        QCOMPARE(readFile(old), QByteArray("old"));
        const QStringList left =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(left, QStringList({u"ReadMe.txt"_s, u"taken.txt"_s}));
    }
};

QTEST_GUILESS_MAIN(TestReadmeWriter)
#include "tst_readmewriter.moc"
