// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"
#include "io/Cp932Codec.h"
#include "templates/TemplateFormat.h"
#include "templates/TemplateStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifndef Q_OS_WIN
#include "ChildProcess.h"

#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

using namespace CoreFixtures;

namespace {

QByteArray cp932(const QString &text)
{
    return Cp932Codec::encode(text).bytes;
}

// The answers of the example file with two available and three chosen
// headings and an empty title.
ReadmeSettings exampleAnswers()
{
    ReadmeSettings s = ReadmeSettings::atStartup();
    s.cmbDousa = u"WindowsXP"_s;
    s.cmbHissu = u"Windows98以降"_s;
    s.cmbTF = u"自由"_s;
    s.txtPath = u"C:\\"_s;
    s.list2Left = {u"謝辞"_s, u"VerUp履歴"_s};
    s.List2Right = {u"はじめに"_s, u"ソフト紹介"_s, u"注意事項"_s};
    return s;
}

const QString ExampleFile =
    u"\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"WindowsXP\"\r\n\"Windows98以降\"\r\n"
    u"\"フリーウェア\"\r\n\"自由\"\r\n\"\"\r\n\"\"\r\n\"------------------\"\r\n"
    u"\"ReadMe\"\r\n\"【 】\"\r\n\"C:\\\"\r\n\"謝辞\"\r\n\"VerUp履歴\"\r\n999\r\n"
    u"\"はじめに\"\r\n\"ソフト紹介\"\r\n\"注意事項\"\r\n"_s;

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void exampleFileIsWrittenToTheByte()
    {
        QTemporaryDir dir;
        const TemplateStore store(dir.path(), PathStyle::Windows);
        const WriteResult result = saveTemplate(store, exampleAnswers());
        QVERIFY2(result.written(), qPrintable(result.message));
        QCOMPARE(result.path, dir.filePath(u".tmp"_s));
        QCOMPARE(readFile(result.path), cp932(ExampleFile));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("right");
        QTest::addColumn<QString>("value");

        QTest::newRow("both lists empty") << QStringList() << QStringList() << u"x"_s;
        QTest::newRow("comma inside a value")
            << QStringList{u"a,b"_s} << QStringList{u",,"_s} << u"1,2"_s;
        QTest::newRow("double quotes inside a value")
            << QStringList{u"\"q\""_s} << QStringList{u"say \"hi\""_s} << u"a\"b\"c"_s;
        QTest::newRow("quoted 999 is a heading")
            << QStringList{u"999"_s, u"x"_s} << QStringList{u"999"_s} << u"999"_s;
        QTest::newRow("empty and blank headings")
            << QStringList{QString(), u" "_s} << QStringList{QString()} << QString();
        QTest::newRow("lone quote") << QStringList{u"\""_s} << QStringList{u"\"\""_s} << u"\""_s;
        QTest::newRow("DEL inside values")
            << QStringList{u"a\x7f"_s} << QStringList{u"\x7f"_s} << u"b\x7f c"_s;
    }

    void roundTrip()
    {
        QFETCH(QStringList, left);
        QFETCH(QStringList, right);
        QFETCH(QString, value);
        QTemporaryDir dir;
        const TemplateStore store(dir.path(), PathStyle::Posix);
        ReadmeSettings s = exampleAnswers();
        s.txtTitle = u"テスト"_s;
        s.txtName = value;
        s.cmbKakko = value;
        s.txtPath = u"/data"_s;
        s.list2Left = left;
        s.List2Right = right;
        QVERIFY(saveTemplate(store, s).written());
        QVERIFY(QFile::exists(dir.filePath(u"テスト.tmp"_s)));

        const TemplateFormat::ParseResult loaded = store.load(u"テスト"_s);
        QVERIFY2(loaded.ok(), qPrintable(loaded.error));
        s.txtPath = u"/data/"_s; // the folder is stored with its separator
        QCOMPARE(loaded.settings, s);
    }

