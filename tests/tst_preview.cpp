// SPDX-License-Identifier: MIT
#include "controls/FontSetup.h"
#include "dialogs/PreviewWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// The preview window frmPreview on its own: the resize rule of its text box
// and its font. Composing and the preview button are the main window's.
class TestPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::registerSubstitutes(); }

    void resizeRule_data()
    {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QSize>("textBox");
        // Pixels; the rule in twips: width - 125, height - 425, never below 0.
        QTest::newRow("as built") << QSize(436, 323) << QSize(428, 295);
        QTest::newRow("wider and taller") << QSize(800, 600) << QSize(792, 572);
        QTest::newRow("height just above the margin") << QSize(200, 29) << QSize(192, 1);
        QTest::newRow("smaller than the margins") << QSize(120, 20) << QSize(112, 0);
        QTest::newRow("width below its margin") << QSize(5, 200) << QSize(0, 172);
    }

    void resizeRule()
    {
        QFETCH(QSize, outer);
        PreviewWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setMinimumSize(1, 1);
        window.resize(outer - (window.frameGeometry().size() - window.size()));
        QTRY_COMPARE(window.frameGeometry().size(), outer);
        QTEST(textBox(window)->size(), "textBox");
        QCOMPARE(textBox(window)->pos(), QPoint(0, 0));
    }

    // Frames thicker than the margins; the test's platform draws thin ones.
    void thickFrame_data()
    {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QSize>("inside");
        QTest::addColumn<QSize>("textBox");
        QTest::newRow("thick all round") << QSize(436, 323) << QSize(416, 283) << QSize(416, 283);
        QTest::newRow("thick sides only") << QSize(436, 323) << QSize(420, 305) << QSize(420, 295);
    }

    void thickFrame()
    {
        QFETCH(QSize, outer);
        QFETCH(QSize, inside);
        QTEST(PreviewWindow::textBoxSize(outer, inside), "textBox");
    }

    // The aligned field labels of the ReadMe need half-width characters
    // exactly half as wide as full-width ones.
    void fixedPitchJapaneseFont()
    {
        PreviewWindow window;
        const QFontMetrics metrics(textBox(window)->font());
        QCOMPARE(metrics.horizontalAdvance(u"ソフト名"_s), 8 * metrics.horizontalAdvance(u'a'));
        QCOMPARE(metrics.horizontalAdvance(u"【   ソフト名   】"_s),
                 metrics.horizontalAdvance(u"【    WebSite   】"_s));
    }

private:
    static QPlainTextEdit *textBox(const PreviewWindow &window)
    {
        return window.findChild<QPlainTextEdit *>(u"txtPreview"_s);
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
