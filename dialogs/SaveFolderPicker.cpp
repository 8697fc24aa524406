// SPDX-License-Identifier: MIT
#include "dialogs/SaveFolderPicker.h"

#include "controls/Controls.h"
#include "controls/DriveList.h"
#include "controls/FolderList.h"
#include "controls/PictureButton.h"
#include "controls/Twips.h"
#include "dialogs/SecondaryWindow.h"

#include <QDir>
#include <QLabel>

using namespace Qt::StringLiterals;

SaveFolderPicker::SaveFolderPicker(const QString &titlePicture)
    : m_imgTitle(SecondaryWindow::titlePicture(this, titlePicture, 240)),
      m_label1(Controls::label(this, u"Label1"_s, u"保存先を選択してください"_s,
                               Twips::rect(360, 600, 2535, 255), Qt::AlignHCenter)),
      m_drive1(new DriveList(this)),
      m_dir1(new FolderList(this)),
      m_imgOK(SecondaryWindow::okButton(this, 3480)),
      m_imgCancel(SecondaryWindow::cancelButton(this, 3480))
{
    SecondaryWindow::setUp(this, u"frmSave"_s, u"保存先指定"_s, Twips::size(3270, 3960));
    SecondaryWindow::addSideBars(this, 3120, 4095);
    m_drive1->setGeometry(Twips::rect(360, 840, 2535, 300));
    m_dir1->setGeometry(Twips::rect(360, 1200, 2535, 2190));
    // On Linux Qt names a drop-down after its current entry ("/"), not after
    // its accessible name; a screen reader takes the name from its label.
    m_label1->setBuddy(m_drive1);

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
