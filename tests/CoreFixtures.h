// SPDX-License-Identifier: MIT
#pragma once

#include "app/ReadmeSettings.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// What the core tests share: whole-file reads and writes, and the worked
// example of a ReadMe (20 lines, 469 bytes in code page 932).
namespace CoreFixtures {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline ReadmeSettings workedExample(const QString &folder = QString())
{
    ReadmeSettings s = ReadmeSettings::atStartup();
    s.txtTitle = u"SampleTool"_qs;
    s.txtName = u"Sample Author"_qs;
    s.txtVer = u"1.00"_qs;
    s.txtDiary = u"2003/01/15"_qs;
    s.cmbDousa = u"WindowsXP"_qs;
    s.cmbHissu = u"Windows98以降"_qs;
    s.cmbSoft = u"フリーウェア"_qs;
    s.cmbTF = u"事後に連絡"_qs;
    s.List2Right = {u"はじめに"_qs, u"注意事項"_qs};
    s.txtPath = folder;
    return s;
}

} // namespace CoreFixtures
