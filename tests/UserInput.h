// SPDX-License-Identifier: MIT
#pragma once

// What the GUI tests do as a user: type any text (QTest::keyClicks sends
// Latin-1 only), click an entry of a list, and answer the program's modal
// boxes (Prompts) from a timer while they block.

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace UserInput {

// One key event per character, carrying it, as an input method delivers it.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const char32_t codePoint : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown,
                            QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
}

inline void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Answers every box of Prompts shown while it lives: it records the box,
// types `typed` into an input box, then confirms it, or cancels when asked to.
class ModalAnswerer
{
public:
    enum class Press { Ok, Cancel };
    struct Seen
    {
        QString objectName, title, text;
        QStringList buttons; // captions, sorted
        QFont font;          // of the text shown
    };
    QList<Seen> seen;

    explicit ModalAnswerer(Press press = Press::Ok, const QString &typed = {})
    {
        m_timer.callOnTimeout([=, this] { answer(press, typed); });
        m_timer.start(10);
    }

private:
    void answer(Press press, const QString &typed)
    {
        auto *const box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        auto *const message = qobject_cast<QMessageBox *>(box);
        auto *const input = qobject_cast<QInputDialog *>(box);
        if (!(message || input) || !box->isVisible())
            return;
        QStringList buttons;
        for (const QPushButton *button : box->findChildren<QPushButton *>())
            buttons.append(button->text());
        buttons.sort();
        seen.append({box->objectName(), box->windowTitle(),
                     message ? message->text() : input->labelText(), buttons,
                     box->findChild<QLabel *>()->font()});
        if (input)
            typeText(input->findChild<QLineEdit *>(), typed);
        box->done(press == Press::Ok ? QDialog::Accepted : QDialog::Rejected);
    }

    QTimer m_timer;
};

} // namespace UserInput
