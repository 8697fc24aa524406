// SPDX-License-Identifier: MIT
#include "dialogs/PreviewWindow.h"

#include "controls/Controls.h"
#include "controls/FontSetup.h"
#include "controls/Twips.h"

#include <QPlainTextEdit>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Outer size minus these margins, in twips, is the size of the text box.
constexpr int HeightMargin = 425;
constexpr int WidthMargin = 125;

int innerPixels(int outerPixels, int marginTwips)
{
    return Twips::toPixels(std::max(0, Twips::fromPixels(outerPixels) - marginTwips));
}

} // namespace

PreviewWindow::PreviewWindow() : m_txtPreview(new QPlainTextEdit(this))
{
    setObjectName(u"frmPreview"_s);
    setWindowTitle(u"プレビュー画面"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(Twips::size(6540, 4845));

    m_txtPreview->setObjectName(u"txtPreview"_s);
    m_txtPreview->setAccessibleName(u"プレビュー"_s);
    m_txtPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtPreview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtPreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QString::fromUtf16(FontSetup::FixedFont));
    font.setPointSize(12);
    font.setStyleHint(QFont::TypeWriter);
    m_txtPreview->setFont(font);
    m_txtPreview->move(0, 0);
    Controls::centreOnFirstShow(this);
    applyResizeRule();
}

void PreviewWindow::setText(const QString &composed)
{
    m_txtPreview->setPlainText(composed);
}

// The native window exists from the first show on; installing the filter
// again at a later show replaces it.
void PreviewWindow::showEvent(QShowEvent *event)
{
    windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
    applyResizeRule();
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyResizeRule();
}

// A window manager frames the window only after it is shown, and the outer
// size grows then without a move or resize of the window itself: the text
// box would leave a grey strip of the frame's height. The frame is known by
// the time the window is on the screen, so every expose applies the rule
// again. This is no first-show filter: the frame can change at any later
// show too, and only the window's expose tells.
bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        applyResizeRule();
    return QWidget::eventFilter(watched, event);
}

QSize PreviewWindow::textBoxSize(QSize outer, QSize inside)
{
    return {std::min(innerPixels(outer.width(), WidthMargin), inside.width()),
            std::min(innerPixels(outer.height(), HeightMargin), inside.height())};
}

// Its place stays 0, 0.
void PreviewWindow::applyResizeRule()
{
    m_txtPreview->resize(textBoxSize(frameGeometry().size(), size()));
}
