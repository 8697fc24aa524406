#include "templates/TemplatePicker.h"

TemplatePicker::TemplatePicker(const TemplateStore &store, const QString &titlePicture)
{
    Q_UNUSED(store);
    Q_UNUSED(titlePicture);
    setObjectName(u"frmTemplate"_qs);
    setWindowTitle(u"テンプレート選択"_qs);
    setAttribute(Qt::WA_DeleteOnClose);
}
