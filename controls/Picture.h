// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Twips.h"

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

// An image. It draws its picture (a PNG resource such as ":/title.png",
// shipped also as "@2x" and "@3x") at its own fixed size, taking the variant
// that suits the screen's device pixel ratio, so it stays crisp and keeps
// its size whatever the picture.
class Picture : public QWidget
{
    Q_OBJECT
public:
    // The sizes the windows show their pictures at: the title picture, the
    // buttons (Preview, Back, Next, OK, Cancel) and the icon.
    static constexpr QSize TitleSize = Twips::size(3000, 600);
    static constexpr QSize ButtonSize = Twips::size(1200, 375);
    static constexpr QSize IconSize = Twips::size(480, 480);

    Picture(const QString &name, const QString &picture, QSize size, QWidget *parent);

    // The resource path of the picture shown, so another window can show the
    // same picture.
    [[nodiscard]] QString picture() const { return m_picture; }
    void setPicture(const QString &picture);

    // The resource path of `picture`'s variant for a device pixel ratio:
    // the plain file up to 1, "@2x" up to 2, "@3x" above.
    [[nodiscard]] static QString variant(const QString &picture, qreal devicePixelRatio);
    // The PNG at `path`, read as one: asked to guess, Qt first loads every
    // image plugin it has (SVG and JPEG among them) to ask each whether it
    // reads the file.
    [[nodiscard]] static QPixmap load(const QString &path);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    QPixmap m_pixmap; // the variant last drawn
    QString m_pixmapPath;
};
