// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTreeWidget>

// The folder list Dir1. It shows the open folder below the chain of folders
// that hold it, the root first, and under it the folders it contains, sorted
// by name; each level is indented one step. A double-click or Enter (once
// however long it is held) opens a folder, a single click only highlights
// it, so path() is always the open folder. A folder that cannot be read, or
// no longer exists, shows nothing inside and is not reported. Files and
// hidden folders are not shown.
// However deep the folder, every name is shown whole: the list scrolls
// sideways, and keeps the start of the current entry in sight.
class FolderList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent);

    // The open folder with native separators; a root ends in the separator
    // ("/", "C:\"), any other folder does not.
    [[nodiscard]] QString path() const;

    // Opens `path` (native or "/" separators) and lists it again.
    void setPath(const QString &path);

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Nothing: every level is always shown, so there is nothing to expand
    // or collapse and no arrow to draw.
    void drawBranches(QPainter *painter, const QRect &rect,
                      const QModelIndex &index) const override;

private:
    void open(const QTreeWidgetItem *item);
    QTreeWidgetItem *addFolder(QTreeWidgetItem *parent, const QString &folder, bool opened);

    QString m_path;
};
