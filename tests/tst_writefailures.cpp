// SPDX-License-Identifier: MIT
#include "ChildProcess.h"
#include "CoreFixtures.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"
#include "finish/FinishSequence.h"
#include "readme/ReadmeWriter.h"
#include "templates/TemplateStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>

#include <sys/mount.h>
#include <sys/vfs.h>

using namespace Qt::StringLiterals;

using namespace CoreFixtures;

namespace {

enum class Writer { Readme, Template };

// A tmpfs of `kib` KiB on a fresh folder while it lives, or the reason it
// could not be mounted (the test does not run as root, or may not mount).
class SmallFileSystem
{
public:
    explicit SmallFileSystem(int kib)
    {
        const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0777";
        if (::mount("tmpfs", mountPoint(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0)
            m_mounted = true;
        else
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(mountPoint(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    [[nodiscard]] bool mounted() const { return m_mounted; }
    [[nodiscard]] QString skipReason() const
    {
        return u"a small tmpfs is needed and could not be mounted (run the test as root "
               u"where mounting is allowed): "_s
               + m_error;
    }
    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] bool makeReadOnly() const
    {
        return ::mount(nullptr, mountPoint(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Fills it up, then frees `freeBytes` again (in whole pages).
    [[nodiscard]] bool fill(qint64 freeBytes) const
    {
        QFile filler(QDir(path()).filePath(u"filler"_s));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
        return filler.resize(std::max<qint64>(0, filler.size() - freeBytes));
    }

private:
    const char *mountPoint() const
    {
        m_native = QFile::encodeName(m_dir.path());
        return m_native.constData();
    }

    QTemporaryDir m_dir;
    mutable QByteArray m_native;
    bool m_mounted = false;
    QString m_error;
};

// A FUSE file system over a fresh folder, while it lives, on which syncing
// a file or a folder (`failing`) fails with EIO; or the reason it could not
// be mounted (no /dev/fuse, no python3-fusepy, no right to mount).
class FailingSyncFileSystem
{
public:
    explicit FailingSyncFileSystem(const QString &failing)
    {
        if (!QFile::exists(u"/dev/fuse"_s)) {
            m_error = u"/dev/fuse is missing"_s;
            return;
        }
        m_server.start(u"/usr/bin/python3"_s, {QString::fromUtf8(TESSEL_FAILING_SYNC_FS),
                                               m_backing.path(), m_mountPoint.path(), failing});
        const QDeadlineTimer deadline(10'000);
        while (!mounted() && !deadline.hasExpired() && !m_server.waitForFinished(50)) {
        }
        if (!mounted())
            m_error = m_server.errorString() + u' ' + QString::fromLocal8Bit(m_server.readAll());
    }
    ~FailingSyncFileSystem()
    {
        if (mounted())
            QProcess::execute(u"fusermount3"_s, {u"-u"_s, m_mountPoint.path()});
        if (!m_server.waitForFinished(5'000))
            m_server.kill();
        m_server.waitForFinished();
    }
    FailingSyncFileSystem(const FailingSyncFileSystem &) = delete;
    FailingSyncFileSystem &operator=(const FailingSyncFileSystem &) = delete;

    [[nodiscard]] bool mounted() const
    {
        constexpr long FuseMagic = 0x65735546;
        struct statfs info = {};
        return ::statfs(QFile::encodeName(m_mountPoint.path()).constData(), &info) == 0
               && info.f_type == FuseMagic;
    }
    [[nodiscard]] QString skipReason() const
    {
        return u"a FUSE file system is needed (/dev/fuse, fuse3 and python3-fusepy, which "
               u"script/test installs, and root or fusermount3) and could not be mounted: "_s
               + m_error;
    }
    [[nodiscard]] QString path() const { return m_mountPoint.path(); }

private:
    QTemporaryDir m_backing;
    QTemporaryDir m_mountPoint;
    QProcess m_server;
    QString m_error;
};

// The answers whose ReadMe and template are each about 14 KiB.
ReadmeSettings largeAnswers(const QString &folder)
{
    ReadmeSettings s = sampleToolAnswers(folder);
    s.txtName = QString(14 * 1024, u'x');
    return s;
}

// Writes with `writer` into `folder`; the file it replaces is `oldName`.
WriteResult writeWith(Writer writer, const ReadmeSettings &s, const QString &folder)
{
    if (writer == Writer::Readme)
        return writeReadme(s);
    return saveTemplate(TemplateStore(folder), s);
}

QByteArray preparedWith(Writer writer, const ReadmeSettings &s, const QString &folder)
{
    if (writer == Writer::Readme)
        return ReadmeWriter::prepare(s).bytes;
    return TemplateStore(folder).prepare(s).bytes;
}

QString oldName(Writer writer)
{
    return writer == Writer::Readme ? u"ReadMe.txt"_s : u"SampleTool.tmp"_s;
}

QByteArray encodeResult(const WriteResult &result)
{
    return QByteArray::number(int(result.status)) + '\n' + result.message.toUtf8();
}

} // namespace

Q_DECLARE_METATYPE(Writer)

// Failures provoked for real: a full file system, a file-size limit, a
// read-only file system, a folder the user may not write. In each the old
// file keeps every byte, nothing is left beside it, and the message names
// the file and the cause in Japanese.
class TestWriteFailures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fullFileSystem_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<int>("freeBytes");
        QTest::newRow("ReadMe, nothing free") << Writer::Readme << 0;
        QTest::newRow("ReadMe, 8 KiB free for 14 KiB") << Writer::Readme << 8192;
        QTest::newRow("template, nothing free") << Writer::Template << 0;
        QTest::newRow("template, 8 KiB free for 14 KiB") << Writer::Template << 8192;
    }

    void fullFileSystem()
    {
        QFETCH(Writer, writer);
        QFETCH(int, freeBytes);
        const SmallFileSystem disk(128);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QString old = QDir(disk.path()).filePath(oldName(writer));
        const QByteArray oldBytes = QByteArray("old content\r\n").repeated(200);
        QVERIFY(writeFile(old, oldBytes));
        QVERIFY(disk.fill(freeBytes));

        const WriteResult result = writeWith(writer, largeAnswers(disk.path()), disk.path());
        QCOMPARE(result.status, WriteResult::Status::Failed);
        QVERIFY2(result.message.contains(Texts::diskFull()), qPrintable(result.message));
        QVERIFY2(result.message.contains(old), qPrintable(result.message));
        QCOMPARE(readFile(old), oldBytes);
        QCOMPARE(entriesOf(disk.path()), QStringList({u"filler"_s, oldName(writer)}));
    }

    void failedSync_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QString>("failing");
        QTest::newRow("ReadMe, the file") << Writer::Readme << u"file"_s;
        QTest::newRow("template, the file") << Writer::Template << u"file"_s;
        QTest::newRow("ReadMe, the folder") << Writer::Readme << u"folder"_s;
        QTest::newRow("template, the folder") << Writer::Template << u"folder"_s;
    }

    // A file that did not reach the disk leaves the old one whole. A folder
    // that did not is reported too, but the new file is in place by then,
    // and the message says so.
    void failedSync()
    {
        QFETCH(Writer, writer);
        QFETCH(QString, failing);
        const FailingSyncFileSystem disk(failing);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QString old = QDir(disk.path()).filePath(oldName(writer));
        const QByteArray oldBytes = QByteArray("old content\r\n").repeated(200);
        QVERIFY(writeFile(old, oldBytes));

        const ReadmeSettings answers = largeAnswers(disk.path());
        const WriteResult result = writeWith(writer, answers, disk.path());
        QCOMPARE(result.status, WriteResult::Status::Failed);
        QVERIFY2(result.message.contains(old), qPrintable(result.message));
        QVERIFY2(result.message.contains(u"Input/output error"_s), qPrintable(result.message));
        const bool placed = failing == u"folder"_s;
        const QString replaced = Texts::replacedNotSynced(old, u"Input/output error"_s);
        QVERIFY2(result.message.contains(replaced) == placed, qPrintable(result.message));
        QCOMPARE(readFile(old), placed ? preparedWith(writer, answers, disk.path()) : oldBytes);
        QCOMPARE(entriesOf(disk.path()), QStringList{oldName(writer)});
    }

    void fileSizeLimit_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::newRow("ReadMe") << Writer::Readme;
        QTest::newRow("template") << Writer::Template;
    }

    // Independent of root: the limit cuts the write after 8 KiB, as a full
    // disk would, and the child reports what the writer said.
    void fileSizeLimit()
    {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        const QString old = dir.filePath(oldName(writer));
        const QByteArray oldBytes = QByteArray("old content\r\n").repeated(200);
        QVERIFY(writeFile(old, oldBytes));
        const std::optional<QByteArray> out = ChildProcess::run(
            [&] { return encodeResult(writeWith(writer, largeAnswers(dir.path()), dir.path())); },
            {.fileSizeLimit = 8192});
        QVERIFY(out.has_value());
        QVERIFY2(out->startsWith(QByteArray::number(int(WriteResult::Status::Failed))),
                 out->constData());
        QVERIFY2(out->contains(old.toUtf8()), out->constData());
        QCOMPARE(readFile(old), oldBytes);
        QCOMPARE(entriesOf(dir.path()), QStringList{oldName(writer)});
    }

    void readOnlyFileSystem()
    {
        const SmallFileSystem disk(64);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QString old = QDir(disk.path()).filePath(u"ReadMe.txt"_s);
        QVERIFY(writeFile(old, "old"));
        QVERIFY(disk.makeReadOnly());
        const WriteResult result = writeReadme(sampleToolAnswers(disk.path()));
        QCOMPARE(result.status, WriteResult::Status::Failed);
        QVERIFY2(result.message.contains(Texts::readOnlyDrive()), qPrintable(result.message));
        QCOMPARE(readFile(old), QByteArray("old"));
        QCOMPARE(entriesOf(disk.path()), QStringList{u"ReadMe.txt"_s});
    }

    void notPermitted_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::newRow("folder may not be written") << false;
        QTest::newRow("old file is write-protected") << true;
    }

    // Run as an ordinary user: root may write anywhere.
    void notPermitted()
    {
        QFETCH(bool, folderWritable);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"out"_s);
        QVERIFY(QDir(dir.path()).mkdir(u"out"_s));
        const QString old = QDir(folder).filePath(u"ReadMe.txt"_s);
        QVERIFY(writeFile(old, "old"));
        using P = QFileDevice::Permission;
        QVERIFY(QFile::setPermissions(dir.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner
                                                      | P::ReadOther | P::ExeOther));
        const QFileDevice::Permissions read = P::ReadOwner | P::ReadOther;
        const QFileDevice::Permissions write = P::WriteOwner | P::WriteOther;
        const QFileDevice::Permissions enter = P::ExeOwner | P::ExeOther;
        QVERIFY(
            QFile::setPermissions(folder, folderWritable ? read | write | enter : read | enter));
        QVERIFY(QFile::setPermissions(old, folderWritable ? read : read | write));

        const std::optional<QByteArray> out =
            ChildProcess::run([&] { return encodeResult(writeReadme(sampleToolAnswers(folder))); },
                              {.dropRoot = true});
        QVERIFY(out.has_value());
        QVERIFY2(out->startsWith(QByteArray::number(int(WriteResult::Status::Failed))),
                 out->constData());
        QVERIFY2(out->contains(Texts::notPermitted().toUtf8()), out->constData());
        QCOMPARE(readFile(old), QByteArray("old"));
        QCOMPARE(entriesOf(folder), QStringList{u"ReadMe.txt"_s});
    }

    // A folder "tmp" beside the program that the user may not write is not
    // taken for the store; the user's data folder is.
    void unwritableStoreBesideTheProgram()
    {
        QTemporaryDir program;
        QTemporaryDir home;
        using P = QFileDevice::Permission;
        const QFileDevice::Permissions open =
            P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadOther | P::ExeOther;
        QVERIFY(QDir(program.path()).mkdir(u"tmp"_s));
        QVERIFY(QFile::setPermissions(program.path(), open));
        QVERIFY(QFile::setPermissions(program.filePath(u"tmp"_s),
                                      P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther));
        QVERIFY(QFile::setPermissions(home.path(), open | P::WriteOther));

        const std::optional<QByteArray> out = ChildProcess::run(
            [&] {
                qputenv("HOME", QFile::encodeName(home.path()));
                const TemplateStore store = TemplateStore::locate(program.path());
                const bool usable =
                    QFileInfo(store.folder()).isDir() && QFileInfo(store.folder()).isWritable();
                return QByteArray(usable ? "usable " : "unusable ") + store.folder().toUtf8();
            },
            {.dropRoot = true});
        QVERIFY(out.has_value());
        QVERIFY2(out->startsWith("usable " + home.path().toUtf8() + '/'), out->constData());
        QCOMPARE(entriesOf(program.filePath(u"tmp"_s)), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "tst_writefailures.moc"
