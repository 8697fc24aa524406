// SPDX-License-Identifier: MIT
#include "app/ChoiceLists.h"
#include "app/FinishSequence.h"
#include "app/ReadmeSettings.h"
#include "templates/TemplateStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using FinishSequence::Outcome;

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestFinish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The texts whose exact characters are easy to get wrong.
    void startup_valuesAndSuggestions()
    {
        const ReadmeSettings s = ReadmeSettings::atStartup();
        QCOMPARE(s.list2Left.at(4), QString::fromUtf16(u"\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99/"
                                                       u"\uFF71\uFF9D\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99"));
        QCOMPARE(s.cmbKakko, QString::fromUtf16(u"\u3010 \u3011"));
        QCOMPARE(ChoiceLists::lineStyles().at(3), QString(9, QChar(0xFF0D)));
        QCOMPARE(ChoiceLists::lineStyles().at(4), u"_/"_qs.repeated(11));
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
        QTest::addColumn<QString>("message");

        const int nothing = int(Outcome::NothingWritten);
        const QStringList readme{u"ReadMe.txt"_qs};
        QTest::newRow("start-up values: ReadMe and template .tmp")
            << QString() << u"out"_qs << 1 << int(Outcome::Finished) << readme
            << QStringList{u".tmp"_qs} << QString();
        QTest::newRow("unticked: no template")
            << u"a/b"_qs << u"out"_qs << 0 << int(Outcome::Finished) << readme << QStringList()
            << QString();
        QTest::newRow("grayed: no template")
            << u"t"_qs << u"out"_qs << 2 << int(Outcome::Finished) << readme << QStringList()
            << QString();
        QTest::newRow("empty folder: the path message")
            << u"t"_qs << QString() << 1 << nothing << QStringList() << QStringList()
            << u"パスを入力してください。"_qs;
        QTest::newRow("bad title writes not even the ReadMe")
            << u"a/b"_qs << u"out"_qs << 1 << nothing << QStringList() << QStringList()
            << u"「/」"_qs;
        QTest::newRow("character without a code writes nothing")
            << u"🎉"_qs << u"out"_qs << 1 << nothing << QStringList() << QStringList()
            << u"U+1F389"_qs;
        QTest::newRow("missing folder writes nothing")
            << u"t"_qs << u"out/missing"_qs << 1 << nothing << QStringList() << QStringList()
            << u"見つかりません"_qs;
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
        QVERIFY(dir.mkdir(u"out"_qs) && dir.mkdir(u"store"_qs));
        const TemplateStore store(dir.filePath(u"store"_qs));
        ReadmeSettings s = ReadmeSettings::atStartup();
        s.txtTitle = title;
        s.txtPath = folder.isEmpty() ? QString() : dir.filePath(folder);
        s.chkTemp = CheckValue(chkTemp);

        const FinishSequence::Result result = FinishSequence::FinishWizard(s, store);
        QCOMPARE(int(result.outcome), outcome);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(entriesOf(dir.filePath(u"out"_qs)), readmeFolder);
        QCOMPARE(entriesOf(store.folder()), storeFolder);
    }

    void templateFailure_afterTheReadMe_saysSo()
    {
        QTemporaryDir root;
        const TemplateStore store(root.filePath(u"no-such-store"_qs));
        ReadmeSettings s = ReadmeSettings::atStartup();
        s.txtPath = root.path();
        const FinishSequence::Result result = FinishSequence::FinishWizard(s, store);
        QCOMPARE(result.outcome, Outcome::TemplateFailed);
        QVERIFY(QFile::exists(root.filePath(u"ReadMe.txt"_qs)));
        QVERIFY2(result.message.contains(u"ReadMe.txt」は保存しました"_qs), qPrintable(result.message));
        QVERIFY2(result.message.contains(u"テンプレートを保存できませんでした"_qs),
                 qPrintable(result.message));
    }
};

QTEST_GUILESS_MAIN(TestFinish)
#include "tst_finish.moc"
