#pragma once

#include <QWidget>

// The window frmVersion: the program's name, version, author and contact.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    // The main window's title picture and icon, shown as they are there.
    AboutWindow(const QString &titlePicture, const QString &iconPicture);
};
