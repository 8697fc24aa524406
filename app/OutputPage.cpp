// SPDX-License-Identifier: MIT
#include "app/OutputPage.h"

#include "controls/Controls.h"
#include "controls/LabelButton.h"
#include "controls/SuggestionBox.h"
#include "controls/Twips.h"
#include "core/ChoiceLists.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

OutputPage::OutputPage(QWidget *parent)
    : QWidget(parent),
      m_cmbKakko(new SuggestionBox(u"cmbKakko"_s, ChoiceLists::bracketStyles(), this)),
      m_cmbLine(new SuggestionBox(u"cmbLine"_s, ChoiceLists::lineStyles(), this)),
      m_cmbFile(new SuggestionBox(u"cmbFile"_s, ChoiceLists::fileNames(), this)),
      m_txtPath(Controls::textBox(this, u"txtPath"_s, Twips::rect(2520, 1080, 1815, 270))),
      m_lblDir(Controls::labelButton(this, u"lblDir"_s, u"..."_s, Twips::rect(4440, 1080, 255, 255),
                                     u"保存先を選ぶ"_s)),
      m_chkTemp(Controls::checkBox(this, u"chkTemp"_s, Texts::Caption::chkTemp.toString(),
                                   Twips::rect(120, 1560, 4575, 255))),
      m_chkEdit(Controls::checkBox(this, u"chkEdit"_s, Texts::Caption::chkEdit.toString(),
                                   Twips::rect(120, 1920, 4575, 255)))
{
    setObjectName(u"Picture6"_s);
    Controls::setBackground(this, Qt::white);

    m_cmbKakko->setGeometry(Twips::rect(120, 360, 2175, 300));
    m_cmbLine->setGeometry(Twips::rect(2520, 360, 2175, 300));
    m_cmbFile->setGeometry(Twips::rect(120, 1080, 2175, 300));

    const QFont small = Controls::uiFont(9);
    QLabel *const label26 = Controls::label(this, u"Label26"_s, Texts::Caption::cmbKakko.toString(),
                                            Twips::rect(120, 120, 975, 255));
    label26->setFont(small);
    label26->setBuddy(m_cmbKakko);
    QLabel *const label27 = Controls::label(this, u"Label27"_s, Texts::Caption::cmbLine.toString(),
                                            Twips::rect(2520, 120, 975, 255));
    label27->setFont(small);
    label27->setBuddy(m_cmbLine);
    Controls::label(this, u"Label28"_s, Texts::Caption::cmbFile.toString(),
                    Twips::rect(120, 840, 975, 255))
        ->setBuddy(m_cmbFile);
    Controls::label(this, u"Label29"_s, Texts::Caption::txtPath.toString(),
                    Twips::rect(2520, 840, 1215, 255))
        ->setBuddy(m_txtPath);
    Controls::label(this, u"Label31"_s, u"Nextをクリックすれば完了します。お疲れ様でした。"_s,
                    Twips::rect(120, 2280, 4695, 255), Qt::AlignRight)
        ->setFont(small);

    connect(m_lblDir, &LabelButton::clicked, this, &OutputPage::folderPickerRequested);
}

void OutputPage::readInto(ReadmeSettings &settings) const
{
    settings.cmbKakko = m_cmbKakko->value();
    settings.cmbLine = m_cmbLine->value();
    settings.cmbFile = m_cmbFile->value();
    settings.txtPath = m_txtPath->text();
    settings.chkTemp = Controls::toCheckValue(m_chkTemp->checkState());
    settings.chkEdit = Controls::toCheckValue(m_chkEdit->checkState());
}

void OutputPage::apply(const ReadmeSettings &settings)
{
    m_cmbKakko->setValue(settings.cmbKakko);
    m_cmbLine->setValue(settings.cmbLine);
    m_cmbFile->setValue(settings.cmbFile);
    m_txtPath->setText(settings.txtPath);
}

void OutputPage::applyChecks(const ReadmeSettings &settings)
{
    m_chkTemp->setCheckState(Controls::toCheckState(settings.chkTemp));
    m_chkEdit->setCheckState(Controls::toCheckState(settings.chkEdit));
}

void OutputPage::setFolder(const QString &path)
{
    m_txtPath->setText(path);
}

QList<QWidget *> OutputPage::tabOrder() const
{
    return {m_cmbKakko, m_cmbLine, m_cmbFile, m_txtPath, m_lblDir, m_chkTemp, m_chkEdit};
}
