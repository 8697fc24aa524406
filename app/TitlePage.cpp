// SPDX-License-Identifier: MIT
#include "app/TitlePage.h"

#include "controls/Controls.h"
#include "controls/Twips.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TitlePage::TitlePage(QWidget *parent)
    : QWidget(parent),
      m_txtTitle(Controls::textBox(this, u"txtTitle"_s, Twips::rect(240, 360, 4335, 270))),
      m_txtName(Controls::textBox(this, u"txtName"_s, Twips::rect(240, 960, 4335, 270))),
      m_txtVer(Controls::textBox(this, u"txtVer"_s, Twips::rect(240, 1560, 4335, 270))),
      m_txtDiary(Controls::textBox(this, u"txtDiary"_s, Twips::rect(240, 2160, 4335, 270)))
{
    setObjectName(u"Picture2"_s);
    Controls::setBackground(this, Qt::white);

    Controls::label(this, u"Label6_1"_s, Texts::Caption::txtTitle.toString(),
                    Twips::rect(240, 120, 1935, 255))
        ->setBuddy(m_txtTitle);
    Controls::label(this, u"Label6_0"_s, Texts::Caption::txtName.toString(),
                    Twips::rect(240, 720, 735, 255))
        ->setBuddy(m_txtName);
    Controls::label(this, u"Label7"_s, Texts::Caption::txtVer.toString(),
                    Twips::rect(240, 1320, 1095, 255))
        ->setBuddy(m_txtVer);
    Controls::label(this, u"Label6_2"_s, Texts::Caption::txtDiary.toString(),
                    Twips::rect(240, 1920, 1935, 255))
        ->setBuddy(m_txtDiary);
}

void TitlePage::readInto(ReadmeSettings &settings) const
{
    settings.txtTitle = m_txtTitle->text();
    settings.txtName = m_txtName->text();
    settings.txtVer = m_txtVer->text();
    settings.txtDiary = m_txtDiary->text();
}

void TitlePage::apply(const ReadmeSettings &settings)
{
    m_txtTitle->setText(settings.txtTitle);
    m_txtName->setText(settings.txtName);
    m_txtVer->setText(settings.txtVer);
    m_txtDiary->setText(settings.txtDiary);
}

QList<QWidget *> TitlePage::tabOrder() const
{
    return {m_txtTitle, m_txtName, m_txtVer, m_txtDiary};
}
