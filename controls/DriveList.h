// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ComboBox.h"

#include <QByteArray>
#include <QString>

// The drive list Drive1: the places a folder can be chosen from. On Windows
// these are the drives; elsewhere "/" first, then the mounted volumes a user
// saves to (no pseudo or read-only file systems, nothing under /proc, /sys,
// /dev or /run). It reads no folders and tests no drive: choosing an entry
// only reports its root. The wheel changes it only while it has the focus,
// and a key held down chooses once.
class DriveList : public ComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent);

    // The root of the chosen entry, with native separators ("C:\", "/", "/home").
    [[nodiscard]] QString drive() const;

    // Chooses the entry whose root holds `path` (the deepest one), without
    // reporting a change.
    void selectDriveOf(const QString &path);

    // The index of the root in `roots` that holds `path` and lies deepest,
    // -1 when none does. Both with "/" separators.
    [[nodiscard]] static qsizetype deepestRootOf(const QStringList &roots, const QString &path);

    // Whether a volume mounted at `rootPath` is one a user would save to.
    [[nodiscard]] static bool isUserVolume(const QString &rootPath,
                                           const QByteArray &fileSystemType, bool readOnly);

Q_SIGNALS:
    // The user chose an entry, also the one already shown.
    void driveChanged(const QString &drive);

private:
    [[nodiscard]] static QStringList driveRoots();
};
