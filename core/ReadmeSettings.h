// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The value of a check box: ticked, unticked or the grayed third state.
enum class CheckValue { Unticked = 0, Ticked = 1, Grayed = 2 };

// The user's answers: one field per input control of the main window, each
// named after the control that shows it. The controls stay the live store
// while the wizard runs; this record is the snapshot that the composer, the
// ReadMe writer and the template format work on. It holds no logic.
struct ReadmeSettings
{
    // Page 1
    QString txtTitle;
    QString txtName;
    QString txtVer;
    QString txtDiary;
    // Page 2
    QString cmbDousa;
    QString cmbHissu;
    QString cmbSoft;
    QString cmbTF;
    QString txtURL;
    QString txtMail;
    // Page 3
    QStringList list2Left;
    QStringList List2Right;
    // Page 4
    QString cmbKakko;
    QString cmbLine;
    QString cmbFile;
    QString txtPath;
    CheckValue chkTemp = CheckValue::Ticked;
    CheckValue chkEdit = CheckValue::Grayed;

    // Every field as the main window holds it right after start-up.
    [[nodiscard]] static ReadmeSettings atStartup();

    bool operator==(const ReadmeSettings &) const = default;
};
