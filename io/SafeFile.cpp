// SPDX-License-Identifier: MIT
#include "io/SafeFile.h"

#include "core/OutputPath.h"
#include "core/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace SafeFile {

namespace {

// Longest path the system takes.
constexpr qsizetype MaxPathBytes = 4095;
constexpr int NameAttempts = 16;

// A short name, so that it fits wherever the target's own name fits.
QString temporaryPath(const QString &folder)
{
    const quint32 number = QRandomGenerator::global()->generate();
    return QDir(folder).filePath(u".neattessel-%1.part"_s.arg(number, 8, 16, QChar(u'0')));
}

bool syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

QString systemMessage(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

#ifdef Q_OS_WIN
// Write-through returns once the move is on the disk, so the folder needs
// no sync of its own.
QString moveIntoPlace(const QFileInfo &temp, const QFileInfo &target)
{
    const QString from = QDir::toNativeSeparators(temp.absoluteFilePath());
    const QString to = QDir::toNativeSeparators(target.absoluteFilePath());
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                    reinterpret_cast<const wchar_t *>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return QString::fromStdString(std::system_category().message(int(GetLastError())));
}

QString syncFolder(const QString &)
{
    return {};
}
#else
QString moveIntoPlace(const QFileInfo &temp, const QFileInfo &target)
{
    std::error_code error;
    std::filesystem::rename(temp.filesystemAbsoluteFilePath(), target.filesystemAbsoluteFilePath(),
                            error);
    return error ? QString::fromStdString(error.message()) : QString();
}

// The new name is on the disk only once its folder is: until then a power
// loss can bring back the old file, or leave none.
QString syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return systemMessage(errno);
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 ? QString() : systemMessage(error);
}
#endif

// What went wrong, judged from the file system as it is now, since the
// error codes that reach us through QFile say little more than "failed".
QString causeOf(const QFileInfo &target, qsizetype size)
{
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return Texts::folderOfSameName();
    if (!folder.isDir())
        return Texts::folderMissing(displayPath(folder.filePath()));
    if (isNameTooLong(target.fileName())
        || QFile::encodeName(target.absoluteFilePath()).size() > MaxPathBytes)
        return Texts::nameTooLong();
    const QStorageInfo volume(folder.absoluteFilePath());
    if (volume.isValid() && volume.isReadOnly())
        return Texts::readOnlyDrive();
    if (!folder.isWritable() || (target.exists() && !target.isWritable()))
        return Texts::notPermitted();
    if (volume.isValid() && volume.bytesAvailable() < size)
        return Texts::diskFull();
    return Texts::notWritten();
}

WriteResult failure(const QString &path, const QFileInfo &target, qsizetype size,
                    const QString &systemReason)
{
    QString message = Texts::notSaved(displayPath(path), causeOf(target, size));
    if (!systemReason.isEmpty())
        message += Texts::systemReason(systemReason);
    return WriteResult::failure(path, message);
}

// The file already has its new content, but its folder did not reach the
// disk: the message says both.
WriteResult notSynced(const QString &path, const QString &systemReason)
{
    return WriteResult::failure(path, Texts::replacedNotSynced(displayPath(path), systemReason));
}

// Writes, keeps the old file's permissions, syncs; the system's reason when
// a step failed, empty when all went well.
QString fill(QFile &temp, const QFileInfo &target, QByteArrayView bytes)
{
    if (!writeAll(temp, bytes))
        return temp.errorString();
    // The owner's, group's and others' bits only: the "user" bits say what
    // this process may do, and would add write access for root.
    const QFileDevice::Permissions userBits =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    if (target.exists() && !temp.setPermissions(target.permissions() & ~userBits))
        return temp.errorString();
    if (!syncToDisk(temp))
        return systemMessage(errno);
    return {};
}

// Opens `path` for reading if it is a regular file. On Unix the file is
// opened without waiting, since a pipe put in its place would block open()
// until a writer came, and judged by what was opened, not by its name.
QString openRegularFile(QFile &file, const QString &path)
{
#ifdef Q_OS_WIN
    if (!QFileInfo(path).isFile())
        return Texts::notRegularFile();
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly))
        return {};
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Texts::cannotOpen(qt_error_string(errno));
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Texts::notRegularFile();
    }
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {};
    ::close(fd);
#endif
    return Texts::cannotOpen(file.errorString());
}

} // namespace

QString readWhole(const QString &path, qint64 maxBytes, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Texts::fileMissing();
    if (info.isFile() && info.size() > maxBytes)
        return Texts::tooLargeToRead(maxBytes);
    QFile file;
    if (const QString problem = openRegularFile(file, path); !problem.isEmpty())
        return problem;
    // What was measured and one byte more: a file that grows while it is
    // read is never read without end, and one grown past the limit shows.
    bytes = file.read(std::min<qint64>(file.size(), maxBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return Texts::cannotRead(file.errorString());
    if (bytes.size() > maxBytes)
        return Texts::tooLargeToRead(maxBytes);
    return {};
}

bool writeAll(QIODevice &device, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = device.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

WriteResult writeAtomically(const QString &path, QByteArrayView bytes)
{
    // A link is followed, so that the file it points to gets the new content.
    const QFileInfo link(path);
    const QFileInfo target(link.isSymLink() ? link.symLinkTarget() : path);
    if (target.isDir() || (target.exists() && !target.isWritable()))
        return failure(path, target, bytes.size(), {});

    // Unbuffered, so that every failed write shows at once: a buffered
    // QSaveFile in Qt 6.4 loses the failure of its last flush and renames the
    // short file over the old one anyway.
    QFile temp(temporaryPath(target.absolutePath()));
    for (int i = 1; i < NameAttempts && temp.exists(); ++i)
        temp.setFileName(temporaryPath(target.absolutePath()));
    if (!temp.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return failure(path, target, bytes.size(), temp.errorString());

    QString reason = fill(temp, target, bytes);
    temp.close();
    if (reason.isEmpty())
        reason = moveIntoPlace(QFileInfo(temp), target);
    if (reason.isEmpty()) {
        const QString unsynced = syncFolder(target.absolutePath());
        return unsynced.isEmpty() ? WriteResult::success(path) : notSynced(path, unsynced);
    }
    const WriteResult result = failure(path, target, bytes.size(), reason);
    temp.remove();
    return result;
}

WriteResult write(const PreparedFile &prepared)
{
    if (!prepared.ok())
        return WriteResult::refusal(prepared.problem);
    return writeAtomically(prepared.path, prepared.bytes);
}

QString displayPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace SafeFile
