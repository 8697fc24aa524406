#include "app/FontSetup.h"
#include "app/controls/Twips.h"
#include "windows/PreviewWindow.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

// The preview window frmPreview on its own: how it is built, the text box
// txtPreview, the resize rule and the line ends of the text it is given.
// Composing and the preview button are the main window's (tst_mainwindow).
class TestPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void builtHiddenAndEmpty();
    void textBox();
    void fixedPitchJapaneseFont();
    void firstShowIsCentred();
    void resizeRule_data();
    void resizeRule();
    void composedLineEndsBecomeLineBreaks();
    void replacesTheWholeText();
    void closeBoxDeletesTheWindow();

private:
    [[nodiscard]] static QPlainTextEdit *textOf(const PreviewWindow &window)
    {
        return window.findChild<QPlainTextEdit *>(u"txtPreview"_qs);
    }
};

void TestPreview::initTestCase()
{
    FontSetup::registerSubstitutes();
}

void TestPreview::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

void TestPreview::builtHiddenAndEmpty()
{
    PreviewWindow window;
    QCOMPARE(window.objectName(), u"frmPreview"_qs);
    QCOMPARE(window.windowTitle(), u"プレビュー画面"_qs);
    QVERIFY(window.isWindow());
    QVERIFY(!window.parentWidget());
    QVERIFY(!window.isVisible());
    QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(window.size(), QSize(436, 323));
    QCOMPARE(window.size(), Twips::size(6540, 4845));
    QVERIFY(window.minimumSize() != window.maximumSize()); // resizable
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint
            || window.windowFlags() == Qt::Window);
    QVERIFY(textOf(window));
    QVERIFY(textOf(window)->toPlainText().isEmpty());
}

void TestPreview::textBox()
{
    PreviewWindow window;
    QPlainTextEdit *const text = textOf(window);
    QCOMPARE(text->pos(), QPoint(0, 0));
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!text->isReadOnly());
    QCOMPARE(window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 1);
}

// The aligned field labels of the ReadMe need half-width characters exactly
// half as wide as full-width ones.
void TestPreview::fixedPitchJapaneseFont()
{
    PreviewWindow window;
    const QFont font = textOf(window)->font();
    QCOMPARE(font.family(), QString::fromUtf16(FontSetup::FixedFont));
    QCOMPARE(font.pointSize(), 12);
    const QFontMetrics metrics(font);
    const int half = metrics.horizontalAdvance(u'a');
    QVERIFY(half > 0);
    QCOMPARE(metrics.horizontalAdvance(u"ソフト名"_qs), 8 * half);
    QCOMPARE(metrics.horizontalAdvance(u"【   ソフト名   】"_qs),
             metrics.horizontalAdvance(u"【    WebSite   】"_qs));
}

void TestPreview::firstShowIsCentred()
{
    PreviewWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint centre = window.screen()->availableGeometry().center();
    QVERIFY(qAbs(window.frameGeometry().center().x() - centre.x()) <= 1);
    QVERIFY(qAbs(window.frameGeometry().center().y() - centre.y()) <= 1);
}

void TestPreview::resizeRule_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QSize>("textBox");
    // Pixels; the rule in twips: width - 125, height - 425, rounded to pixels.
    QTest::newRow("as built") << QSize(436, 323) << QSize(428, 295);
    QTest::newRow("wider and taller") << QSize(800, 600) << QSize(792, 572);
    QTest::newRow("height just above the margin") << QSize(200, 29) << QSize(192, 1);
    QTest::newRow("smaller than the margins") << QSize(120, 20) << QSize(112, 0);
    QTest::newRow("width below its margin") << QSize(5, 200) << QSize(0, 172);
}

void TestPreview::resizeRule()
{
    QFETCH(QSize, outer);
    QFETCH(QSize, textBox);
    PreviewWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setMinimumSize(1, 1);
    window.resize(outer - (window.frameGeometry().size() - window.size()));
    QTRY_COMPARE(window.frameGeometry().size(), outer);
    QCOMPARE(textOf(window)->size(), textBox);
    const int widthTwips = Twips::fromPixels(outer.width()) - 125;
    const int heightTwips = Twips::fromPixels(outer.height()) - 425;
    QCOMPARE(textOf(window)->width(), Twips::toPixels(std::max(0, widthTwips)));
    QCOMPARE(textOf(window)->height(), Twips::toPixels(std::max(0, heightTwips)));
    QCOMPARE(textOf(window)->pos(), QPoint(0, 0));
}

void TestPreview::composedLineEndsBecomeLineBreaks()
{
    PreviewWindow window;
    window.setText(u"-----\r\n【はじめに】\r\n\r\n\r\n\r\n"_qs);
    QPlainTextEdit *const text = textOf(window);
    QCOMPARE(text->toPlainText(), u"-----\n【はじめに】\n\n\n\n"_qs);
    QCOMPARE(text->blockCount(), 6);
    QVERIFY(!text->toPlainText().contains(u'\r'));
}

void TestPreview::replacesTheWholeText()
{
    PreviewWindow window;
    window.setText(u"first\r\n"_qs);
    QTest::keyClicks(textOf(window), u"typed"_qs);
    window.setText(u"second\r\n"_qs);
    QCOMPARE(textOf(window)->toPlainText(), u"second\n"_qs);
}

void TestPreview::closeBoxDeletesTheWindow()
{
    QPointer<PreviewWindow> window = new PreviewWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->close();
    QTRY_VERIFY(!window);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