    void unusualLines_data()
    {
        QTest::addColumn<QString>("tail");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("right");

        QTest::newRow("no headings") << u"999\r\n"_s << QStringList() << QStringList();
        QTest::newRow("unquoted lines read whole")
            << u"abc\r\n999\r\n\"x\"tail\r\n"_s << QStringList{u"abc"_s} << QStringList{u"x"_s};
        QTest::newRow("last line without CR LF")
            << u"999\r\n\"x\""_s << QStringList() << QStringList{u"x"_s};
        QTest::newRow("LF-only line ends")
            << u"\"a\"\n999\n\"b\"\n"_s << QStringList{u"a"_s} << QStringList{u"b"_s};
        QTest::newRow("second unquoted 999 is a heading")
            << u"999\r\n999\r\n"_s << QStringList() << QStringList{u"999"_s};
    }

    void unusualLines()
    {
        QFETCH(QString, tail);
        QFETCH(QStringList, left);
        QFETCH(QStringList, right);
        const QString head = ExampleFile.left(ExampleFile.indexOf(u"\"謝辞\""_s));
        const TemplateFormat::ParseResult r = TemplateFormat::parseTemplateText(head + tail);
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(r.settings.txtPath, u"C:\\"_s);
        QCOMPARE(r.settings.cmbKakko, u"【 】"_s);
        QCOMPARE(r.settings.list2Left, left);
        QCOMPARE(r.settings.List2Right, right);
    }

    void damagedFilesAreReportedWithTheFileName_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cause");

