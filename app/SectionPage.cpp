// SPDX-License-Identifier: MIT
#include "app/SectionPage.h"

#include "controls/Controls.h"
#include "controls/LabelButton.h"
#include "controls/Prompts.h"
#include "controls/Twips.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"

#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;

SectionPage::SectionPage(QWidget *parent)
    : QWidget(parent),
      m_list2Left(Controls::listBox(this, u"list2Left"_s, Twips::rect(240, 480, 1815, 1830))),
      m_List2Right(Controls::listBox(this, u"List2Right"_s, Twips::rect(3000, 480, 1815, 1830)))
{
    setObjectName(u"Picture5"_s);
    Controls::setBackground(this, Qt::white);
    Controls::label(this, u"Label20"_s, Texts::Caption::list2.toString(),
                    Twips::rect(120, 120, 1215, 255))
        ->setFont(Controls::uiFont(9.75));
    m_list2Left->setAccessibleName(u"使える項目"_s);
    m_List2Right->setAccessibleName(u"ReadMe に入れる項目"_s);

    const auto button = [this](const QString &name, const QString &caption, int top,
                               const QString &accessibleName) {
        LabelButton *const b = Controls::labelButton(
            this, name, caption, Twips::rect(2280, top, 495, 255), accessibleName);
        m_buttons.append(b);
        return b;
    };
    connect(button(u"lbl2Right"_s, u">"_s, 480, u"選んだ項目を右へ移す"_s), &LabelButton::clicked,
            this, [this] { moveSelected(m_list2Left, m_List2Right); });
    connect(button(u"lbl2Left"_s, u"<"_s, 840, u"選んだ項目を左へ戻す"_s), &LabelButton::clicked,
            this, [this] { moveSelected(m_List2Right, m_list2Left); });
    connect(button(u"lbl2Right2"_s, u">>"_s, 1200, u"すべての項目を右へ移す"_s),
            &LabelButton::clicked, this, [this] { moveAll(m_list2Left, m_List2Right); });
    connect(button(u"lbl2Left2"_s, u"<<"_s, 1560, u"すべての項目を左へ戻す"_s),
            &LabelButton::clicked, this, [this] { moveAll(m_List2Right, m_list2Left); });
    connect(button(u"lbl2Add"_s, u"Add"_s, 2040, u"項目を追加する"_s), &LabelButton::clicked, this,
            &SectionPage::addHeading);
}

void SectionPage::readInto(ReadmeSettings &settings) const
{
    settings.list2Left = Controls::entries(m_list2Left);
    settings.List2Right = Controls::entries(m_List2Right);
}

void SectionPage::apply(const ReadmeSettings &settings)
{
    Controls::setEntries(m_list2Left, settings.list2Left);
    Controls::setEntries(m_List2Right, settings.List2Right);
}

QList<QWidget *> SectionPage::tabOrder() const
{
    QList<QWidget *> order = {m_list2Left, m_List2Right};
    for (LabelButton *button : m_buttons)
        order.append(button);
    return order;
}

// The selected text is copied, then the entry is removed by its position, so
// of two equal entries the selected one goes. An empty text (no selection,
// or a selected empty entry) moves nothing.
void SectionPage::moveSelected(QListWidget *source, QListWidget *target)
{
    const QList<QListWidgetItem *> selected = source->selectedItems();
    if (selected.isEmpty() || selected.first()->text().isEmpty())
        return;
    QListWidgetItem *const item = selected.first();
    target->addItem(item->text());
    delete source->takeItem(source->row(item));
    // A single-selection list selects the neighbour of a removed entry; the
    // source is to be left with nothing selected.
    source->setCurrentRow(-1);
}

// All entries in one call: a shown list of 32,767 entries fills in a few
// milliseconds this way.
void SectionPage::moveAll(QListWidget *source, QListWidget *target)
{
    const QStringList texts = Controls::entries(source);
    if (texts.isEmpty())
        return;
    target->addItems(texts);
    source->clear();
}

void SectionPage::addHeading()
{
    m_List2Right->addItem(Prompts::askText(this, Texts::newHeadingPrompt(), u"Tessel"_s));
}
