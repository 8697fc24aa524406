// SPDX-License-Identifier: MIT
#include "QueuedAnswers.h"
#include "TopLevels.h"
#include "UserInput.h"
#include "Wine.h"
#include "controls/DriveList.h"
#include "controls/FolderList.h"
#include "dialogs/SaveFolderPicker.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QScopeGuard>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

enum class Action {
    None,
    Highlight,
    Open,
    Enter,
    FirstDrive,
    OpenDeleted,
    OpenUnreadable,
    WheelOverDrives,
    Cancel,
    Escape
};

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A folder hidden as the platform hides it: by its leading dot, and on
// Windows by its attribute, since Windows shows dot names.
bool makeHiddenFolder(const QDir &base, const QString &name)
{
    if (!base.mkpath(name))
        return false;
#ifdef Q_OS_WIN
    const QString path = native(base.filePath(name));
    return SetFileAttributesW(reinterpret_cast<const wchar_t *>(path.utf16()),
                              FILE_ATTRIBUTE_HIDDEN);
#else
    return true;
#endif
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestSaveFolderPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The picker starts in "start": three folders, a hidden one and a file.
    void init()
    {
        const QDir base(m_base.path());
        for (const QString &folder : {u"start/gamma/inner"_s, u"start/alpha"_s, u"start/Beta"_s})
            QVERIFY(base.mkpath(folder));
        QVERIFY(makeHiddenFolder(base, u"start/.hidden"_s));
        QVERIFY(QFile(base.filePath(u"start/file.txt"_s)).open(QFile::WriteOnly));
        QVERIFY(QDir::setCurrent(base.filePath(u"start"_s)));
    }

    void cleanup()
    {
        delete m_picker;
        QDir::setCurrent(QDir::tempPath());
        QFile::setPermissions(m_base.filePath(u"start/gamma"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(TopLevels::leftOver(), QWidgetList());
    }

    // From the top: the chain of folders from the root to the open folder,
    // then the folders in it, by name.
    void listsTheChainAndTheFoldersInside()
    {
        QVERIFY(open());
        QStringList shown;
        for (QTreeWidgetItemIterator item(dir1()); *item; ++item)
            shown.append((*item)->text(0));
        // "/" or a drive such as "C:/", then the folders below it.
        const QString current = QDir::currentPath();
        const qsizetype rootLength = current.indexOf(u'/') + 1;
        QStringList expected = current.mid(rootLength).split(u'/', Qt::SkipEmptyParts);
        expected.prepend(native(current.left(rootLength)));
        QCOMPARE(shown, expected << u"alpha"_s << u"Beta"_s << u"gamma"_s);
    }

    // Paths are relative to the start folder; a null `chosen` hands on nothing.
    // A folder that cannot be read opens without a message and shows nothing inside.
    void handsOnTheOpenFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("chosen");
        const QString root = QDir::rootPath();
        QTest::newRow("lists untouched") << u"."_s << Action::None << u"."_s;
        QTest::newRow("subfolder, no separator") << u"alpha"_s << Action::Open << u"alpha"_s;
        QTest::newRow("Enter on a subfolder") << u"Beta"_s << Action::Enter << u"Beta"_s;
        QTest::newRow("subfolder only highlighted") << u"gamma"_s << Action::Highlight << u"."_s;
        QTest::newRow("root, ends in the separator") << root << Action::Open << root;
        QTest::newRow("root drive") << u"."_s << Action::FirstDrive << root;
        QTest::newRow("deleted after listing") << u"gamma"_s << Action::OpenDeleted << u"gamma"_s;
        QTest::newRow("unreadable") << u"gamma"_s << Action::OpenUnreadable << u"gamma"_s;
        QTest::newRow("wheel over the drives")
            << u"alpha"_s << Action::WheelOverDrives << u"alpha"_s;
        QTest::newRow("Cancel after opening") << u"alpha"_s << Action::Cancel << QString();
        QTest::newRow("Escape after opening") << u"alpha"_s << Action::Escape << QString();
    }

    void handsOnTheOpenFolder()
    {
        QFETCH(QString, folder);
        QFETCH(Action, action);
        QFETCH(QString, chosen);
        const QDir start = QDir::current();
        const QString target = QDir::cleanPath(start.absoluteFilePath(folder));
        QVERIFY(open());
        QSignalSpy handedOn(m_picker.data(), &SaveFolderPicker::folderChosen);
        const QueuedAnswers answers;
        if (action == Action::OpenDeleted)
            QVERIFY(QDir(target).removeRecursively());
        // Root reads every folder, so the picker then works as "nobody" until
        // the end of the test: only the effective user changes, and root is
        // taken back.
        const auto backToRealUser = qScopeGuard([] {
#ifndef Q_OS_WIN
            if (geteuid() != getuid())
                QVERIFY(seteuid(getuid()) == 0);
#endif
        });
        if (action == Action::OpenUnreadable) {
#ifdef Q_OS_WIN
            QSKIP("Qt cannot take read access to a folder away on Windows");
#else
            QVERIFY(QFile::setPermissions(target, QFile::WriteOwner));
            if (geteuid() == 0) {
                QVERIFY(QFile::setPermissions(m_base.path(), QFile::ReadOwner | QFile::WriteOwner
                                                                 | QFile::ExeOwner
                                                                 | QFile::ExeOther));
                QVERIFY(seteuid(65534) == 0);
            }
#endif
        }
        if (action == Action::FirstDrive) {
            auto *drives = m_picker->findChild<DriveList *>(u"Drive1"_s);
            drives->showPopup();
            QTest::keyClick(drives->view(), Qt::Key_Home);
            QTest::keyClick(drives->view(), Qt::Key_Return);
        } else if (action != Action::None) {
            const QString text = QDir(target).isRoot() ? target : QFileInfo(target).fileName();
            const auto items = dir1()->findItems(native(text), Qt::MatchRecursive);
            // A deep start folder (as on Windows) puts the item below the fold.
            dir1()->scrollToItem(items.value(0));
            const QPoint where = dir1()->visualItemRect(items.value(0)).center();
            QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, where);
            if (action == Action::Enter)
                QTest::keyClick(dir1(), Qt::Key_Return);
            else if (action != Action::Highlight) // the click above was its first half
                QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, where);
        }
        // Two notches: the first could hand the drive list the focus.
        if (action == Action::WheelOverDrives) {
            UserInput::turnWheel(m_picker->findChild<QWidget *>(u"Drive1"_s), 2);
            QCOMPARE(QApplication::focusWidget(), dir1());
        }
        if (action == Action::OpenDeleted || action == Action::OpenUnreadable)
            QCOMPARE(dir1()->currentItem()->childCount(), 0);
        QCOMPARE(answers.seen().size(), 0);

        const QString button = action == Action::Cancel ? u"imgCancel"_s : u"imgOK"_s;
        if (action == Action::Escape)
            QTest::keyClick(dir1(), Qt::Key_Escape);
        else
            QTest::mouseClick(m_picker->findChild<QWidget *>(button), Qt::LeftButton);
        QTRY_VERIFY(m_picker.isNull());
        QCOMPARE(handedOn.size(), chosen.isNull() ? 0 : 1);
        if (!chosen.isNull())
            QCOMPARE(handedOn.at(0).at(0).toString(),
                     native(QDir::cleanPath(start.absoluteFilePath(chosen))));
    }

    // However deep the open folder, the keyboard walks every entry up to the
    // root and down again, one at a time, and each entry it reaches is in
    // sight with its whole name.
    void deepFoldersStayReadableAndReachable()
    {
        QString deep = u"start"_s;
        for (int level = 1; level <= 20; ++level)
            deep += u"/level-%1-folder"_s.arg(level, 2, 10, QChar(u'0'));
        QVERIFY(QDir(m_base.path()).mkpath(deep + u"/inside"_s));
        QVERIFY(QDir::setCurrent(m_base.filePath(deep)));
        QVERIFY(open());
        QList<QTreeWidgetItem *> entries;
        for (QTreeWidgetItemIterator item(dir1()); *item; ++item)
            entries.append(*item);
        const qsizetype opened = entries.size() - 2; // "inside" follows it
        // The entry the keyboard is on, in sight, wide enough for its whole
        // name, its start in view and its end too unless the name is wider
        // than the list.
        const auto reached = [&](qsizetype index) {
            QTreeWidgetItem *const current = dir1()->currentItem();
            const QRect shown = dir1()->visualItemRect(current);
            const int needed = dir1()->sizeHintForIndex(dir1()->indexFromItem(current)).width();
            const QSize view = dir1()->viewport()->size();
            const bool endInView = shown.left() + needed <= view.width() || shown.left() == 0;
            return current == entries.at(index) && shown.width() >= needed && shown.left() >= 0
                   && endInView && shown.top() >= 0 && shown.bottom() < view.height();
        };
        QVERIFY(reached(opened));
        for (qsizetype i = opened - 1; i >= 0; --i) {
            QTest::keyClick(dir1(), Qt::Key_Up);
            QVERIFY2(reached(i), qPrintable(entries.at(i)->text(0)));
        }
        for (qsizetype i = 1; i < entries.size(); ++i) {
            QTest::keyClick(dir1(), Qt::Key_Down);
            QVERIFY2(reached(i), qPrintable(entries.at(i)->text(0)));
        }
    }

    void choosesTheDeepestVolumeThatHoldsTheFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("drive");
        QTest::newRow("in a volume listed before the one it lies in")
            << u"/mnt/data/deep/x"_s << u"/mnt/data/deep"_s;
        QTest::newRow("in a volume that holds another") << u"/mnt/data/x"_s << u"/mnt/data"_s;
        QTest::newRow("a volume's own root") << u"/mnt/data"_s << u"/mnt/data"_s;
        QTest::newRow("named like a deeper volume") << u"/mnt/data/deeper"_s << u"/mnt/data"_s;
        QTest::newRow("named like a volume") << u"/mnt/database/x"_s << u"/mnt/database"_s;
        QTest::newRow("above every volume but /") << u"/mnt"_s << u"/"_s;
        QTest::newRow("the root") << u"/"_s << u"/"_s;
        QTest::newRow("in a volume listed last") << u"/home/u"_s << u"/home"_s;
    }

    void choosesTheDeepestVolumeThatHoldsTheFolder()
    {
        QFETCH(QString, folder);
        QFETCH(QString, drive);
        const QStringList roots = {u"/"_s, u"/mnt/data/deep"_s, u"/mnt/data"_s, u"/mnt/database"_s,
                                   u"/home"_s};
        QCOMPARE(roots.value(DriveList::deepestRootOf(roots, folder)), drive);
    }

    // "/" first on Linux; on Windows every drive letter, C: first.
    void listsTheDrives()
    {
        QVERIFY(open());
        const auto *drives = m_picker->findChild<DriveList *>(u"Drive1"_s);
        QStringList shown;
        for (int i = 0; i < drives->count(); ++i)
            shown.append(drives->itemText(i));
#ifdef Q_OS_WIN
        QCOMPARE(shown.value(0), u"C:\\"_s);
        for (const QString &drive : shown)
            QVERIFY2(drive.size() == 3 && drive.endsWith(u":\\"_s), qPrintable(drive));
        if (underWine()) // Wine's drive for the Linux file system
            QVERIFY2(shown.contains(u"Z:\\"_s), qPrintable(shown.join(u' ')));
#else
        QCOMPARE(shown.value(0), u"/"_s);
#endif
    }

    void offersTheVolumesAUserSavesTo_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("offered");
        QTest::newRow("home partition") << u"/home"_s << QByteArray("ext4") << false << true;
        QTest::newRow("named like /run") << u"/runner"_s << QByteArray("xfs") << false << true;
        QTest::newRow("CD-ROM") << u"/media/u/CD"_s << QByteArray("iso9660") << true << false;
        QTest::newRow("proc") << u"/proc"_s << QByteArray("proc") << false << false;
        QTest::newRow("tmpfs") << u"/tmp"_s << QByteArray("tmpfs") << false << false;
        QTest::newRow("under /run") << u"/run/user/1"_s << QByteArray("fuse") << false << false;
    }

    void offersTheVolumesAUserSavesTo()
    {
        QFETCH(QString, root);
        QFETCH(QByteArray, type);
        QFETCH(bool, readOnly);
        QFETCH(bool, offered);
        QCOMPARE(DriveList::isUserVolume(root, type, readOnly), offered);
    }

private:
    // A picker shown and active.
    SaveFolderPicker *open()
    {
        m_picker = new SaveFolderPicker(u":/title.png"_s);
        m_picker->show();
        return QTest::qWaitForWindowActive(m_picker) ? m_picker.data() : nullptr;
    }

    FolderList *dir1() const
    {
        return m_picker->findChild<FolderList *>(u"Dir1"_s);
    }

    QTemporaryDir m_base;
    QPointer<SaveFolderPicker> m_picker;
};

QTEST_MAIN(TestSaveFolderPicker)
#include "tst_savefolderpicker.moc"
