// SPDX-License-Identifier: MIT
#pragma once

// What the GUI tests do as a user: type any text (QTest::keyClicks sends
// Latin-1 only), turn the wheel, click an entry of a list, and answer the program's modal
// boxes (Prompts) from a timer while they block.

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace UserInput {

// One key event per character, carrying it, as an input method delivers it.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const char32_t codePoint : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown,
                            QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
}

// Notches of the mouse wheel, away from the user, over the middle of
// `widget`. Each goes to the widget under the pointer as the
// platform's does: marked spontaneous, so that Qt also gives the focus to a
// widget that takes it from the wheel and passes an ignored one on.
inline void turnWheel(QWidget *widget, int notches)
{
    const QPoint middle = widget->rect().center();
    QWidget *const under = widget->childAt(middle) ? widget->childAt(middle) : widget;
    const QPointF local = under->mapFrom(widget, middle);
    for (int i = 0; i < notches; ++i) {
        QWheelEvent event(local, under->mapToGlobal(local), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(under, &event);
    }
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
