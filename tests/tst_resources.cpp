#include "app/controls/PictureButton.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

// Every picture of resources/ is compiled into the static GUI library; this
// checks that each one loads from its resource path, has its described size
// and draws crisply at a device pixel ratio of 2.
class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureLoads_data();
    void pictureLoads();
    void iconLoads();
    void pictureButtonKeepsItsSize();
};

void TestResources::pictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("title") << u":/title.svg"_qs << QSize(200, 40);
    QTest::newRow("icon") << u":/icon.svg"_qs << QSize(32, 32);
    QTest::newRow("Preview") << u":/button-preview.svg"_qs << QSize(80, 25);
    QTest::newRow("Back") << u":/button-back.svg"_qs << QSize(80, 25);
    QTest::newRow("Next") << u":/button-next.svg"_qs << QSize(80, 25);
    QTest::newRow("OK") << u":/button-ok.svg"_qs << QSize(80, 25);
    QTest::newRow("Cancel") << u":/button-cancel.svg"_qs << QSize(80, 25);
}

void TestResources::pictureLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QSvgRenderer renderer(path);
    QVERIFY2(renderer.isValid(), qPrintable(path));
    QCOMPARE(renderer.defaultSize(), size);

    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    }
    QVERIFY(painted > image.width() * image.height() / 10);
}

void TestResources::iconLoads()
{
    const QIcon icon(u":/icon.svg"_qs);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
}

void TestResources::pictureButtonKeepsItsSize()
{
    QWidget parent;
    PictureButton button(u"imgNext"_qs, u":/title.svg"_qs, QSize(80, 25),
                         PictureButton::Role::Button, &parent);
    QCOMPARE(button.size(), QSize(80, 25));
    button.setPicture(u":/icon.svg"_qs);
    QCOMPARE(button.size(), QSize(80, 25));
    QCOMPARE(button.picture(), u":/icon.svg"_qs);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
