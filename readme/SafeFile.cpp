// SPDX-License-Identifier: MIT
#include "readme/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace SafeFile {

namespace {

// Longest file name most file systems accept, in bytes of the name as stored.
constexpr qsizetype MaxNameBytes = 255;

QString causeOf(const QFileDevice &file, const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return u"同じ名前のフォルダがあります。"_qs;
    if (!info.dir().exists())
        return u"保存先のフォルダ「%1」が見つかりません。"_qs.arg(displayPath(info.path()));
    if (QFile::encodeName(info.fileName()).size() > MaxNameBytes)
        return u"ファイル名が長すぎます。"_qs;
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return u"書き込みが許可されていません。"_qs;
    case QFileDevice::ResourceError:
        return u"ディスクの空きが足りないか、書き込みに必要な資源がありません。"_qs;
    default:
        return u"ファイルを書き込めませんでした。"_qs;
    }
}

} // namespace

bool writeAll(QIODevice &device, QByteArrayView bytes)
{
    return device.write(bytes.data(), bytes.size()) == bytes.size();
}

QString failureReason(const QFileDevice &file, const QString &path)
{
    return u"%1（%2）"_qs.arg(causeOf(file, path), file.errorString());
}

QString displayPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

WriteResult writeAtomically(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeAll(file, bytes) && file.commit())
        return WriteResult::success(path);
    const QString message = u"「%1」を保存できませんでした。\n%2"_qs.arg(
        displayPath(path), failureReason(file, path));
    file.cancelWriting();
    return WriteResult::failure(path, message);
}

} // namespace SafeFile
