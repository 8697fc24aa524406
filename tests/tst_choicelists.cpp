// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"
#include "core/ChoiceLists.h"
#include "templates/TemplateStore.h"

#include <QComboBox>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What the drop-down fields and the list of available headings offer right
// after start: each control shows its whole list in order, as long as it
// is, from the first entry (its value) to the last. The entries whose characters look like others
// (full-width against half-width, look-alike brackets and dashes) are
// checked code point by code point.
class TestChoiceLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void offeredAtStart_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");

        QTest::newRow("cmbKakko") << u"cmbKakko"_s << ChoiceLists::bracketStyles() << 4
                                  << u"【 】"_s << u"☆☆"_s;
        QTest::newRow("cmbLine") << u"cmbLine"_s << ChoiceLists::lineStyles() << 5
                                 << QString(18, u'-') << u"_/_/_/_/_/_/_/_/_/_/_/"_s;
        QTest::newRow("cmbFile") << u"cmbFile"_s << ChoiceLists::fileNames() << 5 << u"ReadMe"_s
                                 << u"読め！"_s;
        QTest::newRow("list2Left") << u"list2Left"_s << ChoiceLists::availableHeadings() << 8
                                   << u"はじめに"_s << u"VerUp履歴"_s;
        QTest::newRow("cmbDousa") << u"cmbDousa"_s << ChoiceLists::testedEnvironments() << 6
                                  << u"Windows95"_s << u"WindowsXP"_s;
        QTest::newRow("cmbHissu") << u"cmbHissu"_s << ChoiceLists::requiredEnvironments() << 8
                                  << u"Windows9x系のみ"_s << u"WindowsXPのみ"_s;
        QTest::newRow("cmbSoft") << u"cmbSoft"_s << ChoiceLists::softwareKinds() << 6
                                 << u"フリーウェア"_s << u"体験版"_s;
        QTest::newRow("cmbTF") << u"cmbTF"_s << ChoiceLists::redistributionTerms() << 5
                               << u"事前に連絡"_s << u"要相談"_s;
    }

    // A drop-down field shows its first entry; the list has none selected.
    // The pages behind page 0 are built once the window is on screen.
    void offeredAtStart()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, entries);
        QTEST(int(entries.size()), "count");
        QTEST(entries.first(), "first");
        QTEST(entries.last(), "last");

        QTemporaryDir store;
        MainWindow window{TemplateStore(store.path())};
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList offered;
        if (const auto *combo = window.findChild<QComboBox *>(control)) {
            for (int i = 0; i < combo->count(); ++i)
                offered.append(combo->itemText(i));
            QCOMPARE(combo->currentText(), entries.first());
        } else {
            const auto *list = window.findChild<QListWidget *>(control);
            QVERIFY(list);
            for (int i = 0; i < list->count(); ++i)
                offered.append(list->item(i)->text());
            QVERIFY(list->selectedItems().isEmpty());
        }
        QCOMPARE(offered, entries);
    }

    void lookAlikes_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        const auto brackets = ChoiceLists::bracketStyles();
        QTest::newRow("black lenticular brackets with a half-width space between")
            << brackets << 0 << QString::fromUtf16(u"\u3010 \u3011");
        QTest::newRow("full-width less-than and greater-than")
            << brackets << 1 << QString::fromUtf16(u"\uFF1C\uFF1E");
        QTest::newRow("much less-than and much greater-than, not double angle brackets")
            << brackets << 2 << QString::fromUtf16(u"\u226A\u226B");
        QTest::newRow("white stars") << brackets << 3 << QString::fromUtf16(u"\u2606\u2606");
        const auto lines = ChoiceLists::lineStyles();
        QTest::newRow("18 hyphen-minus") << lines << 0 << QString(18, u'-');
        QTest::newRow("9 full-width hyphen-minus, not katakana long marks or minus signs")
            << lines << 3 << QString(9, QChar(0xFF0D));
        QTest::newRow("half-width katakana, half-width solidus")
            << ChoiceLists::availableHeadings() << 4
            << QString::fromUtf16(u"\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99/"
                                  u"\uFF71\uFF9D\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99");
        QTest::newRow("full-width exclamation mark")
            << ChoiceLists::fileNames() << 4 << QString::fromUtf16(u"\u8AAD\u3081\uFF01");
    }

    void lookAlikes()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, index);
        QTEST(entries.value(index), "entry");
    }
};

QTEST_MAIN(TestChoiceLists)
#include "tst_choicelists.moc"
