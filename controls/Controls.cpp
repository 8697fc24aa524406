// SPDX-License-Identifier: MIT
#include "controls/Controls.h"

#include "controls/CheckBox.h"
#include "controls/FontSetup.h"
#include "controls/LabelButton.h"
#include "controls/PictureButton.h"

#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

#include <limits>

namespace Controls {

namespace {

constexpr int SubstituteStretch = 88; // percent of the normal width

// Moves the top-level `window` so that its frame sits in the middle of its
// screen's available area.
void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// Watches one window until it has been centred with its frame.
class FrameCentring : public QObject
{
public:
    explicit FrameCentring(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const bool framed = m_window->frameGeometry() != m_window->geometry();
        const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
        if (event->type() == QEvent::Show && !m_shown)
            m_shown = true;
        else if (!(m_shown && moved && framed))
            return false;
        centreOnScreen(m_window);
        if (m_window->frameGeometry() != m_window->geometry()) {
            m_window->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget *const m_window;
    bool m_shown = false;
};

} // namespace

// MS UI Gothic is a narrowed MS P Gothic, and the captions of the windows are
// measured to its widths. Its substitutes (IPAPGothic and the like) have the
// wider widths of MS P Gothic and would be cut off at the end of their
// boxes, so where the real font is missing they are narrowed to match.
// Whether it is missing is asked once: each asking loads a font of its own.
QFont uiFont(qreal points)
{
    const QString family = QString::fromUtf16(FontSetup::UiFont);
    QFont font(family);
    font.setPointSizeF(points);
    static const bool substituted = QFontInfo(font).family() != family;
    if (substituted)
        font.setStretch(SubstituteStretch);
    return font;
}

void centreOnFirstShow(QWidget *window)
{
    new FrameCentring(window);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QWidget *panel(QWidget *parent, const QString &name, const QRect &place, const QColor &colour)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    setBackground(panel, colour);
    return panel;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption, const QRect &place,
              Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &place)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    allowAnyLength(box);
    return box;
}

void allowAnyLength(QLineEdit *edit)
{
    edit->setMaxLength(std::numeric_limits<int>::max());
}

QListWidget *listBox(QWidget *parent, const QString &name, const QRect &place)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption,
                    const QRect &place)
{
    auto *box = new CheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

LabelButton *labelButton(QWidget *parent, const QString &name, const QString &caption,
                         const QRect &place, const QString &accessibleName)
{
    auto *button = new LabelButton(name, caption, parent);
    button->setTextFormat(Qt::PlainText);
    button->setGeometry(place);
    button->setFrameStyle(QFrame::Box | QFrame::Plain);
    button->setLineWidth(1);
    button->setAccessibleName(accessibleName);
    return button;
}

PictureButton *pictureButton(QWidget *parent, const QString &name, const QString &picture, int left,
                             int top, const QString &accessibleName, QSize size)
{
    auto *button = new PictureButton(name, picture, size, parent);
    button->move(Twips::toPixels(left), Twips::toPixels(top));
    button->setAccessibleName(accessibleName);
    return button;
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void setEntries(QListWidget *list, const QStringList &entries)
{
    list->clear();
    list->addItems(entries);
}

Qt::CheckState toCheckState(CheckValue value)
{
    switch (value) {
    case CheckValue::Ticked:
        return Qt::Checked;
    case CheckValue::Grayed:
        return Qt::PartiallyChecked;
    case CheckValue::Unticked:
        break;
    }
    return Qt::Unchecked;
}

CheckValue toCheckValue(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked:
        return CheckValue::Ticked;
    case Qt::PartiallyChecked:
        return CheckValue::Grayed;
    case Qt::Unchecked:
        break;
    }
    return CheckValue::Unticked;
}

} // namespace Controls