        const QByteArray example = cp932(ExampleFile);
        QTest::newRow("empty file") << QByteArray() << Texts::endsEarly(0, 14, u"999");
        QTest::newRow("ends before field 14")
            << example.left(example.indexOf("\"C:")) << Texts::endsEarly(13, 14, u"999");
        QTest::newRow("no separator")
            << example.left(example.indexOf("999")) << Texts::noSeparator(u"999");
        QTest::newRow("quoted separator only")
            << QByteArray(example).replace("999", "\"999\"") << Texts::noSeparator(u"999");
        QTest::newRow("bytes that are not code page 932")
            << QByteArray(example).replace("999", "\x81\x20")
            << Texts::undecodable(example.indexOf("999") + 1);
        QTest::newRow("truncated double-byte character")
            << example.left(example.size() - 4) << Texts::undecodable(example.size() - 4);
        QTest::newRow("CR-only line ends")
            << QByteArray(example).replace("\r\n", "\r") << Texts::onlyCr();
    }

    void damagedFilesAreReportedWithTheFileName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const TemplateStore store(dir.path());
        QVERIFY(writeFile(store.filePath(u"bad"_s), bytes));
        const TemplateFormat::ParseResult r = store.load(u"bad"_s);
        QVERIFY(!r.ok());
        QVERIFY2(r.error.contains(cause), qPrintable(r.error));
        QVERIFY2(r.error.contains(QDir::toNativeSeparators(store.filePath(u"bad"_s))),
                 qPrintable(r.error));
    }

    void savingProblemsWriteNothing_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("cause");

        const int win = int(PathStyle::Windows);
        const int posix = int(PathStyle::Posix);
        const auto control = [](char16_t code) {
            return Texts::holds(Texts::controlCharacter(code));
        };
        const QString lineBreak = Texts::lineBreaks(u"「%1」"_s.arg(Texts::Caption::leftList()));
        QTest::newRow("slash") << posix << u"a/b"_s << u"h"_s << Texts::holdsCharacter(u'/');
        QTest::newRow("backslash") << posix << u"a\\b"_s << u"h"_s << Texts::holdsCharacter(u'\\');
        QTest::newRow("control character") << posix << u"a\tb"_s << u"h"_s << control(0x09);
        QTest::newRow("DEL in the title") << posix << u"a\x7f"_s << u"h"_s << control(0x7f);
        QTest::newRow("lone CR in the title") << posix << u"a\rb"_s << u"h"_s << control(0x0d);
        QTest::newRow("device name on windows")
            << win << u"con"_s << u"h"_s << Texts::deviceName(u"con.tmp");
        QTest::newRow("colon on windows")
            << win << u"a:b"_s << u"h"_s << Texts::holdsCharacter(u':');
        QTest::newRow("question mark on windows")
            << win << u"a?"_s << u"h"_s << Texts::holdsCharacter(u'?');
        QTest::newRow("device name, any case, any extension")
            << win << u"nul.x"_s << u"h"_s << Texts::deviceName(u"nul.x.tmp");
        QTest::newRow("numbered device with trailing space")
            << win << u"Com9 "_s << u"h"_s << Texts::deviceName(u"Com9 .tmp");
        QTest::newRow("name too long")
            << posix << QString(252, u'あ') << u"h"_s << Texts::tooLongForFileName();
        QTest::newRow("heading without a code") << posix << u"ok"_s << u"€"_s << u"U+20AC"_s;
        QTest::newRow("line break in a heading") << posix << u"ok"_s << u"a\nb"_s << lineBreak;
        QTest::newRow("lone CR in a heading") << posix << u"ok"_s << u"a\rb"_s << lineBreak;
    }

    void savingProblemsWriteNothing()
    {
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(QString, heading);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const TemplateStore store(dir.path(), PathStyle(style));
        ReadmeSettings s = exampleAnswers();
        s.txtTitle = title;
        s.list2Left.append(heading);
        const WriteResult result = saveTemplate(store, s);
        QCOMPARE(result.status, WriteResult::Status::Refused);
        QVERIFY2(result.message.contains(cause), qPrintable(result.message));
        QVERIFY2(result.message.contains(Texts::untickHint()), qPrintable(result.message));
        QCOMPARE(entriesOf(dir.path()), QStringList());
    }

    // With this platform's own rules, into the folder "tmp" beside the
    // program: names that only look like devices are files like any other.
    void savedBesideTheProgram_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("Japanese title") << u"テスト"_s;
        QTest::newRow("device name inside a longer one") << u"CONSOLE"_s;
        QTest::newRow("device name after the first dot") << u"a.CON"_s;
        QTest::newRow("port number out of range") << u"COM10"_s;
    }

    void savedBesideTheProgram()
    {
        QFETCH(QString, title);
        QTemporaryDir program;
        const TemplateStore store = TemplateStore::locate(program.path());
        ReadmeSettings s = exampleAnswers();
        s.txtTitle = title;
        const WriteResult result = saveTemplate(store, s);
        QVERIFY2(result.written(), qPrintable(result.message));
        QCOMPARE(QDir(program.filePath(u"tmp"_s)).entryList(QDir::Files | QDir::Hidden),
                 QStringList{title + u".tmp"_s});
        QCOMPARE(store.templateNames(), QStringList{title});
    }

    void listingShowsOnlyTemplateFilesInNameOrder()
    {
        QTemporaryDir dir;
        const TemplateStore store(dir.path(), PathStyle::Posix);
        for (const QString &name : {u"b.tmp"_s, u"A.tmp"_s, u".tmp"_s, u".net.tmp"_s, u"c.txt"_s,
                                    u"d.tmp.bak"_s, u"E.TMP"_s, u"_x.tmp"_s})
            QVERIFY(writeFile(dir.filePath(name), "x"));
        QVERIFY(QDir(dir.path()).mkdir(u"folder.tmp"_s));
        QCOMPARE(store.templateNames(),
                 QStringList({QString(), u".net"_s, u"A"_s, u"b"_s, u"_x"_s}));
    }

    void strangeFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("cause");
#ifndef Q_OS_WIN
        const QString notRegular = Texts::notRegularFile();
        QTest::newRow("link to /dev/zero") << u"zero"_s << false << notRegular;
        QTest::newRow("FIFO") << u"fifo"_s << false << notRegular;
        QTest::newRow("link to a FIFO") << u"fifo link"_s << false << notRegular;
