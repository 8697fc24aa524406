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

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyResizeRule();

    QPlainTextEdit *const m_txtPreview;
    bool m_placed = false;
};
