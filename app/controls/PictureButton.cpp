// SPDX-License-Identifier: MIT
#include "app/controls/PictureButton.h"

#include "app/controls/ClickFilter.h"

#include <QPainter>
#include <QSvgRenderer>

PictureButton::PictureButton(const QString &name, const QString &picture, QSize size, Role role,
                             QWidget *parent)
    : QWidget(parent), m_role(role), m_renderer(new QSvgRenderer(this))
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
    m_renderer->load(picture);
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, QRectF(rect()));
    painter.end();
    if (hasFocus())
        ClickFilter::paintFocusFrame(this);
}
