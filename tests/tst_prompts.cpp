// SPDX-License-Identifier: MIT
#include "controls/Controls.h"
#include "controls/FontSetup.h"
#include "controls/Prompts.h"
#include "core/Texts.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The message and input boxes speak Japanese whatever the locale, and draw
// in the windows' own font rather than the desktop's. The one test that
// shows the real boxes: the others answer them through Prompts' queue.
class TestPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        FontSetup::registerSubstitutes();
        QApplication::setFont(QFont(u"DejaVu Sans"_s, 12)); // a desktop's font
    }

    void boxesAreJapaneseInTheWindowsFont_data()
    {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("message box") << false << QStringList{u"OK"_s};
        QTest::newRow("input box") << true << QStringList{u"OK"_s, u"キャンセル"_s};
    }

    void boxesAreJapaneseInTheWindowsFont()
    {
        QFETCH(bool, input);
        QFETCH(QStringList, buttons);
        QWidget window;
        // Runs once the box's own event loop has started, the box on show.
        QStringList shownButtons;
        QString title;
        QFont font;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, &window, [&] {
            auto *const box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (const QPushButton *button : box->findChildren<QPushButton *>())
                shownButtons.append(button->text());
            shownButtons.sort();
            title = box->windowTitle();
            font = box->findChild<QLabel *>()->font();
            // A value quoted in the text must never become HTML.
            const auto *text = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            format = (text ? text : box->findChild<QLabel *>())->textFormat();
            box->done(QDialog::Accepted);
        });
        if (input)
            (void)Prompts::askText(&window, Texts::newHeadingPrompt(), u"Tessel"_s);
        else
            Prompts::showMessage(&window, Texts::emptyFolder());
        QCOMPARE(shownButtons, buttons);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(title, input ? u"Tessel"_s : u"NeatTessel"_s);
        const QFont expected = Controls::uiFont(9);
        QCOMPARE(QFontInfo(font).family(), QFontInfo(expected).family());
        QCOMPARE(font.pointSizeF(), expected.pointSizeF());
        QCOMPARE(font.stretch(), expected.stretch());
    }
};

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
