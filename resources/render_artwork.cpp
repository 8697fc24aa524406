// SPDX-License-Identifier: MIT
// Renders each picture of resources/ from its SVG source into the PNGs the
// program ships, at 1x, 2x and 3x, into resources/png. Run by
// script/artwork after an SVG changed.
#include "resources/SvgArtwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_artwork <svg folder> <png folder>\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir target(QString::fromLocal8Bit(argv[2]));
    const QStringList names = sources.entryList({u"*.svg"_qs}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        for (int scale : SvgArtwork::kScales) {
            const QString png = target.filePath(SvgArtwork::pngName(name, scale));
            const QImage image = SvgArtwork::render(sources.filePath(name), scale);
            if (image.isNull() || !image.save(png, "PNG")) {
                std::fprintf(stderr, "could not render %s\n", qPrintable(png));
                return 1;
            }
            std::printf("%s\n", qPrintable(png));
        }
    }
    return names.isEmpty() ? 1 : 0;
}
