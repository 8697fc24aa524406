// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// An image, and where it reacts to a click an image that serves as a button.
// It draws its picture (an SVG resource) scaled to its own fixed size, so it
// stays crisp at any device pixel ratio and keeps its size whatever the
// picture. When clickable it takes the focus with Tab and presses with Space
// or Enter.
class PictureButton : public QWidget
{
    Q_OBJECT
public:
    enum class Role { Image, Button };

    PictureButton(const QString &name, const QString &picture, QSize size, Role role,
                  QWidget *parent);

    // The resource path of the picture shown, so another window can show the
    // same picture.
    [[nodiscard]] QString picture() const { return m_picture; }
    [[nodiscard]] bool isButton() const { return m_role == Role::Button; }
    void setPicture(const QString &picture);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Role m_role;
    QString m_picture;
    QSvgRenderer *const m_renderer;
};
