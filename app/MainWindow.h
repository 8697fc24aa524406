#pragma once

#include "templates/TemplateStore.h"

#include <QWidget>

// The wizard's main window frmMain.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(const TemplateStore &store, QWidget *parent = nullptr);

private:
    TemplateStore m_store;
};
