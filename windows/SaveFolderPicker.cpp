#include "windows/SaveFolderPicker.h"

#include "app/controls/Controls.h"
#include "app/controls/DriveList.h"
#include "app/controls/FolderList.h"
#include "app/controls/PictureButton.h"
#include "app/controls/Twips.h"
#include "windows/SecondaryWindow.h"

#include <QDir>

using SecondaryWindow::ButtonPictureSize;
using SecondaryWindow::TitlePictureSize;

SaveFolderPicker::SaveFolderPicker(const QString &titlePicture)
    : m_imgTitle(new PictureButton(u"imgTitle"_qs, titlePicture, TitlePictureSize,
                                   PictureButton::Role::Image, this)),
      m_label1(Controls::label(this, u"Label1"_qs, u"保存先を選択してください"_qs,
                               Twips::rect(360, 600, 2535, 255), Qt::AlignHCenter)),
      m_drive1(new DriveList(this)),
      m_dir1(new FolderList(this)),
      m_imgOK(new PictureButton(u"imgOK"_qs, u":/button-ok.svg"_qs, ButtonPictureSize,
                                PictureButton::Role::Button, this)),
      m_imgCancel(new PictureButton(u"imgCancel"_qs, u":/button-cancel.svg"_qs,
                                    ButtonPictureSize, PictureButton::Role::Button, this)),
      m_shape1(Controls::panel(this, u"Shape1"_qs, Twips::rect(0, 0, 135, 4095), Qt::black)),
      m_shape2(Controls::panel(this, u"Shape2"_qs, Twips::rect(3120, 0, 135, 4095), Qt::black))
{
    SecondaryWindow::setUp(this, u"frmSave"_qs, u"保存先指定"_qs, Twips::size(3270, 3960));
    m_imgTitle->move(Twips::toPixels(240), 0);
    m_imgTitle->raise(); // the picture's last letter reaches the right-hand bar
    m_imgTitle->setAccessibleName(u"NeatTessel"_qs);
    m_drive1->setGeometry(Twips::rect(360, 840, 2535, 300));
    m_dir1->setGeometry(Twips::rect(360, 1200, 2535, 2190));
    m_imgOK->move(Twips::toPixels(360), Twips::toPixels(3480));
    m_imgOK->setAccessibleName(u"OK"_qs);
    m_imgCancel->move(Twips::toPixels(1680), Twips::toPixels(3480));
    m_imgCancel->setAccessibleName(u"Cancel"_qs);

    setTabOrder(m_drive1, m_dir1);
    setTabOrder(m_dir1, m_imgOK);
    setTabOrder(m_imgOK, m_imgCancel);
    m_drive1->setFocus();

    const QString start = QDir::currentPath();
    m_drive1->selectDriveOf(start);
    m_dir1->setPath(start);

    connect(m_drive1, &DriveList::driveChanged, m_dir1, &FolderList::setPath);
    connect(m_imgOK, &PictureButton::clicked, this, &SaveFolderPicker::choose);
    connect(m_imgCancel, &PictureButton::clicked, this, &QWidget::close);
    SecondaryWindow::closeOnEscape(this);
}

void SaveFolderPicker::choose()
{
    Q_EMIT folderChosen(m_dir1->path());
    close();
}
