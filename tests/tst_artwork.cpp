// SPDX-License-Identifier: MIT
#include "resources/SvgArtwork.h"

#include <QDir>
#include <QImageReader>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The largest difference in any channel of any pixel, or -1 when the sizes
// differ. Within a few steps per channel, a change in the renderer's
// anti-aliasing passes while any change of the drawing does not.
int worstDifference(const QImage &expected, const QImage &shipped)
{
    if (expected.isNull() || shipped.size() != expected.size())
        return -1;
    int worst = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = expected.pixel(x, y);
            const QRgb b = shipped.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    }
    return worst;
}

} // namespace

// The PNGs and the Windows icon file the program ships must be what
// script/artwork renders from the SVG sources today: an SVG changed without
// rendering again fails here.
class TestArtwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pngMatchesSvg_data()
    {
        QTest::addColumn<QString>("svg");
        QTest::addColumn<QString>("png");
        QTest::addColumn<int>("scale");
        const QDir sources(QString::fromUtf8(TESSEL_RESOURCES));
        const QStringList names = sources.entryList({u"*.svg"_s}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 7);
        for (const QString &name : names) {
            for (int scale : SvgArtwork::Scales) {
                const QString png = SvgArtwork::pngName(name, scale);
                QTest::newRow(qPrintable(png))
                    << sources.filePath(name) << sources.filePath(u"png/"_s + png) << scale;
            }
        }
    }

    void pngMatchesSvg()
    {
        QFETCH(QString, svg);
        QFETCH(QString, png);
        QFETCH(int, scale);
        const QImage shipped = QImage(png).convertToFormat(QImage::Format_ARGB32);
        const int worst = worstDifference(SvgArtwork::render(svg, scale), shipped);
        QVERIFY2(worst >= 0 && worst <= 4,
                 qPrintable(u"differs by up to "_s + QString::number(worst)));
    }

    void icoMatchesSvg_data()
    {
        QTest::addColumn<int>("size");
        for (int size : SvgArtwork::IconSizes)
            QTest::addRow("icon.ico %dx%d", size, size) << size;
    }

    // Each size once, in the order Windows lists them.
    void icoMatchesSvg()
    {
        QFETCH(int, size);
        const QDir sources(QString::fromUtf8(TESSEL_RESOURCES));
        QImageReader reader(sources.filePath(SvgArtwork::IconFile.toString()), "ico");
        QCOMPARE(reader.imageCount(), int(std::size(SvgArtwork::IconSizes)));
        const int index =
            int(std::find(std::begin(SvgArtwork::IconSizes), std::end(SvgArtwork::IconSizes), size)
                - std::begin(SvgArtwork::IconSizes));
        QVERIFY(reader.jumpToImage(index));
        const QImage shipped = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage expected =
            SvgArtwork::renderAt(sources.filePath(SvgArtwork::IconSource.toString()), {size, size});
        const int worst = worstDifference(expected, shipped);
        QVERIFY2(worst >= 0 && worst <= 4,
                 qPrintable(u"differs by up to "_s + QString::number(worst)));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
