// SPDX-License-Identifier: MIT
#include "controls/Picture.h"

#include <QImageReader>
#include <QPainter>

using namespace Qt::StringLiterals;

Picture::Picture(const QString &name, const QString &picture, QSize size, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(size);
    setPicture(picture);
}

void Picture::setPicture(const QString &picture)
{
    m_picture = picture;
    update();
}

QString Picture::variant(const QString &picture, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0 || !picture.endsWith(u".png"))
        return picture;
    return picture.chopped(4) + (devicePixelRatio <= 2.0 ? u"@2x.png"_s : u"@3x.png"_s);
}

QPixmap Picture::load(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void Picture::paintEvent(QPaintEvent *)
{
    const QString path = variant(m_picture, devicePixelRatioF());
    if (path != m_pixmapPath) {
        m_pixmap = load(path);
        m_pixmapPath = path;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_pixmap);
}
