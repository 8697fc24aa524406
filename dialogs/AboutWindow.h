// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Picture;
class QLabel;

// The window frmVersion: the program's name, version, author and contact
// lines, and two remarks about the source. It has no buttons and does
// nothing; its close box closes it.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    // The main window's title picture and icon, shown as they are there.
    AboutWindow(const QString &titlePicture, const QString &iconPicture);

private:
    QWidget *const m_shape1;
    Picture *const m_imgIcon;
    Picture *const m_imgTitle;
    QLabel *const m_label1;
    QLabel *const m_label2;
    QLabel *const m_label3;
    QLabel *const m_label4;
    QLabel *const m_label5;
    QLabel *const m_label6;
    QLabel *const m_label7;
};
