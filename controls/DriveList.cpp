// SPDX-License-Identifier: MIT
#include "controls/DriveList.h"

#include "controls/HeldKeyFilter.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr Qt::CaseSensitivity PathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

bool holds(const QString &root, const QString &path)
{
    if (path.compare(root, PathCase) == 0)
        return true;
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return path.startsWith(prefix, PathCase);
}

} // namespace

DriveList::DriveList(QWidget *parent) : ComboBox(parent)
{
    setObjectName(u"Drive1"_s);
    setAccessibleName(u"ドライブ"_s);
    for (const QString &root : driveRoots())
        addItem(QDir::toNativeSeparators(root), root);
    connect(this, &QComboBox::activated, this, [this] { Q_EMIT driveChanged(drive()); });
    // Space opens the list, Enter in it chooses.
    HeldKeyFilter::install(this);
    HeldKeyFilter::install(view());
}

QString DriveList::drive() const
{
    return QDir::toNativeSeparators(currentData().toString());
}

void DriveList::selectDriveOf(const QString &path)
{
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots.append(itemData(i).toString());
    const qsizetype best = deepestRootOf(roots, QDir::fromNativeSeparators(path));
    if (best >= 0)
        setCurrentIndex(int(best));
}

qsizetype DriveList::deepestRootOf(const QStringList &roots, const QString &path)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < roots.size(); ++i) {
        if (holds(roots.at(i), path) && (best < 0 || roots.at(i).size() > roots.at(best).size()))
            best = i;
    }
    return best;
}

bool DriveList::isUserVolume(const QString &rootPath, const QByteArray &fileSystemType,
                             bool readOnly)
{
    static const QList<QByteArray> pseudoTypes = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "overlay",  "proc",     "pstore",  "ramfs",
        "rpc_pipefs", "securityfs",  "squashfs", "sysfs",    "tmpfs",   "tracefs"};
    static const QStringList systemFolders = {u"/proc"_s, u"/sys"_s, u"/dev"_s, u"/run"_s};
    if (readOnly || pseudoTypes.contains(fileSystemType))
        return false;
    return std::none_of(systemFolders.begin(), systemFolders.end(),
                        [&](const QString &folder) { return holds(folder, rootPath); });
}

QStringList DriveList::driveRoots()
{
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo &drive : QDir::drives())
        roots.append(drive.absoluteFilePath());
#else
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (root != u"/" && volume.isValid() && volume.isReady() && QFileInfo(root).isDir()
            && isUserVolume(root, volume.fileSystemType(), volume.isReadOnly())
            && !roots.contains(root))
            roots.append(root);
    }
    std::sort(roots.begin(), roots.end());
    roots.prepend(u"/"_s);
#endif
    return roots;
}
