#pragma once

#include "app/ReadmeSettings.h"
#include "templates/TemplateStore.h"

#include <QWidget>

class PictureButton;
class QListWidget;

// The window frmTemplate: lists the stored templates and reads the chosen
// one. It hands the answers to whoever listens and changes nothing itself;
// a template that cannot be read is reported and nothing is handed on.
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
};
