// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class LabelButton;
class QListWidget;
struct ReadmeSettings;

// Page 3 of the wizard, the panel Picture5: the headings available
// (list2Left) and chosen (List2Right), and five label-buttons that move the
// selected heading or all headings from one list to the end of the other,
// or append a typed heading to the chosen list. Entries are never sorted,
// de-duplicated or discarded; a move copies the text and removes the source
// entry by position. It composes nothing and checks nothing.
class SectionPage : public QWidget
{
    Q_OBJECT
public:
    explicit SectionPage(QWidget *parent);

    void readInto(ReadmeSettings &settings) const;
    // Replaces both lists.
    void apply(const ReadmeSettings &settings);
    [[nodiscard]] QList<QWidget *> tabOrder() const;

private:
    void moveSelected(QListWidget *source, QListWidget *target);
    void moveAll(QListWidget *source, QListWidget *target);
    void addHeading();

    QListWidget *const m_list2Left;
    QListWidget *const m_List2Right;
    QList<LabelButton *> m_buttons;
};
