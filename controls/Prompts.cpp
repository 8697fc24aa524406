// SPDX-License-Identifier: MIT
#include "controls/Prompts.h"

#include "controls/Controls.h"
#include "controls/HeldKeyFilter.h"
#include "core/Texts.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

using namespace Qt::StringLiterals;

namespace Prompts {

namespace {

QList<Answer> queued;
QList<Shown> shown;

// The first queued answer, recording the box it answers; none when the
// queue is empty and the box is to show.
std::optional<Answer> takeAnswer(const QString &title, const QString &text)
{
    if (queued.isEmpty())
        return std::nullopt;
    shown.append({title, text});
    return queued.takeFirst();
}

// A key held down on the button that opened the box goes on to the box, and
// would answer it, or type into it, before the user has read it.
void takeHeldKeys(QDialog &box)
{
    for (QWidget *const child : box.findChildren<QWidget *>()) {
        if (child->focusPolicy() != Qt::NoFocus)
            HeldKeyFilter::install(child);
    }
}

} // namespace

// Qt captions its buttons in English unless a translation is loaded, and
// draws the boxes in the desktop's font; the windows use their own.
// A message quotes what the user typed or a template held, so it is shown
// as plain text: left to guess, Qt renders a text whose first line opens a
// tag as HTML, loading any picture it names.
void showMessage(QWidget *parent, const QString &text)
{
    if (takeAnswer(Texts::ProgramName.toString(), text))
        return;
    QMessageBox box(QMessageBox::NoIcon, Texts::ProgramName.toString(), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(u"messageBox"_s);
    box.setTextFormat(Qt::PlainText);
    box.setFont(Controls::uiFont(9));
    box.button(QMessageBox::Ok)->setText(u"OK"_s);
    takeHeldKeys(box);
    box.exec();
}

QString askText(QWidget *parent, const QString &prompt, const QString &title)
{
    if (const std::optional<Answer> answer = takeAnswer(title, prompt))
        return answer->accepted ? answer->typed : QString();
    QInputDialog box(parent);
    box.setObjectName(u"inputBox"_s);
    box.setFont(Controls::uiFont(9));
    box.setOkButtonText(u"OK"_s);
    box.setCancelButtonText(u"キャンセル"_s);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.findChild<QLabel *>()->setTextFormat(Qt::PlainText);
    box.setTextValue(QString());
    box.setInputMode(QInputDialog::TextInput);
    Controls::allowAnyLength(box.findChild<QLineEdit *>());
    takeHeldKeys(box);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void queueAnswer(const Answer &answer)
{
    queued.append(answer);
}

QList<Shown> answered()
{
    return shown;
}

void clearAnswers()
{
    queued.clear();
    shown.clear();
}

} // namespace Prompts
