// SPDX-License-Identifier: MIT
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

// How the pictures of resources/ are turned from their SVG sources into the
// PNGs the program ships: at their own size times `scale` (1, 2 or 3), on a
// transparent background; and how icon.svg becomes the Windows program's
// icon file, one picture per size Windows asks for. render_artwork writes
// them with it, and a test checks with it that each still matches its SVG.
// The program itself never reads SVG.
namespace SvgArtwork {

inline constexpr int Scales[] = {1, 2, 3};
// Explorer's and the task bar's sizes at 100 % to 200 % display scaling.
inline constexpr int IconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
inline constexpr QStringView IconSource = u"icon.svg";
inline constexpr QStringView IconFile = u"windows/icon.ico";

// "title.png", "title@2x.png", "title@3x.png" for the source "title.svg".
[[nodiscard]] inline QString pngName(const QString &svgName, int scale)
{
    using namespace Qt::StringLiterals;
    const QString base = svgName.chopped(4);
    return scale == 1 ? base + u".png"_s : u"%1@%2x.png"_s.arg(base).arg(scale);
}

// The SVG drawn to fill `size`; a null image when the SVG does not load.
[[nodiscard]] inline QImage renderAt(const QString &svgPath, QSize size)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

[[nodiscard]] inline QImage render(const QString &svgPath, int scale)
{
    return renderAt(svgPath, QSvgRenderer(svgPath).defaultSize() * scale);
}

// An icon file holding `images`, square and at most 256 pixels wide. The
// 256-pixel picture is stored as PNG, the smaller ones as 32-bit bitmaps with
// their transparency mask, which every version of Windows reads.
[[nodiscard]] inline QByteArray icoBytes(const QList<QImage> &images)
{
    QByteArray header;
    QByteArray data;
    const auto put = [](QByteArray &to, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            to.append(char(value >> (8 * i)));
    };
    const auto put16 = [&](QByteArray &to, quint32 value) { put(to, value, 2); };
    const auto put32 = [&](QByteArray &to, quint32 value) { put(to, value, 4); };
    put16(header, 0);
    put16(header, 1); // icons, not cursors
    put16(header, quint16(images.size()));
    const qsizetype directorySize = 6 + 16 * images.size();
    for (const QImage &source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        const int side = image.width();
        QByteArray picture;
        if (side >= 256) {
            QBuffer buffer(&picture);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        } else {
            const int maskStride = (side + 31) / 32 * 4;
            put32(picture, 40);
            put32(picture, quint32(side));
            put32(picture, quint32(2 * side)); // the colours and the mask
            put16(picture, 1);
            put16(picture, 32);
            put32(picture, 0);
            put32(picture, quint32(side * side * 4 + side * maskStride));
            picture.append(16, '\0');
            for (int y = side - 1; y >= 0; --y) { // bottom row first
                for (int x = 0; x < side; ++x)
                    put32(picture, image.pixel(x, y));
            }
            for (int y = side - 1; y >= 0; --y) {
                QByteArray row(maskStride, '\0');
                for (int x = 0; x < side; ++x) {
                    if (qAlpha(image.pixel(x, y)) == 0)
                        row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                }
                picture.append(row);
            }
        }
        header.append(char(side >= 256 ? 0 : side));
        header.append(char(side >= 256 ? 0 : side));
        header.append(2, '\0');
        put16(header, 1);
        put16(header, 32);
        put32(header, quint32(picture.size()));
        put32(header, quint32(directorySize + data.size()));
        data.append(picture);
    }
    return header + data;
}

} // namespace SvgArtwork
