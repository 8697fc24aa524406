// SPDX-License-Identifier: MIT
#pragma once

#include "core/ReadmeSettings.h"
#include "templates/TemplateStore.h"

#include <QWidget>

class Picture;
class PictureButton;
class QLabel;
class QListWidget;

// The window frmTemplate: lists the stored templates and reads the chosen
// one. It hands the answers to whoever listens and changes nothing itself;
// a template that cannot be read is reported and nothing is handed on.
// The folder is listed once, when the window is built.
class TemplatePicker : public QWidget
{
    Q_OBJECT
public:
    // `titlePicture` is the main window's title picture, shown at the top.
    TemplatePicker(const TemplateStore &store, const QString &titlePicture);

Q_SIGNALS:
    // Every stored field of the chosen template; chkTemp and chkEdit are not
    // stored and must be left as they are.
    void templateLoaded(const ReadmeSettings &settings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();
    // Reads the selected template; with no entry selected it does nothing.
    void loadSelected();

    const TemplateStore m_store;
    Picture *const m_imgTitle;
    QLabel *const m_label1;
    QListWidget *const m_listTemplate;
    PictureButton *const m_imgOK;
    PictureButton *const m_imgCancel;
};
