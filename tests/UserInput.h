#pragma once

// What the GUI tests do as a user: type any text (QTest::keyClicks sends
// Latin-1 only), click an entry of a list, and answer the program's modal
// boxes (Prompts) from a timer while they block.

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace UserInput {

// One key event per character, carrying that character, as an input method
// delivers it.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const char32_t codePoint : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown,
                            QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
    }
}

// Selects everything in a text field and replaces it by typing.
inline void retype(QWidget *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    typeText(field, text);
}

inline void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Answers every box of Prompts shown while it lives: it records the box,
// types `typed` into an input box, then presses OK, or Cancel when asked to.
class ModalAnswerer
{
public:
    enum class Press { Ok, Cancel };

    struct Seen
    {
        QString objectName;
        QString title;
        QString text;
        QStringList buttons;
        QString initialInput;
    };

    explicit ModalAnswerer(Press press = Press::Ok, const QString &typed = {})
        : m_press(press), m_typed(typed)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start(10);
    }

    QList<Seen> seen;

private:
    void answer()
    {
        QWidget *const modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            answerMessage(box);
        else if (auto *input = qobject_cast<QInputDialog *>(modal))
            answerInput(input);
    }

    void answerMessage(QMessageBox *box)
    {
        QStringList buttons;
        for (QAbstractButton *button : box->buttons())
            buttons.append(button->text());
        seen.append({box->objectName(), box->windowTitle(), box->text(), buttons, {}});
        if (m_press == Press::Ok)
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        else
            box->close();
    }

    void answerInput(QInputDialog *input)
    {
        auto *field = input->findChild<QLineEdit *>();
        seen.append({input->objectName(), input->windowTitle(), input->labelText(), {},
                     field ? field->text() : QString()});
        if (field)
            typeText(field, m_typed);
        auto *buttons = input->findChild<QDialogButtonBox *>();
        const auto which = m_press == Press::Ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel;
        if (buttons && buttons->button(which))
            QTest::mouseClick(buttons->button(which), Qt::LeftButton);
        else
            input->reject();
    }

    QTimer m_timer;
    Press m_press;
    QString m_typed;
};

} // namespace UserInput
