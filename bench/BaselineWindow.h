// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Controls.h"
#include "controls/FontSetup.h"
#include "controls/Twips.h"

#include <QLabel>
#include <QWidget>

#include <memory>

// The windows that the main window's start-up is held against, each of its
// size: a bare QWidget, which loads no font at all; and, with
// `japaneseLabel`, a QWidget showing one line of Japanese in the Gothic the
// main window uses, which is what any Japanese Qt program pays.
inline std::unique_ptr<QWidget> baselineWindow(bool japaneseLabel)
{
    using namespace Qt::StringLiterals;
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(Twips::size(6840, 3840));
    if (japaneseLabel) {
        FontSetup::registerSubstitutes();
        window->setFont(Controls::uiFont(9));
        auto *const label =
            new QLabel(u"このソフトウェアはSetUpWizerd風Read Me Makerです。"_s, window.get());
        label->setGeometry(Twips::rect(2280, 1080, 3975, 255));
    }
    return window;
}
