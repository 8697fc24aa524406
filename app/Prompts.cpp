#include "app/Prompts.h"

#include "app/controls/Controls.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace Prompts {

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(ProgramTitle), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(u"messageBox"_qs);
    box.exec();
}

QString askText(QWidget *parent, const QString &prompt, const QString &title)
{
    QInputDialog box(parent);
    box.setObjectName(u"inputBox"_qs);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    box.setInputMode(QInputDialog::TextInput);
    Controls::allowAnyLength(box.findChild<QLineEdit *>());
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace Prompts
