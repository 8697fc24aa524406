// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

// How the pictures of resources/ are turned from their SVG sources into the
// PNGs the program ships: at their own size times `scale` (1, 2 or 3), on a
// transparent background. render_artwork writes the PNGs with it, and a
// test checks with it that each PNG still matches its SVG. The program
// itself never reads SVG.
namespace SvgArtwork {

inline constexpr int kScales[] = {1, 2, 3};

// "title.png", "title@2x.png", "title@3x.png" for the source "title.svg".
[[nodiscard]] inline QString pngName(const QString &svgName, int scale)
{
    const QString base = svgName.chopped(4);
    return scale == 1 ? base + u".png"_qs : u"%1@%2x.png"_qs.arg(base).arg(scale);
}

// A null image when the SVG does not load.
[[nodiscard]] inline QImage render(const QString &svgPath, int scale)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace SvgArtwork
