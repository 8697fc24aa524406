// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"
#include "core/ChoiceLists.h"
#include "templates/TemplateStore.h"

#include <QComboBox>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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

        QTest::newRow("cmbKakko") << u"cmbKakko"_qs << ChoiceLists::bracketStyles() << 4
                                  << u"【 】"_qs << u"☆☆"_qs;
        QTest::newRow("cmbLine") << u"cmbLine"_qs << ChoiceLists::lineStyles() << 5
                                 << QString(18, u'-') << u"_/_/_/_/_/_/_/_/_/_/_/"_qs;
        QTest::newRow("cmbFile") << u"cmbFile"_qs << ChoiceLists::fileNames() << 5 << u"ReadMe"_qs
                                 << u"読め！"_qs;
        QTest::newRow("list2Left") << u"list2Left"_qs << ChoiceLists::availableHeadings() << 8
                                   << u"はじめに"_qs << u"VerUp履歴"_qs;
        QTest::newRow("cmbDousa") << u"cmbDousa"_qs << ChoiceLists::testedEnvironments() << 6
                                  << u"Windows95"_qs << u"WindowsXP"_qs;
        QTest::newRow("cmbHissu") << u"cmbHissu"_qs << ChoiceLists::requiredEnvironments() << 8
                                  << u"Windows9x系のみ"_qs << u"WindowsXPのみ"_qs;
        QTest::newRow("cmbSoft") << u"cmbSoft"_qs << ChoiceLists::softwareKinds() << 6
                                 << u"フリーウェア"_qs << u"体験版"_qs;
        QTest::newRow("cmbTF") << u"cmbTF"_qs << ChoiceLists::redistributionTerms() << 5
                               << u"事前に連絡"_qs << u"要相談"_qs;
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