#endif
        QTest::newRow("folder x.tmp") << u"folder"_s << false << Texts::notRegularFile();
        QTest::newRow("larger than the limit")
            << u"large"_s << true << Texts::tooLargeToRead(TemplateFormat::MaxBytes);
    }

    // Only regular files are listed, judged after following a link; loading
    // one anyway by its name neither blocks nor reads without end: it runs
    // in a child that an alarm stops after ten seconds.
    void strangeFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, listed);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const TemplateStore store(dir.path(), PathStyle::Posix);
        QVERIFY(saveTemplate(store, exampleAnswers()).written());
        const QString path = store.filePath(u"x"_s);
#ifndef Q_OS_WIN
        const QByteArray native = QFile::encodeName(path);
        const QByteArray fifo = QFile::encodeName(dir.filePath(u"pipe"_s));
        if (kind == u"zero")
            QVERIFY(QFile::link(u"/dev/zero"_s, path));
        else if (kind == u"fifo")
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        else if (kind == u"fifo link")
            QVERIFY(::mkfifo(fifo.constData(), 0600) == 0
                    && QFile::link(dir.filePath(u"pipe"_s), path));
        else
#endif
            if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(u"x.tmp"_s));
        else
            QVERIFY(writeFile(path, "x") && QFile::resize(path, TemplateFormat::MaxBytes + 1));

        QCOMPARE(store.templateNames(),
                 listed ? QStringList({QString(), u"x"_s}) : QStringList{QString()});
#ifdef Q_OS_WIN
        const std::optional<QByteArray> error = store.load(u"x"_s).error.toUtf8();
#else
        const std::optional<QByteArray> error =
            ChildProcess::run([&] { return store.load(u"x"_s).error.toUtf8(); });
#endif
        QVERIFY2(error.has_value(), "loading blocked or died");
        QVERIFY2(error->contains(cause.toUtf8()), error->constData());
    }

    // A template the store could not read again is not saved either.
    void tooLargeToReadIsNotSaved()
    {
        QTemporaryDir dir;
        const TemplateStore store(dir.path(), PathStyle::Posix);
        ReadmeSettings s = exampleAnswers();
        s.List2Right = QStringList(65, QString(1024 * 1024, u'x'));
        const WriteResult result = saveTemplate(store, s);
        QCOMPARE(result.status, WriteResult::Status::Refused);
        QCOMPARE(result.message, Texts::templateTooLarge(TemplateFormat::MaxBytes));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void emptyStoreListsNothing()
    {
        QTemporaryDir dir;
        QCOMPARE(TemplateStore(dir.path()).templateNames(), QStringList());
    }

    void locate_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<QString>("expectedName");

        QTest::newRow("missing: created beside the program") << QString() << false << u"tmp"_s;
        QTest::newRow("existing folder used as it is") << u"tmp"_s << false << u"tmp"_s;
        QTest::newRow("other letter case used as it is") << u"TMP"_s << false << u"TMP"_s;
        QTest::newRow("plain file: per-user folder") << u"tmp"_s << true << QString();
    }

    void locate()
    {
        QFETCH(QString, existing);
        QFETCH(bool, isFile);
        QFETCH(QString, expectedName);
        QTemporaryDir program;
        const QDir dir(program.path());
        if (!existing.isEmpty())
            QVERIFY(isFile ? writeFile(dir.filePath(existing), "x") : dir.mkdir(existing));
        if (!isFile && !existing.isEmpty())
            QVERIFY(writeFile(dir.filePath(existing + u"/kept.tmp"_s), "x"));

        const TemplateStore store = TemplateStore::locate(program.path());
        const QString expected =
            expectedName.isEmpty()
                ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/tmp"_s
                : dir.filePath(expectedName);
        QCOMPARE(store.folder(), expected);
        QVERIFY(QFileInfo(store.folder()).isDir());
        if (!isFile && !existing.isEmpty())
            QCOMPARE(store.templateNames(), QStringList{u"kept"_s});
    }
};

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
