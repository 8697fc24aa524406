// SPDX-License-Identifier: MIT
#include "dialogs/SecondaryWindow.h"

#include "controls/Controls.h"
#include "controls/PictureButton.h"
#include "controls/Twips.h"
#include "core/Texts.h"

#include <QFont>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace SecondaryWindow {

void setUp(QWidget *window, const QString &name, const QString &caption, QSize clientSize)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFixedSize(clientSize);
    window->setFont(Controls::uiFont(9));
    Controls::setBackground(window, Qt::white);
    Controls::centreOnFirstShow(window);
}

void closeOnEscape(QWidget *window)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

Picture *titlePicture(QWidget *window, const QString &picture, int left)
{
    auto *title = new Picture(u"imgTitle"_s, picture, Picture::TitleSize, window);
    title->move(Twips::toPixels(left), 0);
    title->setAccessibleName(Texts::ProgramName.toString());
    return title;
}

PictureButton *okButton(QWidget *window, int top)
{
    return Controls::pictureButton(window, u"imgOK"_s, u":/button-ok.png"_s, 360, top, u"OK"_s);
}

PictureButton *cancelButton(QWidget *window, int top)
{
    return Controls::pictureButton(window, u"imgCancel"_s, u":/button-cancel.png"_s, 1680, top,
                                   u"Cancel"_s);
}

void addSideBars(QWidget *window, int right, int height)
{
    Controls::panel(window, u"Shape1"_s, Twips::rect(0, 0, 135, height), Qt::black)->lower();
    Controls::panel(window, u"Shape2"_s, Twips::rect(right, 0, 135, height), Qt::black)->lower();
}

} // namespace SecondaryWindow
