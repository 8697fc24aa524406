#include "app/MainWindow.h"

MainWindow::MainWindow(const TemplateStore &store, QWidget *parent)
    : QWidget(parent), m_store(store)
{
    setObjectName(u"frmMain"_qs);
    setWindowTitle(u"NeatTessel（狂ってないでRead Me 作れ！このボケナス！）"_qs);
    setFixedSize(456, 256);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}
