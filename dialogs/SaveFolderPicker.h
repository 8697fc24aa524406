// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class DriveList;
class FolderList;
class Picture;
class PictureButton;
class QLabel;

// The window frmSave: a drive list and a folder list to choose the folder the
// ReadMe is written to. It starts at the process's current folder, never
// changes that folder, and checks nothing: OK hands the open folder's path on
// exactly as the folder list reports it.
class SaveFolderPicker : public QWidget
{
    Q_OBJECT
public:
    // `titlePicture` is the main window's title picture, shown at the top.
    explicit SaveFolderPicker(const QString &titlePicture);

Q_SIGNALS:
    void folderChosen(const QString &path);

private:
    void choose();

    Picture *const m_imgTitle;
    QLabel *const m_label1;
    DriveList *const m_drive1;
    FolderList *const m_dir1;
    PictureButton *const m_imgOK;
    PictureButton *const m_imgCancel;
};
