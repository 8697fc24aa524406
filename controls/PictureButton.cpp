// SPDX-License-Identifier: MIT
#include "controls/PictureButton.h"

#include "controls/ClickFilter.h"

#include <QImageReader>
#include <QPainter>

using namespace Qt::StringLiterals;

PictureButton::PictureButton(const QString &name, const QString &picture, QSize size, Role role,
                             QWidget *parent)
    : QWidget(parent),
      m_role(role)
{
    setObjectName(name);
    setFixedSize(size);
    setPicture(picture);
    if (role == Role::Button)
        connect(new ClickFilter(this), &ClickFilter::clicked, this, &PictureButton::clicked);
}

void PictureButton::setPicture(const QString &picture)
{
    m_picture = picture;
    update();
}

QString PictureButton::variant(const QString &picture, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0 || !picture.endsWith(u".png"))
        return picture;
    return picture.chopped(4) + (devicePixelRatio <= 2.0 ? u"@2x.png"_s : u"@3x.png"_s);
}

QPixmap PictureButton::load(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void PictureButton::paintEvent(QPaintEvent *)
{
    const QString path = variant(m_picture, devicePixelRatioF());
    if (path != m_pixmapPath) {
        m_pixmap = load(path);
        m_pixmapPath = path;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_pixmap);
    painter.end();
    if (hasFocus())
        ClickFilter::paintFocusFrame(this);
}
