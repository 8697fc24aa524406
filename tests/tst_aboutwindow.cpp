#include "app/FontSetup.h"
#include "app/controls/PictureButton.h"
#include "windows/AboutWindow.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTest>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FontSetup::registerSubstitutes(); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets(), QWidgetList()); }

    // Both pictures and every line whole, also when built again after closing.
    void showsPicturesAndWholeLinesAgainAfterClosing()
    {
        for (int opening = 1; opening <= 2; ++opening) {
            QPointer window = new AboutWindow(u":/title.png"_qs, u":/icon.png"_qs);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (const auto &[name, picture] : {std::pair{u"imgTitle"_qs, u":/title.png"_qs},
                                                 std::pair{u"imgIcon"_qs, u":/icon.png"_qs}}) {
                auto *image = window->findChild<PictureButton *>(name);
                QVERIFY2(image && image->picture() == picture, qPrintable(name));
                const QImage drawn = image->grab().toImage();
                QImage blank(drawn.size(), drawn.format());
                blank.fill(drawn.pixelColor(0, 0));
                QVERIFY2(drawn != blank, qPrintable(name + u" is blank"_qs));
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
