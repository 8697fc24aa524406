#include "CoreFixtures.h"
#include "app/ReadmeSettings.h"
#include "readme/OutputPath.h"
#include "readme/ReadmeComposer.h"
#include "readme/ReadmeWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace CoreFixtures;

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
            << win << u"C:\\"_qs << u"ReadMe"_qs << u"C:\\ReadMe.txt"_qs;
        QTest::newRow("win: folder gets one backslash")
            << win << u"D:\\docs"_qs << u"はじめにお読みください"_qs
            << u"D:\\docs\\はじめにお読みください.txt"_qs;
        QTest::newRow("win: .txt is always appended")
            << win << u"D:\\docs\\"_qs << u"readme.txt"_qs << u"D:\\docs\\readme.txt.txt"_qs;
        QTest::newRow("win: empty name") << win << u"D:\\docs"_qs << QString()
                                         << u"D:\\docs\\.txt"_qs;
        QTest::newRow("win: slash is no backslash")
            << win << u"D:/docs/"_qs << u"a"_qs << u"D:/docs/\\a.txt"_qs;
        QTest::newRow("win: yen sign is no backslash")
            << win << u"D:¥"_qs << u"a"_qs << u"D:¥\\a.txt"_qs;
        QTest::newRow("win: blanks are a folder") << win << u"  "_qs << u"a"_qs
                                                  << u"  \\a.txt"_qs;
        QTest::newRow("posix: folder gets one slash")
            << posix << u"/home/u"_qs << u"ReadMe"_qs << u"/home/u/ReadMe.txt"_qs;
        QTest::newRow("posix: slash kept") << posix << u"/"_qs << u"ReadMe"_qs
                                           << u"/ReadMe.txt"_qs;
        QTest::newRow("posix: backslash is no separator")
            << posix << u"C:\\"_qs << u"a"_qs << u"C:\\/a.txt"_qs;
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

    void outputFolderPath_emptyTextIsTheSeparatorAlone()
    {
        QCOMPARE(OutputFolderPath(QString(), PathStyle::Windows), u"\\"_qs);
        QCOMPARE(OutputFolderPath(QString(), PathStyle::Posix), u"/"_qs);
    }

    void initialFolder_isPlatformRoot()
    {
        QCOMPARE(initialFolder(PathStyle::Windows), u"C:\\"_qs);
        QCOMPARE(initialFolder(PathStyle::Posix), QDir::homePath() + u'/');
    }

    void workedExample_writes471Bytes()
    {
        QTemporaryDir dir;
        const ReadmeSettings s = workedExample(dir.path());
        const WriteResult result = WriteReadmeFile(s, PathStyle::Posix);
        QVERIFY2(result.written(), qPrintable(result.message));
        QCOMPARE(result.path, dir.filePath(u"ReadMe.txt"_qs));
        const QByteArray bytes = readAll(result.path);
        QCOMPARE(bytes.size(), 471);
        QVERIFY(bytes.startsWith(QByteArray(72, '-') + "\r\n\x81\x79   \x83\x5c"));
        QVERIFY(bytes.endsWith("\x81\x7a\r\n\r\n\r\n\r\n\r\n"));
        QVERIFY(!bytes.contains("\n\n"));
    }

    void existingFile_isReplaced()
    {
        QTemporaryDir dir;
        ReadmeSettings s = workedExample(dir.path() + u'/');
        s.List2Right.clear();
        const QString path = dir.filePath(u"ReadMe.txt"_qs);
        QVERIFY(writeFile(path, QByteArray(5000, 'x')));
        QVERIFY(WriteReadmeFile(s, PathStyle::Posix).written());
        QVERIFY(readAll(path).endsWith(QByteArray(72, '-') + "\r\n\r\n"));
        QCOMPARE(readAll(path).size(), 471 - 2 * 20); // two heading blocks of 20 bytes fewer
    }

    void emptyFolder_isRefusedWithoutWriting()
    {
        ReadmeSettings s = workedExample(QString());
        const WriteResult result = WriteReadmeFile(s, PathStyle::Posix);
        QCOMPARE(result.status, WriteResult::Status::Refused);
        QCOMPARE(result.message, u"パスを入力してください。"_qs);
    }

    void failures_nameTheFileAndKeepTheOldOne_data()
    {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cause");

        QTest::newRow("folder does not exist")
            << u"missing"_qs << u"ReadMe"_qs << u"t"_qs << u"見つかりません"_qs;
        QTest::newRow("name longer than the file system allows")
            << QString() << QString(300, u'a') << u"t"_qs << u"長すぎます"_qs;
        QTest::newRow("a folder stands at the file's place")
            << QString() << u"taken"_qs << u"t"_qs << u"フォルダがあります"_qs;
        QTest::newRow("character without a code")
            << QString() << u"ReadMe"_qs << u"smile 😀"_qs << u"U+1F600"_qs;
        QTest::newRow("yen sign has no code")
            << QString() << u"ReadMe"_qs << u"¥100"_qs << u"U+00A5"_qs;
#ifdef Q_OS_WIN
        // Windows opens a device, not a file, for this name: the write must
        // fail, not vanish.
        QTest::newRow("device name") << QString() << u"CON"_qs << u"t"_qs << u"CON.txt"_qs;
#endif
    }

    void failures_nameTheFileAndKeepTheOldOne()
    {
        QFETCH(QString, subfolder);
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QFETCH(QString, cause);

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"taken.txt"_qs));
        const QString old = dir.filePath(u"ReadMe.txt"_qs);
        QVERIFY(writeFile(old, "old"));
        ReadmeSettings s = workedExample(QDir(dir.path()).filePath(subfolder));
        s.cmbFile = fileName;
        s.txtTitle = title;

        const WriteResult result = WriteReadmeFile(s, PathStyle::Posix);
        QCOMPARE(result.status, WriteResult::Status::Failed);
        QVERIFY2(result.message.contains(cause), qPrintable(result.message));
        QVERIFY2(result.message.contains(QDir::toNativeSeparators(result.path)), qPrintable(result.message));
        QCOMPARE(readAll(old), QByteArray("old"));
        const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(left, QStringList({u"ReadMe.txt"_qs, u"taken.txt"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestReadmeWriter)
#include "tst_readmewriter.moc"
