// SPDX-License-Identifier: MIT
#include "controls/Picture.h"

#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

// Every picture of resources/ is compiled into the static GUI library, at
// 1x, 2x and 3x; each must load, as the windows load it, from its resource
// path at its size times the scale, and a picture button must pick the
// variant for its screen.
class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const std::pair<const char *, QSize> pictures[] = {
            {"title", {200, 40}},        {"icon", {32, 32}},        {"button-preview", {80, 25}},
            {"button-back", {80, 25}},   {"button-next", {80, 25}}, {"button-ok", {80, 25}},
            {"button-cancel", {80, 25}},
        };
        for (const auto &[name, size] : pictures) {
            const QString path = u":/%1.png"_s.arg(QLatin1StringView(name));
            for (int scale : {1, 2, 3}) {
                QTest::addRow("%s@%dx", name, scale)
                    << Picture::variant(path, scale) << size * scale;
            }
        }
    }

    void pictureLoads()
    {
        QFETCH(QString, path);
        const QImage image = Picture::load(path).toImage();
        QVERIFY2(!image.isNull(), qPrintable(path));
        QTEST(image.size(), "size");
    }

    void variantForRatio_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("variant");
        QTest::newRow("ratio 1") << u":/title.png"_s << 1.0 << u":/title.png"_s;
        QTest::newRow("ratio 1.25") << u":/title.png"_s << 1.25 << u":/title@2x.png"_s;
        QTest::newRow("ratio 2") << u":/title.png"_s << 2.0 << u":/title@2x.png"_s;
        QTest::newRow("ratio 2.5") << u":/title.png"_s << 2.5 << u":/title@3x.png"_s;
        QTest::newRow("ratio 4") << u":/icon.png"_s << 4.0 << u":/icon@3x.png"_s;
    }

    void variantForRatio()
    {
        QFETCH(QString, picture);
        QFETCH(qreal, ratio);
        QTEST(Picture::variant(picture, ratio), "variant");
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
