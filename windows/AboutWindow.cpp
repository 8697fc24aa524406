#include "windows/AboutWindow.h"

AboutWindow::AboutWindow(const QString &titlePicture, const QString &iconPicture)
{
    Q_UNUSED(titlePicture);
    Q_UNUSED(iconPicture);
    setObjectName(u"frmVersion"_qs);
    setWindowTitle(u"バージョン情報"_qs);
    setAttribute(Qt::WA_DeleteOnClose);
}
