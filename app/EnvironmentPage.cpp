// SPDX-License-Identifier: MIT
#include "app/EnvironmentPage.h"

#include "controls/Controls.h"
#include "controls/SuggestionBox.h"
#include "controls/Twips.h"
#include "core/ChoiceLists.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

EnvironmentPage::EnvironmentPage(QWidget *parent)
    : QWidget(parent),
      m_cmbDousa(new SuggestionBox(u"cmbDousa"_s, ChoiceLists::testedEnvironments(), this)),
      m_cmbHissu(new SuggestionBox(u"cmbHissu"_s, ChoiceLists::requiredEnvironments(), this)),
      m_cmbSoft(new SuggestionBox(u"cmbSoft"_s, ChoiceLists::softwareKinds(), this)),
      m_cmbTF(new SuggestionBox(u"cmbTF"_s, ChoiceLists::redistributionTerms(), this)),
      m_txtURL(Controls::textBox(this, u"txtURL"_s, Twips::rect(240, 1560, 4335, 270))),
      m_txtMail(Controls::textBox(this, u"txtMail"_s, Twips::rect(240, 2160, 4335, 270)))
{
    setObjectName(u"Picture3"_s);
    Controls::setBackground(this, Qt::white);

    m_cmbDousa->setGeometry(Twips::rect(240, 360, 2055, 300));
    m_cmbHissu->setGeometry(Twips::rect(2520, 360, 2055, 300));
    m_cmbSoft->setGeometry(Twips::rect(240, 960, 2055, 300));
    m_cmbTF->setGeometry(Twips::rect(2520, 960, 2055, 300));

    Controls::label(this, u"Label8"_s, Texts::Caption::cmbDousa.toString(),
                    Twips::rect(240, 120, 1215, 255))
        ->setBuddy(m_cmbDousa);
    Controls::label(this, u"Label9"_s, Texts::Caption::cmbHissu.toString(),
                    Twips::rect(2520, 120, 855, 255))
        ->setBuddy(m_cmbHissu);
    Controls::label(this, u"Label10"_s, Texts::Caption::cmbSoft.toString(),
                    Twips::rect(240, 720, 1095, 255))
        ->setBuddy(m_cmbSoft);
    Controls::label(this, u"Label11"_s, Texts::Caption::cmbTF.toString(),
                    Twips::rect(2520, 720, 975, 255))
        ->setBuddy(m_cmbTF);
    Controls::label(this, u"Label12"_s, Texts::Caption::txtURL.toString(),
                    Twips::rect(240, 1320, 1095, 255))
        ->setBuddy(m_txtURL);
    Controls::label(this, u"Label13"_s, Texts::Caption::txtMail.toString(),
                    Twips::rect(240, 1920, 1095, 255))
        ->setBuddy(m_txtMail);
}

void EnvironmentPage::readInto(ReadmeSettings &settings) const
{
    settings.cmbDousa = m_cmbDousa->value();
    settings.cmbHissu = m_cmbHissu->value();
    settings.cmbSoft = m_cmbSoft->value();
    settings.cmbTF = m_cmbTF->value();
    settings.txtURL = m_txtURL->text();
    settings.txtMail = m_txtMail->text();
}

void EnvironmentPage::apply(const ReadmeSettings &settings)
{
    m_cmbDousa->setValue(settings.cmbDousa);
    m_cmbHissu->setValue(settings.cmbHissu);
    m_cmbSoft->setValue(settings.cmbSoft);
    m_cmbTF->setValue(settings.cmbTF);
    m_txtURL->setText(settings.txtURL);
    m_txtMail->setText(settings.txtMail);
}

QList<QWidget *> EnvironmentPage::tabOrder() const
{
    return {m_cmbDousa, m_cmbHissu, m_cmbSoft, m_cmbTF, m_txtURL, m_txtMail};
}
