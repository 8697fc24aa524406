// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"

#include "core/ChoiceLists.h"
#include "core/OutputPath.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"
#include "finish/FinishSequence.h"
#include "io/SafeFile.h"
#include "templates/TemplateStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using CoreFixtures::entriesOf;
using FinishSequence::Outcome;

namespace {

// Every file below `folder`, hidden ones included.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

void setField(ReadmeSettings &s, const QString &field, const QString &value)
{
    if (field == u"list2Left") {
        s.list2Left.append(value);
        return;
    }
    const QHash<QString, QString ReadmeSettings::*> members = {
        {u"txtTitle"_s, &ReadmeSettings::txtTitle}, {u"txtName"_s, &ReadmeSettings::txtName},
        {u"cmbKakko"_s, &ReadmeSettings::cmbKakko}, {u"cmbFile"_s, &ReadmeSettings::cmbFile},
        {u"txtPath"_s, &ReadmeSettings::txtPath},
    };
    s.*members.value(field) = value;
}

} // namespace

class TestFinish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The texts whose exact characters are easy to get wrong.
    void startupValuesAndSuggestions()
    {
        const ReadmeSettings s = ReadmeSettings::atStartup();
        QCOMPARE(s.list2Left.at(4),
                 QString::fromUtf16(u"\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99/"
                                    u"\uFF71\uFF9D\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99"));
        QCOMPARE(s.cmbKakko, QString::fromUtf16(u"\u3010 \u3011"));
        QCOMPARE(ChoiceLists::lineStyles().at(3), QString(9, QChar(0xFF0D)));
        QCOMPARE(ChoiceLists::lineStyles().at(4), u"_/"_s.repeated(11));
        QVERIFY(s.List2Right.isEmpty() && s.txtTitle.isEmpty());
        QCOMPARE(s.chkTemp, CheckValue::Ticked);
        QCOMPARE(s.chkEdit, CheckValue::Grayed);
    }

    void finish_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("chkTemp");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("readmeFolder");
        QTest::addColumn<QStringList>("storeFolder");
        QTest::addColumn<QString>("message"); // "%1" stands for the folder

        const int nothing = int(Outcome::NothingWritten);
        const QStringList readme{u"ReadMe.txt"_s};
        QTest::newRow("start-up values: ReadMe and template .tmp")
            << QString() << u"out"_s << 1 << int(Outcome::Finished) << readme
            << QStringList{u".tmp"_s} << QString();
        QTest::newRow("unticked: no template")
            << u"a/b"_s << u"out"_s << 0 << int(Outcome::Finished) << readme << QStringList()
            << QString();
        QTest::newRow("grayed: no template") << u"t"_s << u"out"_s << 2 << int(Outcome::Finished)
                                             << readme << QStringList() << QString();
        QTest::newRow("empty folder: the path message")
            << u"t"_s << QString() << 1 << nothing << QStringList() << QStringList()
            << Texts::emptyFolder();
        QTest::newRow("bad title writes not even the ReadMe")
            << u"a/b"_s << u"out"_s << 1 << nothing << QStringList() << QStringList()
            << Texts::holdsCharacter(u'/');
        QTest::newRow("character without a code writes nothing")
            << u"🎉"_s << u"out"_s << 1 << nothing << QStringList() << QStringList() << u"U+1F389"_s;
        QTest::newRow("missing folder writes nothing")
            << u"t"_s << u"out/missing"_s << 1 << nothing << QStringList() << QStringList()
            << Texts::folderMissing(u"%1"_s);
    }

    void finish()
    {
        QFETCH(QString, title);
        QFETCH(QString, folder);
        QFETCH(int, chkTemp);
        QFETCH(int, outcome);
        QFETCH(QStringList, readmeFolder);
        QFETCH(QStringList, storeFolder);
        QFETCH(QString, message);

        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkdir(u"out"_s) && dir.mkdir(u"store"_s));
        const TemplateStore store(dir.filePath(u"store"_s));
        ReadmeSettings s = ReadmeSettings::atStartup();
        s.txtTitle = title;
        s.txtPath = folder.isEmpty() ? QString() : dir.filePath(folder);
        s.chkTemp = CheckValue(chkTemp);

        const FinishSequence::Result result = FinishSequence::run(s, store);
        QCOMPARE(int(result.outcome), outcome);
        message.replace(u"%1"_s, SafeFile::displayPath(s.txtPath));
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(entriesOf(dir.filePath(u"out"_s)), readmeFolder);
        QCOMPARE(entriesOf(store.folder()), storeFolder);
    }

    void refusedBeforeWriting_data()
    {
        QTest::addColumn<QString>("field");   // several joined by '+'
        QTest::addColumn<QString>("value");   // a folder is below the test's folder
        QTest::addColumn<QString>("message"); // "%1" stands for the ReadMe's path
        QTest::addColumn<bool>("templateOnly");

        // The messages to the letter, with the captions of the pages: the
        // one place where the tests spell them out.
        const QString badName = u"に使えない名前が入っているため、ReadMe を保存できません"_s;
        const QString noCode = u"に Shift-JIS（コードページ932）で表せない文字があるため、"_s;
        const QString replace = u"\nこれらの文字を別の文字に置き換えてください。"_s;
        const QString untick =
            u"\n「現在の設定をテンプレートとして保存」のチェックを外せば、ReadMe だけを保存できます。"_s;
        QTest::newRow("NUL in the file name")
            << u"cmbFile"_s << QString::fromUtf16(u"a\0b", 3)
            << u"「ファイル名」"_s + badName + u"（制御文字 (U+0000) を含んでいます）。"_s << false;
        QTest::newRow("control character in the folder")
            << u"txtPath"_s << u"out\x1f"_s
            << u"「保存先の指定」"_s + badName + u"（制御文字 (U+001F) を含んでいます）。"_s
            << false;
        QTest::newRow("DEL in the folder")
            << u"txtPath"_s << u"out/\x7f"_s
            << u"「保存先の指定」"_s + badName + u"（制御文字 (U+007F) を含んでいます）。"_s
            << false;
        QTest::newRow("empty folder")
            << u"txtPath"_s << QString() << u"パスを入力してください。"_s << false;
        QTest::newRow("character without a code in the ReadMe")
            << u"txtName"_s << u"😀"_s
            << u"「作成者」"_s + noCode + u"ReadMe「%1」を保存できません。\n文字：「😀」(U+1F600)"_s
                   + replace
            << false;
        QTest::newRow("title that cannot name a file")
            << u"txtTitle"_s << u"a/b"_s
            << u"タイトル「a/b」はテンプレートのファイル名に使えません（「/」を含んでいます）。"_s
                   + untick
            << true;
        QTest::newRow("lone CR in a value")
            << u"txtName"_s << u"a\rb"_s
            << u"「作成者」に改行が含まれているため、テンプレートを保存できません。"_s + untick
            << true;
        QTest::newRow("line break in an available heading")
            << u"list2Left"_s << u"a\nb"_s
            << u"「項目の追加（左の一覧）」に改行が含まれているため、テンプレートを保存できません。"_s
                   + untick
            << true;
        QTest::newRow("character without a code in the folder")
            << u"txtPath"_s << u"out/é"_s
            << u"「保存先の指定」"_s + noCode
                   + u"テンプレートを保存できません。\n文字：「é」(U+00E9)"_s + replace + untick
            << true;
        QTest::newRow("character without a code in an available heading")
            << u"list2Left"_s << u"€"_s
            << u"「項目の追加（左の一覧）」"_s + noCode
                   + u"テンプレートを保存できません。\n文字：「€」(U+20AC)"_s + replace + untick
            << true;
        QTest::newRow("character without a code in the file name")
            << u"cmbFile"_s << u"é"_s
            << u"「ファイル名」"_s + noCode
                   + u"テンプレートを保存できません。\n文字：「é」(U+00E9)"_s + replace + untick
            << true;
        const QString bracketsInReadme = u"「カッコの種類」"_s + noCode
                                         + u"ReadMe「%1」を保存できません。\n文字：「é」(U+00E9)"_s
                                         + replace;
        QTest::newRow("first character of the bracket style")
            << u"cmbKakko"_s << u"é【】"_s << bracketsInReadme << false;
        QTest::newRow("last character of the bracket style")
            << u"cmbKakko"_s << u"【】é"_s << bracketsInReadme << false;
        QTest::newRow("in the ReadMe and inside the bracket style: only the first is named")
            << u"txtName+cmbKakko"_s << u"é+【é】"_s
            << u"「作成者」"_s + noCode + u"ReadMe「%1」を保存できません。\n文字：「é」(U+00E9)"_s
                   + replace
            << false;
        QTest::newRow("inside the bracket style, which the ReadMe does not use")
            << u"cmbKakko"_s << u"【é】"_s
            << u"「カッコの種類」"_s + noCode
                   + u"テンプレートを保存できません。\n文字：「é」(U+00E9)"_s + replace + untick
            << true;
    }

    // Nothing is written; the message names the field by its caption. Where
    // only the template is at fault it says that unticking the template box
    // writes the ReadMe alone, and unticking does.
    void refusedBeforeWriting()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(bool, templateOnly);
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(u"out/é"_s) && dir.mkdir(u"store"_s));
        const TemplateStore store(dir.filePath(u"store"_s));
        ReadmeSettings s = ReadmeSettings::atStartup();
        s.txtPath = dir.filePath(u"out"_s);
        const QStringList fields = field.split(u'+'), values = value.split(u'+');
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QString &v = values.at(i);
            setField(s, fields.at(i),
                     fields.at(i) == u"txtPath" && !v.isEmpty() ? dir.filePath(v) : v);
        }

        const FinishSequence::Result result = FinishSequence::run(s, store);
        QCOMPARE(result.outcome, Outcome::NothingWritten);
        QCOMPARE(result.message,
                 message.replace(u"%1"_s, SafeFile::displayPath(readmeFilePath(s))));
        QCOMPARE(result.message.contains(Texts::untickHint()), templateOnly);
        QCOMPARE(filesBelow(root.path()), QStringList());

        s.chkTemp = CheckValue::Unticked;
        const Outcome unticked = FinishSequence::run(s, store).outcome;
        QCOMPARE(unticked, templateOnly ? Outcome::Finished : Outcome::NothingWritten);
        QCOMPARE(filesBelow(root.path()),
                 templateOnly ? QStringList{QDir::fromNativeSeparators(readmeFilePath(s))}
                              : QStringList());
    }

    void titleLength_data()
    {
        QTest::addColumn<int>("nameBytes"); // of "<title>.tmp"; UTF-16 units on Windows
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("windowsRules"); // only prepared, by Windows' rules
        QTest::newRow("longest file name the system takes") << 255 << true << false;
        QTest::newRow("one byte longer") << 256 << false << false;
        // Windows counts UTF-16 units, not the bytes of a Linux file name.
        QTest::newRow("200 Japanese characters by Windows' rules") << 204 << true << true;
        QTest::newRow("256 units by Windows' rules") << 256 << false << true;
    }

    // The title mixes three-byte characters with one-byte ones, so counting
    // characters instead of bytes shows. Finishing twice replaces the
    // template, which must work with the longest name too. The refused title
    // writes no ReadMe either.
    void titleLength()
    {
        QFETCH(int, nameBytes);
        QFETCH(bool, saved);
        QFETCH(bool, windowsRules);
        if (windowsRules) {
            ReadmeSettings s = ReadmeSettings::atStartup();
            s.txtTitle = QString(nameBytes - 4, u'あ');
            const QString problem =
                TemplateStore(u"/nonexistent"_s, PathStyle::Windows).prepare(s).problem;
            QCOMPARE(problem.isEmpty(), saved);
            QVERIFY2(problem.contains(saved ? QString() : Texts::tooLongForFileName()),
                     qPrintable(problem));
            return;
        }
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkdir(u"out"_s) && dir.mkdir(u"store"_s));
        const TemplateStore store(dir.filePath(u"store"_s));
        ReadmeSettings s = ReadmeSettings::atStartup();
