// SPDX-License-Identifier: MIT
#include "controls/FolderList.h"

#include "controls/HeldKeyFilter.h"
#include "controls/Keys.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int IndentPixels = 10;

// `folder` and every folder above it, the root first.
QStringList chainTo(const QString &folder)
{
    QStringList chain{folder};
    for (QString parent = QFileInfo(folder).path(); parent != chain.first();
         parent = QFileInfo(parent).path())
        chain.prepend(parent);
    return chain;
}

} // namespace

FolderList::FolderList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(u"Dir1"_s);
    setAccessibleName(u"フォルダ"_s);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(IndentPixels);
    setUniformRowHeights(true);
    // The one column is made as wide as its widest entry, indentation
    // included and every entry counted, and the list scrolls sideways. Were
    // it only as wide as the list, deep entries would be cut to "..." and
    // then to nothing.
    header()->setResizeContentsPrecision(-1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &FolderList::open);
    HeldKeyFilter::install(this);
}

QString FolderList::path() const
{
    return QDir::toNativeSeparators(m_path);
}

void FolderList::setPath(const QString &path)
{
    m_path = QDir::cleanPath(QDir(QDir::fromNativeSeparators(path)).absolutePath());
    clear();
    QTreeWidgetItem *opened = nullptr;
    for (const QString &folder : chainTo(m_path))
        opened = addFolder(opened, folder, true);
    const QDir dir(m_path);
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        addFolder(opened, dir.filePath(name), false);
    expandAll();
    resizeColumnToContents(0);
    setCurrentItem(opened);
    scrollToItem(opened);
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (Keys::isEnter(event->key()) && currentItem()) {
        open(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// Qt brings the whole column into view, which for a column wider than the
// list means its left edge; a deep entry's name would stay out of sight. The
// entry is brought in instead: its start always, its end where it fits.
void FolderList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QTreeWidget::scrollTo(index, hint);
    if (!index.isValid())
        return;
    const int left = visualRect(index).left();
    const int right = left + sizeHintForIndex(index).width();
    int shift = 0;
    if (left < 0)
        shift = left;
    else if (right > viewport()->width())
        shift = std::min(left, right - viewport()->width());
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shift);
}

void FolderList::drawBranches(QPainter *, const QRect &, const QModelIndex &) const {}

void FolderList::open(const QTreeWidgetItem *item)
{
    setPath(item->data(0, PathRole).toString());
}

QTreeWidgetItem *FolderList::addFolder(QTreeWidgetItem *parent, const QString &folder, bool opened)
{
    const bool root = QDir(folder).isRoot();
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, root ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName());
    item->setData(0, PathRole, folder);
    const QStyle::StandardPixmap icon = root     ? QStyle::SP_DriveHDIcon
                                        : opened ? QStyle::SP_DirOpenIcon
                                                 : QStyle::SP_DirClosedIcon;
    item->setIcon(0, style()->standardIcon(icon));
    return item;
}
