// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"
#include "templates/TemplateStore.h"

#include <QComboBox>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// What the drop-down fields and the list of available headings offer right
// after start, entry by entry and in order, against the texts written out
// here; the characters that look alike are spelled as code points.
class TestChoiceLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void offeredAtStart_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("cmbKakko") << u"cmbKakko"_qs
                                  << QStringList{QString::fromUtf16(u"\u3010 \u3011"),
                                                 QString::fromUtf16(u"\uFF1C\uFF1E"),
                                                 QString::fromUtf16(u"\u226A\u226B"),
                                                 QString::fromUtf16(u"\u2606\u2606")};
        QTest::newRow("cmbLine") << u"cmbLine"_qs
                                 << QStringList{QString(18, u'-'), QString(18, u'='),
                                                QString(18, u'*'), QString(9, QChar(0xFF0D)),
                                                u"_/_/_/_/_/_/_/_/_/_/_/"_qs};
        QTest::newRow("cmbFile") << u"cmbFile"_qs
                                 << QStringList{u"ReadMe"_qs, u"Read_Me"_qs, u"はじめに"_qs,
                                                u"はじめにお読みください"_qs, u"読め！"_qs};
        QTest::newRow("list2Left")
            << u"list2Left"_qs
            << QStringList{u"はじめに"_qs,
                           u"フォルダの中身"_qs,
                           u"ソフト紹介"_qs,
                           u"ソフトの説明"_qs,
                           QString::fromUtf16(u"\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99/"
                                              u"\uFF71\uFF9D\uFF72\uFF9D\uFF7D\uFF84\uFF70\uFF99"),
                           u"注意事項"_qs,
                           u"謝辞"_qs,
                           u"VerUp履歴"_qs};
        QTest::newRow("cmbDousa") << u"cmbDousa"_qs
                                  << QStringList{u"Windows95"_qs,   u"Windows98"_qs,
                                                 u"WindowsMe"_qs,   u"WindowsNT"_qs,
                                                 u"Windows2000"_qs, u"WindowsXP"_qs};
        QTest::newRow("cmbHissu") << u"cmbHissu"_qs
                                  << QStringList{u"Windows9x系のみ"_qs, u"Windows95以降"_qs,
                                                 u"Windows98以降"_qs,   u"WindowsMe"_qs,
                                                 u"WindowsNT系のみ"_qs, u"WindowsNT以降"_qs,
                                                 u"Windows2000以降"_qs, u"WindowsXPのみ"_qs};
        QTest::newRow("cmbSoft") << u"cmbSoft"_qs
                                 << QStringList{u"フリーウェア"_qs, u"シェアウェア"_qs,
                                                u"カンパウェア"_qs, u"メールウェア"_qs,
                                                u"リンクウェア"_qs, u"体験版"_qs};
        QTest::newRow("cmbTF") << u"cmbTF"_qs
                               << QStringList{u"事前に連絡"_qs, u"事後に連絡"_qs, u"自由"_qs,
                                              u"不可"_qs, u"要相談"_qs};
    }

    // A drop-down field shows its first entry; the list has none selected.
    // The pages behind page 0 are built once the window is on screen.
    void offeredAtStart()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, entries);
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
};

QTEST_MAIN(TestChoiceLists)
#include "tst_choicelists.moc"
