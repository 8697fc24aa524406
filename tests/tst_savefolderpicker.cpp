#include "app/controls/DriveList.h"
#include "app/controls/FolderList.h"
#include "app/controls/PictureButton.h"
#include "windows/SaveFolderPicker.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

enum class Action { None, SingleClick, DoubleClick, EnterKey };

// The one item of the folder list that shows `folder`.
QTreeWidgetItem *itemFor(const FolderList *list, const QString &folder)
{
    const QString text = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder)
                                               : QFileInfo(folder).fileName();
    const auto items = list->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.size() == 1 ? items.first() : nullptr;
}

// A user's double-click: QTest sends only its second half to a widget, and
// item views ignore a double-click whose first press went elsewhere.
void doubleClick(FolderList *list, const QString &folder)
{
    const QPoint where = list->visualItemRect(itemFor(list, folder)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
}

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestSaveFolderPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
    }

    // The start folder holds three folders, a hidden one and a file.
    void init()
    {
        m_base = std::make_unique<QTemporaryDir>();
        QVERIFY(m_base->isValid());
        const QDir base(m_base->path());
        for (const QString &folder : {u"start/gamma/inner"_qs, u"start/alpha"_qs, u"start/Beta"_qs,
                                      u"start/.hidden"_qs})
            QVERIFY(base.mkpath(folder));
        QFile file(base.filePath(u"start/file.txt"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QDir::setCurrent(base.filePath(u"start"_qs)));
        m_start = QDir::currentPath();
        m_chosen.clear();
    }

    void cleanup()
    {
        QDir::setCurrent(m_home.path());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidgetList left;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->parentWidget())
                left.append(widget);
        }
        qDeleteAll(left);
        QVERIFY2(left.isEmpty(), "a window was left open");
    }

    void listsTheChainAndTheFoldersInside()
    {
        SaveFolderPicker picker(u":/title.svg"_qs);
        const FolderList *list = picker.findChild<FolderList *>(u"Dir1"_qs);
        QStringList chain;
        for (const QTreeWidgetItem *item = list->currentItem(); item; item = item->parent())
            chain.prepend(item->text(0));
        QStringList expected = m_start.split(u'/', Qt::SkipEmptyParts);
        expected.prepend(native(QDir::rootPath()));
        QCOMPARE(chain, expected);
        QCOMPARE(childTexts(list->currentItem()),
                 (QStringList{u"alpha"_qs, u"Beta"_qs, u"gamma"_qs}));
    }

    void okGivesTheOpenFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("opens");
        QTest::newRow("lists untouched") << u"."_qs << Action::None << false;
        QTest::newRow("folder inside, double-click") << u"alpha"_qs << Action::DoubleClick << true;
        QTest::newRow("folder inside, Enter") << u"Beta"_qs << Action::EnterKey << true;
        QTest::newRow("folder inside, only highlighted")
            << u"gamma"_qs << Action::SingleClick << false;
        QTest::newRow("folder above, double-click") << u".."_qs << Action::DoubleClick << true;
        QTest::newRow("root, double-click") << QDir::rootPath() << Action::DoubleClick << true;
    }

    void okGivesTheOpenFolder()
    {
        QFETCH(QString, folder);
        QFETCH(Action, action);
        QFETCH(bool, opens);
        const QString target = QDir::cleanPath(QDir(m_start).absoluteFilePath(folder));
        QPointer picker = open();
        QVERIFY(picker);
        FolderList *list = dir1();
        if (action == Action::DoubleClick) {
            doubleClick(list, target);
        } else if (action != Action::None) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(itemFor(list, target)).center());
            if (action == Action::EnterKey)
                QTest::keyClick(list, Qt::Key_Return);
        }
        QTest::mouseClick(picker->findChild<PictureButton *>(u"imgOK"_qs), Qt::LeftButton);

        const QString expected = native(opens ? target : m_start);
        QCOMPARE(m_chosen, QStringList{expected});
        QCOMPARE(expected.endsWith(QDir::separator()), QDir(expected).isRoot());
        QTRY_VERIFY(picker.isNull());
    }

    // A folder that vanished, or that the user may not read, opens without
    // a message and shows nothing inside.
    void unreadableFolderShowsNothing_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("deleted after listing") << true;
        QTest::newRow("no permission to read") << false;
    }

    void unreadableFolderShowsNothing()
    {
        QFETCH(bool, deleted);
        const QString gamma = m_start + u"/gamma"_qs;
        QPointer picker = open();
        QVERIFY(picker);
        if (deleted)
            QVERIFY(QDir(gamma).removeRecursively());
        else
            QVERIFY(QFile::setPermissions(gamma, QFileDevice::WriteOwner));
        if (!deleted && QFileInfo(gamma).isReadable()) {
            picker->close();
            QSKIP("this user reads any folder (root)");
        }

        doubleClick(dir1(), gamma);
        QCOMPARE(dir1()->path(), native(gamma));
        QCOMPARE(childTexts(dir1()->currentItem()), QStringList());
        QCOMPARE(QApplication::activeWindow(), picker.data());
        QFile::setPermissions(gamma, QFile::permissions(m_start));
        picker->close();
    }

    void choosingTheRootDrive_movesTheFolderList()
    {
        QPointer picker = open();
        QVERIFY(picker);
        auto *drives = picker->findChild<DriveList *>(u"Drive1"_qs);
        const int root = drives->findText(native(QDir::rootPath()));
        QVERIFY(root >= 0);
        drives->showPopup();
        QTRY_VERIFY(drives->view()->isVisible());
        QTest::mouseClick(drives->view()->viewport(), Qt::LeftButton, {},
                          drives->view()->visualRect(drives->model()->index(root, 0)).center());
        QTRY_VERIFY(!drives->view()->isVisible());

        QTest::mouseClick(picker->findChild<PictureButton *>(u"imgOK"_qs), Qt::LeftButton);
        QCOMPARE(m_chosen, QStringList{native(QDir::rootPath())});
    }

    void cancel_givesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << u"Cancel"_qs;
        QTest::newRow("Enter on Cancel") << u"Enter"_qs;
        QTest::newRow("Escape key") << u"Escape"_qs;
        QTest::newRow("close box") << u"close box"_qs;
    }

    void cancel_givesNothing()
    {
        QFETCH(QString, how);
        QPointer picker = open();
        QVERIFY(picker);
        doubleClick(dir1(), m_start + u"/alpha"_qs);
        auto *cancel = picker->findChild<PictureButton *>(u"imgCancel"_qs);
        if (how == u"Cancel") {
            QTest::mouseClick(cancel, Qt::LeftButton);
        } else if (how == u"Enter") {
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Return);
        } else if (how == u"Escape") {
            QTest::keyClick(dir1(), Qt::Key_Escape);
        } else {
            picker->close();
        }
        QTRY_VERIFY(picker.isNull());
        QCOMPARE(m_chosen, QStringList());
    }

    void tabOrderAndScreenReaderNames()
    {
        QVERIFY(open());
        for (const QString &name : {u"Drive1"_qs, u"Dir1"_qs, u"imgOK"_qs, u"imgCancel"_qs}) {
            QWidget *focus = QApplication::focusWidget();
            QCOMPARE(focus->objectName(), name);
            const QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(focus);
            QVERIFY2(!spoken->text(QAccessible::Name).isEmpty(), qPrintable(name));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        m_picker->close();
    }

    void userVolumes_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("offered");
        QTest::newRow("home partition") << u"/home"_qs << QByteArray("ext4") << false << true;
        QTest::newRow("USB stick") << u"/media/u/STICK"_qs << QByteArray("vfat") << false << true;
        QTest::newRow("folder named like /run") << u"/runner"_qs << QByteArray("xfs") << false
                                                << true;
        QTest::newRow("CD-ROM") << u"/media/u/CD"_qs << QByteArray("iso9660") << true << false;
        QTest::newRow("proc") << u"/proc"_qs << QByteArray("proc") << false << false;
        QTest::newRow("cgroup") << u"/sys/fs/cgroup"_qs << QByteArray("cgroup2") << false << false;
        QTest::newRow("tmpfs on /tmp") << u"/tmp"_qs << QByteArray("tmpfs") << false << false;
        QTest::newRow("fuse under /run") << u"/run/user/1000/doc"_qs << QByteArray("fuse.portal")
                                         << false << false;
        QTest::newRow("container layer") << u"/var/lib/docker/overlay2/x"_qs
                                         << QByteArray("overlay") << false << false;
    }

    void userVolumes()
    {
        QFETCH(QString, root);
        QFETCH(QByteArray, type);
        QFETCH(bool, readOnly);
        QFETCH(bool, offered);
        QCOMPARE(DriveList::isUserVolume(root, type, readOnly), offered);
    }

private:
    // A picker shown and active, reporting its choice into m_chosen.
    SaveFolderPicker *open()
    {
        auto *picker = new SaveFolderPicker(u":/title.svg"_qs);
        connect(picker, &SaveFolderPicker::folderChosen,
                [this](const QString &path) { m_chosen.append(path); });
        picker->show();
        picker->activateWindow();
        m_picker = picker;
        return QTest::qWaitForWindowActive(picker) ? picker : nullptr;
    }

    FolderList *dir1() const { return m_picker->findChild<FolderList *>(u"Dir1"_qs); }

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_base;
    QString m_start;
    QStringList m_chosen;
    QPointer<SaveFolderPicker> m_picker;
};

QTEST_MAIN(TestSaveFolderPicker)
#include "tst_savefolderpicker.moc"
