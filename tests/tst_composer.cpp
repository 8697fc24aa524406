// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "core/ReadmeSettings.h"
#include "io/Cp932Codec.h"
#include "readme/ReadmeComposer.h"
#include "readme/ReadmeWriter.h"
#include "templates/TemplateFormat.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace ReadmeComposer;
using CoreFixtures::readFile;
using CoreFixtures::sampleToolAnswers;

namespace {

ReadmeSettings emptyAnswers()
{
    ReadmeSettings s;
    s.cmbKakko = u"【 】"_s;
    s.cmbLine = u"-"_s;
    return s;
}

} // namespace

class TestComposer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sampleToolReadmeIsExactToTheCharacter()
    {
        const QString expected =
            u"------------------------------------------------------------------------\r\n"
            u"【   ソフト名   】SampleTool\r\n"
            u"【    作成者    】Sample Author\r\n"
            u"【  バージョン  】1.00\r\n"
            u"【   作成日時   】2003/01/15\r\n"
            u"【 動作確認環境 】WindowsXP\r\n"
            u"【   必須環境   】Windows98以降\r\n"
            u"【 ソフトの種類 】フリーウェア\r\n"
            u"【  転載の可否  】事後に連絡\r\n"
            u"【    WebSite   】\r\n"
            u"【メールアドレス】\r\n"
            u"------------------------------------------------------------------------\r\n"
            u"【はじめに】\r\n\r\n\r\n\r\n"
            u"【注意事項】\r\n\r\n\r\n\r\n"_s;
        const QString text = compose(sampleToolAnswers());
        QCOMPARE(text, expected);
        QCOMPARE(text.size(), 380);
        QCOMPARE(text.count(u"\r\n"_s), 20);
        QCOMPARE(Cp932Codec::encode(text).bytes.size(), 469);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("kakko");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QString>("expectedRule");
        QTest::addColumn<QString>("expectedFirstField");
        QTest::addColumn<QString>("expectedTail");

        const QString rule72 = QString(72, u'-');
        QTest::newRow("no headings: ends with the second rule")
            << u"【 】"_s << u"------------------"_s << QStringList() << rule72
            << u"【   ソフト名   】"_s << rule72 + u"\r\n"_s;
        QTest::newRow("same heading twice gives two blocks")
            << u"＜＞"_s << u"=================="_s << QStringList{u"謝辞"_s, u"謝辞"_s}
            << QString(72, u'=') << u"＜   ソフト名   ＞"_s
            << u"＜謝辞＞\r\n\r\n\r\n\r\n＜謝辞＞\r\n\r\n\r\n\r\n"_s;
        QTest::newRow("one-character style is both brackets")
            << u"☆"_s << u"ab"_s << QStringList{u"x"_s} << u"abababab"_s << u"☆   ソフト名   ☆"_s
            << u"☆x☆\r\n\r\n\r\n\r\n"_s;
        QTest::newRow("only first and last of a long style")
            << u"≪ 中 ≫"_s << u"*"_s << QStringList{u" a "_s} << u"****"_s << u"≪   ソフト名   ≫"_s
            << u"≪ a ≫\r\n\r\n\r\n\r\n"_s;
        QTest::newRow("empty style: no brackets")
            << QString() << u"－－－－－－－－－"_s << QStringList{u"h"_s} << QString(36, u'－')
            << u"   ソフト名   "_s << u"h\r\n\r\n\r\n\r\n"_s;
        QTest::newRow("empty line style: empty rules")
            << u"【 】"_s << QString() << QStringList() << QString() << u"【   ソフト名   】"_s
            << u"【メールアドレス】\r\n\r\n"_s;
        QTest::newRow("22-character line style four times")
            << u"【 】"_s << u"_/_/_/_/_/_/_/_/_/_/_/"_s << QStringList() << u"_/"_s.repeated(44)
            << u"【   ソフト名   】"_s << u"_/"_s.repeated(44) + u"\r\n"_s;
        QTest::newRow("character beyond U+FFFF is one bracket")
            << u"😀x🎉"_s << u"-"_s << QStringList{u"h"_s} << u"----"_s << u"😀   ソフト名   🎉"_s
            << u"😀h🎉\r\n\r\n\r\n\r\n"_s;
        QTest::newRow("single character beyond U+FFFF")
            << u"😀"_s << u"-"_s << QStringList{u"h"_s} << u"----"_s << u"😀   ソフト名   😀"_s
            << u"😀h😀\r\n\r\n\r\n\r\n"_s;
    }

    void layout()
    {
        QFETCH(QString, kakko);
        QFETCH(QString, line);
        QFETCH(QStringList, headings);
        QFETCH(QString, expectedRule);
        QFETCH(QString, expectedFirstField);
        QFETCH(QString, expectedTail);

        ReadmeSettings s = emptyAnswers();
        s.cmbKakko = kakko;
        s.cmbLine = line;
        s.List2Right = headings;
        const QString text = compose(s);
        const QStringList lines = text.split(u"\r\n"_s);
        QCOMPARE(lines.size(), 12 + 4 * headings.size() + 1);
        QCOMPARE(lines.first(), expectedRule);
        QCOMPARE(lines.at(11), expectedRule);
        QCOMPARE(lines.at(1), expectedFirstField);
        QVERIFY2(text.endsWith(expectedTail), qPrintable(text.right(60)));
    }

    void valuesAreVerbatim()
    {
        ReadmeSettings s = emptyAnswers();
        s.txtName = u"  spaced  "_s;
        s.txtMail = u"a\r\nb"_s;
        s.List2Right = {u" 見出し "_s};
        const QStringList lines = compose(s).split(u"\r\n"_s);
        QCOMPARE(lines.at(2), u"【    作成者    】  spaced  "_s);
        QCOMPARE(lines.at(10), u"【メールアドレス】a"_s);
        QCOMPARE(lines.at(11), u"b"_s);
        QCOMPARE(lines.at(13), u"【 見出し 】"_s);
    }

    void manyHeadingsHaveNoSixteenBitLimit()
    {
        ReadmeSettings s = emptyAnswers();
        for (int i = 0; i < 40000; ++i)
            s.List2Right.append(QString::number(i));
        const QString text = compose(s);
        QCOMPARE(text.count(u"\r\n"_s), 12 + 4 * 40000);
        QVERIFY(text.endsWith(u"【39999】\r\n\r\n\r\n\r\n"_s));
        QVERIFY(text.contains(u"\r\n【32767】\r\n"_s));
    }

