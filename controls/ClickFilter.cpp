// SPDX-License-Identifier: MIT
#include "controls/ClickFilter.h"

#include "controls/HeldKeyFilter.h"
#include "controls/Keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

bool isPressKey(const QKeyEvent *event)
{
    return Keys::pressesButton(event->key())
           && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

ClickFilter::ClickFilter(QWidget *button) : QObject(button), m_button(button)
{
    button->setFocusPolicy(Qt::StrongFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->installEventFilter(this);
    // A held key would walk the wizard to its end and write the files.
    HeldKeyFilter::install(button);
}

void ClickFilter::paintFocusFrame(QWidget *button)
{
    QPainter painter(button);
    QPen pen(button->palette().color(QPalette::Highlight));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(button->rect().adjusted(1, 1, -2, -2));
}

bool ClickFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_button)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = m_pressed && mouse->button() == Qt::LeftButton
                           && m_button->rect().contains(mouse->position().toPoint());
        m_pressed = false;
        if (click)
            Q_EMIT clicked();
        return true;
    }
    case QEvent::KeyPress: {
        if (!isPressKey(static_cast<QKeyEvent *>(event)))
            return false;
        Q_EMIT clicked();
        return true;
    }
    default:
        return false;
    }
}
