#pragma once

#include <QWidget>

// The window frmSave: a drive list and a folder list to choose the folder the
// ReadMe is written to. OK hands the open folder's path on unchanged.
class SaveFolderPicker : public QWidget
{
    Q_OBJECT
public:
    // `titlePicture` is the main window's title picture, shown at the top.
    explicit SaveFolderPicker(const QString &titlePicture);

Q_SIGNALS:
    void folderChosen(const QString &path);
};
