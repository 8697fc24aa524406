#include "templates/TemplatePicker.h"

#include "app/Prompts.h"
#include "app/controls/Controls.h"
#include "app/controls/PictureButton.h"
#include "app/controls/Twips.h"
#include "windows/SecondaryWindow.h"

#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>

using SecondaryWindow::ButtonPictureSize;
using SecondaryWindow::TitlePictureSize;

TemplatePicker::TemplatePicker(const TemplateStore &store, const QString &titlePicture)
    : m_store(store),
      m_imgTitle(new PictureButton(u"imgTitle"_qs, titlePicture, TitlePictureSize,
                                   PictureButton::Role::Image, this)),
      m_label1(Controls::label(this, u"Label1"_qs, u"テンプレートを選んでください。"_qs,
                               Twips::rect(240, 600, 2655, 255), Qt::AlignHCenter)),
      m_listTemplate(
          Controls::listBox(this, u"listTemplate"_qs, Twips::rect(360, 840, 2535, 2730))),
      m_imgOK(new PictureButton(u"imgOK"_qs, u":/button-ok.svg"_qs, ButtonPictureSize,
                                PictureButton::Role::Button, this)),
      m_imgCancel(new PictureButton(u"imgCancel"_qs, u":/button-cancel.svg"_qs,
                                    ButtonPictureSize, PictureButton::Role::Button, this)),
      m_shape1(Controls::panel(this, u"Shape1"_qs, Twips::rect(0, 0, 135, 4095), Qt::black)),
      m_shape2(Controls::panel(this, u"Shape2"_qs, Twips::rect(3120, 0, 135, 4095), Qt::black))
{
    SecondaryWindow::setUp(this, u"frmTemplate"_qs, u"テンプレート選択"_qs,
                           Twips::size(3255, 4080));
    m_imgTitle->move(Twips::toPixels(240), 0);
    m_imgTitle->raise(); // the picture's last letter reaches the right-hand bar
    m_imgTitle->setAccessibleName(u"NeatTessel"_qs);

    m_listTemplate->setAccessibleName(u"テンプレート"_qs);

    m_imgOK->move(Twips::toPixels(360), Twips::toPixels(3600));
    m_imgOK->setAccessibleName(u"OK"_qs);
    m_imgCancel->move(Twips::toPixels(1680), Twips::toPixels(3600));
    m_imgCancel->setAccessibleName(u"Cancel"_qs);

    setTabOrder(m_listTemplate, m_imgOK);
    setTabOrder(m_imgOK, m_imgCancel);
    m_listTemplate->setFocus();

    connect(m_imgOK, &PictureButton::clicked, this, &TemplatePicker::loadSelected);
    connect(m_listTemplate, &QListWidget::itemDoubleClicked, this, &TemplatePicker::loadSelected);
    // Enter is caught here rather than through the list's activated(), which
    // some styles also emit on a single click.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), m_listTemplate);
        enter->setContext(Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, &TemplatePicker::loadSelected);
    }
    connect(m_imgCancel, &PictureButton::clicked, this, &QWidget::close);
    SecondaryWindow::closeOnEscape(this);

    fillList();
}

void TemplatePicker::fillList()
{
    const QStringList names = m_store.ListTemplates();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, m_listTemplate);
        if (name.isEmpty())
            item->setData(Qt::AccessibleTextRole, u"（タイトルなし）"_qs);
    }
}

void TemplatePicker::loadSelected()
{
    const QList<QListWidgetItem *> selected = m_listTemplate->selectedItems();
    if (selected.isEmpty())
        return;
    const TemplateFormat::ParseResult result = m_store.LoadTemplate(selected.first()->text());
    if (!result.ok()) {
        Prompts::showMessage(this, result.error);
        return;
    }
    Q_EMIT templateLoaded(result.settings);
    close();
}
