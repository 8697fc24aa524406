// SPDX-License-Identifier: MIT
#include "resources/SvgArtwork.h"

#include <QDir>
#include <QTest>

// The PNGs the program ships must be what script/artwork renders from the
// SVG sources today: an SVG changed without rendering again fails here.
class TestArtwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pngMatchesSvg_data()
    {
        QTest::addColumn<QString>("svg");
        QTest::addColumn<QString>("png");
        QTest::addColumn<int>("scale");
        const QDir sources(QStringLiteral(TESSEL_RESOURCES));
        const QStringList names = sources.entryList({u"*.svg"_qs}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 7);
        for (const QString &name : names) {
            for (int scale : SvgArtwork::kScales) {
                const QString png = SvgArtwork::pngName(name, scale);
                QTest::newRow(qPrintable(png)) << sources.filePath(name)
                                               << sources.filePath(u"png/"_qs + png) << scale;
            }
        }
    }

    // Within a few steps per channel, so that a change in the renderer's
    // anti-aliasing does not fail it while any change of the drawing does.
    void pngMatchesSvg()
    {
        QFETCH(QString, svg);
        QFETCH(QString, png);
        QFETCH(int, scale);
        const QImage expected = SvgArtwork::render(svg, scale);
        const QImage shipped = QImage(png).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!expected.isNull());
        QCOMPARE(shipped.size(), expected.size());
        int worst = 0;
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb a = expected.pixel(x, y);
                const QRgb b = shipped.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            }
        }
        QVERIFY2(worst <= 4, qPrintable(u"differs by up to "_qs + QString::number(worst)));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
