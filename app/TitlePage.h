// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
struct ReadmeSettings;

// Page 1 of the wizard, the panel Picture2: the title, author, version and
// date of creation, each a text box under its caption. It reads its fields
// into the answers record and shows the answers of a loaded template; it
// checks nothing.
class TitlePage : public QWidget
{
    Q_OBJECT
public:
    explicit TitlePage(QWidget *parent);

    void readInto(ReadmeSettings &settings) const;
    void apply(const ReadmeSettings &settings);
    [[nodiscard]] QList<QWidget *> tabOrder() const;

private:
    QLineEdit *const m_txtTitle;
    QLineEdit *const m_txtName;
    QLineEdit *const m_txtVer;
    QLineEdit *const m_txtDiary;
};
