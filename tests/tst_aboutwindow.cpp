// SPDX-License-Identifier: MIT
#include "TopLevels.h"

#include "controls/FontSetup.h"
#include "controls/Picture.h"
#include "dialogs/AboutWindow.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        FontSetup::registerSubstitutes();
        // The program sets its version from project() at start-up; the
        // window shows whatever the application says.
        QCoreApplication::setApplicationVersion(u"9.87"_s);
    }
    void cleanup() { QCOMPARE(TopLevels::leftOver(), QWidgetList()); }

    void texts_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("name and version") << u"Label1"_s << u"NeatTessel Ver.9.87"_s;
        QTest::newRow("author") << u"Label2"_s << u"作成者：NeatTessel の開発者"_s;
        QTest::newRow("development environment")
            << u"Label3"_s << u"開発環境：C++20 / Qt 6 (Debian 12)"_s;
        QTest::newRow("web site") << u"Label4"_s << u"Webサイト：なし（公開していません）"_s;
        QTest::newRow("mail address") << u"Label5"_s << u"Mailアドレス：なし（公開していません）"_s;
        QTest::newRow("first remark")
            << u"Label6"_s << u"ソースがほしい方はメールまたはBBSにカキコしてください。"_s;
        QTest::newRow("second remark")
            << u"Label7"_s << u"ソースが汚くてもいいなら差し上げます。（＾＾；）"_s;
    }

    // Each line exactly, in the caption's window.
    void texts()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        AboutWindow window(u":/title.png"_s, u":/icon.png"_s);
        QCOMPARE(window.windowTitle(), u"バージョン情報"_s);
        const auto *const shown = window.findChild<QLabel *>(label);
        QVERIFY(shown);
        QCOMPARE(shown->text(), text);
    }

    // Both pictures and every line whole, also when built again after closing.
    void showsPicturesAndWholeLinesAgainAfterClosing()
    {
        for (int opening = 1; opening <= 2; ++opening) {
            QPointer window = new AboutWindow(u":/title.png"_s, u":/icon.png"_s);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            // Centred with its frame (the windows platform under Wine has one).
            const QPoint offset =
                window->frameGeometry().center() - window->screen()->availableGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(u"off centre by (%1, %2)"_s.arg(offset.x()).arg(offset.y())));
            for (const auto &[name, picture] : {std::pair{u"imgTitle"_s, u":/title.png"_s},
                                                std::pair{u"imgIcon"_s, u":/icon.png"_s}}) {
                auto *image = window->findChild<Picture *>(name);
                QVERIFY2(image && image->picture() == picture, qPrintable(name));
                const QImage drawn = image->grab().toImage();
                QImage blank(drawn.size(), drawn.format());
                blank.fill(drawn.pixelColor(0, 0));
                QVERIFY2(drawn != blank, qPrintable(name + u" is blank"_s));
            }
            for (const QLabel *label : window->findChildren<QLabel *>())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->objectName()));
            window->close();
            QTRY_VERIFY(window.isNull());
        }
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
