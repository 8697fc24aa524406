// SPDX-License-Identifier: MIT
#include "dialogs/TemplatePicker.h"

#include "controls/Controls.h"
#include "controls/HeldKeyFilter.h"
#include "controls/Keys.h"
#include "controls/PictureButton.h"
#include "controls/Prompts.h"
#include "controls/Twips.h"
#include "dialogs/SecondaryWindow.h"

#include <QKeyEvent>
#include <QListWidget>

using namespace Qt::StringLiterals;

TemplatePicker::TemplatePicker(const TemplateStore &store, const QString &titlePicture)
    : m_store(store),
      m_imgTitle(SecondaryWindow::titlePicture(this, titlePicture, 240)),
      m_label1(Controls::label(this, u"Label1"_s, u"テンプレートを選んでください。"_s,
                               Twips::rect(240, 600, 2655, 255), Qt::AlignHCenter)),
      m_listTemplate(Controls::listBox(this, u"listTemplate"_s, Twips::rect(360, 840, 2535, 2730))),
      m_imgOK(SecondaryWindow::okButton(this, 3600)),
      m_imgCancel(SecondaryWindow::cancelButton(this, 3600))
{
    SecondaryWindow::setUp(this, u"frmTemplate"_s, u"テンプレート選択"_s, Twips::size(3255, 4080));
    SecondaryWindow::addSideBars(this, 3120, 4095);
    m_listTemplate->setAccessibleName(u"テンプレート"_s);

    setTabOrder(m_listTemplate, m_imgOK);
    setTabOrder(m_imgOK, m_imgCancel);
    m_listTemplate->setFocus();

    connect(m_imgOK, &PictureButton::clicked, this, &TemplatePicker::loadSelected);
    connect(m_listTemplate, &QListWidget::itemDoubleClicked, this, &TemplatePicker::loadSelected);
    m_listTemplate->installEventFilter(this);
    HeldKeyFilter::install(m_listTemplate);
    connect(m_imgCancel, &PictureButton::clicked, this, &QWidget::close);
    SecondaryWindow::closeOnEscape(this);

    fillList();
}

void TemplatePicker::fillList()
{
    const QStringList names = m_store.templateNames();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, m_listTemplate);
        if (name.isEmpty())
            item->setData(Qt::AccessibleTextRole, u"（タイトルなし）"_s);
    }
}

// Enter in the list loads the template. It is caught here rather than
// through the list's activated(), which some styles also emit on a single
// click.
bool TemplatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_listTemplate || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    if (!Keys::isEnter(static_cast<QKeyEvent *>(event)->key()))
        return false;
    loadSelected();
    return true;
}

void TemplatePicker::loadSelected()
{
    const QList<QListWidgetItem *> selected = m_listTemplate->selectedItems();
    if (selected.isEmpty())
        return;
    const TemplateFormat::ParseResult result = m_store.load(selected.first()->text());
    if (!result.ok()) {
        Prompts::showMessage(this, result.error);
        return;
    }
    Q_EMIT templateLoaded(result.settings);
    close();
}