#ifdef Q_OS_WIN
        // Windows counts UTF-16 units; ASCII keeps the name within the bytes
        // of the Linux file system that Wine writes to.
        s.txtTitle = QString(nameBytes - 4, u'a');
#else
        s.txtTitle = QString(80, u'あ') + QString(nameBytes - 4 - 240, u'a');
#endif
        s.txtPath = dir.filePath(u"out"_s);
        for (const QString &name : {u"first"_s, u"second"_s}) {
            s.txtName = name;
            const FinishSequence::Result result = FinishSequence::run(s, store);
            QCOMPARE(result.outcome, saved ? Outcome::Finished : Outcome::NothingWritten);
            QVERIFY2(result.message.contains(saved ? QString() : Texts::tooLongForFileName()),
                     qPrintable(result.message));
        }
        QCOMPARE(entriesOf(s.txtPath), saved ? QStringList{u"ReadMe.txt"_s} : QStringList());
        QCOMPARE(entriesOf(store.folder()),
                 saved ? QStringList{s.txtTitle + u".tmp"_s} : QStringList());
        if (saved)
            QCOMPARE(store.load(s.txtTitle).settings.txtName, u"second"_s);
    }

    void templateFailureAfterTheReadMeSaysSo()
    {
        QTemporaryDir root;
        const TemplateStore store(root.filePath(u"no-such-store"_s));
        ReadmeSettings s = ReadmeSettings::atStartup();
        s.txtPath = root.path();
        const FinishSequence::Result result = FinishSequence::run(s, store);
        QCOMPARE(result.outcome, Outcome::TemplateFailed);
        QVERIFY(QFile::exists(root.filePath(u"ReadMe.txt"_s)));
        const QString readme = SafeFile::displayPath(root.filePath(u"ReadMe.txt"_s));
        QVERIFY2(result.message.startsWith(
                     Texts::readmeSavedTemplateNot(readme, Texts::templateNotSaved(QString()))),
                 qPrintable(result.message));
    }
};

QTEST_GUILESS_MAIN(TestFinish)
#include "tst_finish.moc"
