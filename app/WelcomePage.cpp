// SPDX-License-Identifier: MIT
#include "app/WelcomePage.h"

#include "controls/Controls.h"
#include "controls/LabelButton.h"
#include "controls/Twips.h"

#include <QLabel>

using namespace Qt::StringLiterals;

WelcomePage::WelcomePage(QWidget *parent)
    : QWidget(parent),
      m_lbltmp(Controls::labelButton(this, u"lbltmp"_s, u"テンプレートをロードする"_s,
                                     Twips::rect(840, 1920, 2895, 255),
                                     u"テンプレートをロードする"_s))
{
    setObjectName(u"Picture1"_s);
    Controls::setBackground(this, Qt::white);

    const QFont small = Controls::uiFont(9);
    Controls::label(this, u"Label3"_s, u"このソフトウェアはSetUpWizerd風Read Me Makerです。"_s,
                    Twips::rect(360, 360, 3975, 255))
        ->setFont(small);
    Controls::label(this, u"Label4"_s, u"指示に従ってお好みのReadMeを作成することができます。"_s,
                    Twips::rect(360, 840, 4095, 255))
        ->setFont(small);
    QLabel *const label5 = Controls::label(
        this, u"Label5"_s,
        u"それでは画面下部の『Next』ボタンをクリックするか、下のボタンをクリックして次のページにお進みください。"_s,
        Twips::rect(360, 1320, 3615, 375));
    label5->setFont(small);
    label5->setWordWrap(true);

    m_lbltmp->setFont(Controls::uiFont(9.75));
    Controls::setBackground(m_lbltmp, QColor(192, 192, 255));
    connect(m_lbltmp, &LabelButton::clicked, this, &WelcomePage::templatePickerRequested);
}

QList<QWidget *> WelcomePage::tabOrder() const
{
    return {m_lbltmp};
}
