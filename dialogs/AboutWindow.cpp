// SPDX-License-Identifier: MIT
#include "dialogs/AboutWindow.h"

#include "controls/Controls.h"
#include "controls/Picture.h"
#include "controls/Twips.h"
#include "core/Texts.h"
#include "dialogs/SecondaryWindow.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QLabel *line(QWidget *window, const QString &name, const QString &text, int top, int width)
{
    return Controls::label(window, name, text, Twips::rect(840, top, width, 255));
}

} // namespace

AboutWindow::AboutWindow(const QString &titlePicture, const QString &iconPicture)
    : m_shape1(Controls::panel(this, u"Shape1"_s, Twips::rect(0, 0, 735, 3255), Qt::black)),
      m_imgIcon(new Picture(u"imgIcon"_s, iconPicture, Picture::IconSize, this)),
      m_imgTitle(SecondaryWindow::titlePicture(this, titlePicture, 1920)),
      m_label1(line(this, u"Label1"_s,
                    u"%1 Ver.%2"_s.arg(Texts::ProgramName, QCoreApplication::applicationVersion()),
                    840, 1815)),
      m_label2(
          line(this, u"Label2"_s, u"作成者：%1 の開発者"_s.arg(Texts::ProgramName), 1200, 3015)),
      m_label3(line(this, u"Label3"_s, u"開発環境：C++20 / Qt 6 (Debian 12)"_s, 1440, 3015)),
      m_label4(line(this, u"Label4"_s, u"Webサイト：なし（公開していません）"_s, 1920, 3015)),
      m_label5(line(this, u"Label5"_s, u"Mailアドレス：なし（公開していません）"_s, 2160, 3135)),
      m_label6(line(this, u"Label6"_s, u"ソースがほしい方はメールまたはBBSにカキコしてください。"_s,
                    2520, 3975)),
      m_label7(line(this, u"Label7"_s, u"ソースが汚くてもいいなら差し上げます。（＾＾；）"_s, 2760,
                    3975))
{
    SecondaryWindow::setUp(this, u"frmVersion"_s, u"バージョン情報"_s, Twips::size(4875, 3255));
    m_imgIcon->move(Twips::toPixels(120), Twips::toPixels(600));
    m_imgIcon->setAccessibleName(u"%1 のアイコン"_s.arg(Texts::ProgramName));
}
