// SPDX-License-Identifier: MIT
// Renders each picture of resources/ from its SVG source into the PNGs the
// program ships, at 1x, 2x and 3x, into resources/png, and the icon into the
// Windows program's icon file. Run by script/artwork after an SVG changed.
#include "resources/SvgArtwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_artwork <svg folder> <png folder>\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir target(QString::fromLocal8Bit(argv[2]));
    const QStringList names = sources.entryList({u"*.svg"_s}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        for (int scale : SvgArtwork::Scales) {
            const QString png = target.filePath(SvgArtwork::pngName(name, scale));
            const QImage image = SvgArtwork::render(sources.filePath(name), scale);
            if (image.isNull() || !image.save(png, "PNG")) {
                std::fprintf(stderr, "could not render %s\n", qPrintable(png));
                return 1;
            }
            std::printf("%s\n", qPrintable(png));
        }
    }
    QList<QImage> icons;
    for (int size : SvgArtwork::IconSizes)
        icons.append(SvgArtwork::renderAt(sources.filePath(SvgArtwork::IconSource.toString()),
                                          QSize(size, size)));
    QFile ico(sources.filePath(SvgArtwork::IconFile.toString()));
    const QByteArray bytes = SvgArtwork::icoBytes(icons);
    if (icons.first().isNull() || !ico.open(QIODevice::WriteOnly)
        || ico.write(bytes) != bytes.size() || !ico.flush()) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(ico.fileName()));
        return 1;
    }
    std::printf("%s\n", qPrintable(ico.fileName()));
    return names.isEmpty() ? 1 : 0;
}
