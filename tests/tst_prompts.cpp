// SPDX-License-Identifier: MIT
#include "UserInput.h"

#include "app/FontSetup.h"
#include "app/Prompts.h"
#include "app/controls/Controls.h"
#include "core/Texts.h"

#include <QFontInfo>
#include <QTest>

using UserInput::ModalAnswerer;

// The message and input boxes speak Japanese whatever the locale, and draw
// in the windows' own font rather than the desktop's.
class TestPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        FontSetup::registerSubstitutes();
        QApplication::setFont(QFont(u"DejaVu Sans"_qs, 12)); // a desktop's font
    }

    void boxesAreJapaneseInTheWindowsFont_data()
    {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("message box") << false << QStringList{u"OK"_qs};
        QTest::newRow("input box") << true << QStringList{u"OK"_qs, u"キャンセル"_qs};
    }

    void boxesAreJapaneseInTheWindowsFont()
    {
        QFETCH(bool, input);
        QFETCH(QStringList, buttons);
        QWidget window;
        ModalAnswerer answerer;
        if (input)
            (void)Prompts::askText(&window, Texts::newHeadingPrompt(), u"Tessel"_qs);
        else
            Prompts::showMessage(&window, Texts::emptyFolder());
        QCOMPARE(answerer.seen.size(), 1);
        const ModalAnswerer::Seen &box = answerer.seen.first();
        QCOMPARE(box.buttons, buttons);
        const QFont expected = Controls::uiFont(9);
        QCOMPARE(QFontInfo(box.font).family(), QFontInfo(expected).family());
        QCOMPARE(box.font.pointSizeF(), expected.pointSizeF());
        QCOMPARE(box.font.stretch(), expected.stretch());
    }
};

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
