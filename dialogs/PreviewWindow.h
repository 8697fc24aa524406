// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPlainTextEdit;

// The window frmPreview: shows the composed ReadMe in the editable text box
// txtPreview, in a fixed-pitch Japanese font, without line wrap. The user
// may edit the text; nothing reads it back, because the ReadMe file is
// always written from a fresh composition. It composes nothing itself.
class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    PreviewWindow();

    // Replaces the whole text; the composed text's CR LF line ends become
    // the text box's line breaks.
    void setText(const QString &composed);

    // The text box's size in a window of `outer` size with the frame,
    // `inside` without: height = outer height - 425 twips, width = outer
    // width - 125 twips, never below zero. The margins hold a thin frame; a
    // thicker one, known once the window manager has framed the window,
    // leaves less inside, and the box keeps within it so that its scroll
    // bars stay in sight.
    [[nodiscard]] static QSize textBoxSize(QSize outer, QSize inside);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyResizeRule();

    QPlainTextEdit *const m_txtPreview;
};