#ifdef TESSEL_SHIPPED_README
    // The Windows zip's ReadMe.txt is what the program writes from the
    // template kept with it, and only the section files' texts, one under
    // each chosen heading, are added.
    void shippedReadme_isTheProgramsOwnFrameWithTheSections()
    {
        const QDir sources(QString::fromUtf8(TESSEL_DISTRIBUTION));
        const TemplateFormat::ParseResult parsed =
            TemplateFormat::parseTemplate(readFile(sources.filePath(u"NeatTessel.tmp"_s)));
        QVERIFY2(parsed.ok(), qPrintable(parsed.error));
        ReadmeSettings settings = parsed.settings;
        settings.txtPath = sources.path();
        const PreparedFile frame = ReadmeWriter::prepare(settings);
        QVERIFY2(frame.ok(), qPrintable(frame.problem));

        QByteArray shipped = readFile(QString::fromUtf8(TESSEL_SHIPPED_README));
        const QStringList sections = sources.entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
        QCOMPARE(sections.size(), settings.List2Right.size());
        qsizetype at = 0;
        for (qsizetype i = 0; i < sections.size(); ++i) {
            const QByteArray heading =
                Cp932Codec::encode(u"【"_s + settings.List2Right.at(i) + u"】\r\n"_s).bytes;
            const QByteArray section =
                Cp932Codec::encode(QString::fromUtf8(readFile(sources.filePath(sections.at(i))))
                                       .replace(u'\n', u"\r\n"_s))
                    .bytes;
            at = shipped.indexOf(heading, at);
            QVERIFY2(at >= 0, qPrintable(settings.List2Right.at(i)));
            at += heading.size();
            QVERIFY2(shipped.mid(at, section.size()) == section, qPrintable(sections.at(i)));
            shipped.remove(at, section.size());
        }
        QCOMPARE(shipped, frame.bytes);
    }
#endif
};

QTEST_GUILESS_MAIN(TestComposer)
#include "tst_composer.moc"
