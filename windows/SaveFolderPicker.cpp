#include "windows/SaveFolderPicker.h"

SaveFolderPicker::SaveFolderPicker(const QString &titlePicture)
{
    Q_UNUSED(titlePicture);
    setObjectName(u"frmSave"_qs);
    setWindowTitle(u"保存先指定"_qs);
    setAttribute(Qt::WA_DeleteOnClose);
}
