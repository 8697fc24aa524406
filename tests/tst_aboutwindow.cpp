#include "app/FontSetup.h"
#include "app/controls/PictureButton.h"
#include "windows/AboutWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>

namespace {

// True when the widget draws anything but its background.
bool drawsSomething(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return true;
        }
    }
    return false;
}

QString spokenName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The labels are measured in the font the program uses.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        FontSetup::registerSubstitutes();
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidgetList left;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->parentWidget())
                left.append(widget);
        }
        qDeleteAll(left);
        QVERIFY2(left.isEmpty(), "a window was left open");
    }

    void showsBothPicturesAgainAfterClosing()
    {
        for (int opening = 1; opening <= 2; ++opening) {
            QPointer window = new AboutWindow(u":/title.svg"_qs, u":/icon.svg"_qs);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const struct
            {
                const char16_t *name;
                const char16_t *picture;
            } pictures[] = {{u"imgTitle", u":/title.svg"}, {u"imgIcon", u":/icon.svg"}};
            for (const auto &expected : pictures) {
                auto *image = window->findChild<PictureButton *>(QString::fromUtf16(expected.name));
                QVERIFY(image);
                QCOMPARE(image->picture(), QString::fromUtf16(expected.picture));
                QVERIFY2(drawsSomething(image), "the picture is blank");
                QVERIFY(!spokenName(image).isEmpty());
            }
            window->close();
            QTRY_VERIFY(window.isNull());
        }
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("name and version") << u"Label1"_qs << u"NeatTessel Ver.0.90"_qs;
        QTest::newRow("author") << u"Label2"_qs << u"作成者：NeatTessel の開発者"_qs;
        QTest::newRow("environment") << u"Label3"_qs << u"開発環境：C++20 / Qt 6 (Debian 12)"_qs;
        QTest::newRow("no web site") << u"Label4"_qs << u"Webサイト：なし（公開していません）"_qs;
        QTest::newRow("no mail") << u"Label5"_qs << u"Mailアドレス：なし（公開していません）"_qs;
        QTest::newRow("source by mail")
            << u"Label6"_qs << u"ソースがほしい方はメールまたはBBSにカキコしてください。"_qs;
        QTest::newRow("source as it is")
            << u"Label7"_qs << u"ソースが汚くてもいいなら差し上げます。（＾＾；）"_qs;
    }

    // Each label shows its whole text on one line inside the window.
    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        AboutWindow window(u":/title.svg"_qs, u":/icon.svg"_qs);
        auto *label = window.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(spokenName(label), text);
        QVERIFY(label->alignment() & Qt::AlignLeft);
        QCOMPARE(label->font().family(), QString::fromUtf16(FontSetup::UiFont));
        QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->width(),
                 qPrintable(u"%1 needs %2 px, has %3"_qs.arg(name)
                                .arg(label->fontMetrics().horizontalAdvance(text))
                                .arg(label->width())));
        QVERIFY(label->fontMetrics().height() <= label->height());
        QVERIFY(window.rect().contains(label->geometry()));
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
