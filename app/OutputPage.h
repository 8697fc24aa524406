// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class LabelButton;
class QCheckBox;
class QLineEdit;
class SuggestionBox;
struct ReadmeSettings;

// Page 4 of the wizard, the panel Picture6: bracket style, line style, file
// name and folder of the ReadMe, the label-button lblDir that asks for the
// save-folder picker, the template box chkTemp and the inert box chkEdit.
// It reads its fields into the answers record and shows the answers of a
// loaded template (which leaves both check boxes alone); it checks nothing.
class OutputPage : public QWidget
{
    Q_OBJECT
public:
    explicit OutputPage(QWidget *parent);

    void readInto(ReadmeSettings &settings) const;
    // Every field but the check boxes, which a template does not hold.
    void apply(const ReadmeSettings &settings);
    // The two check boxes alone.
    void applyChecks(const ReadmeSettings &settings);
    // A folder chosen in the save-folder picker.
    void setFolder(const QString &path);
    [[nodiscard]] QList<QWidget *> tabOrder() const;

Q_SIGNALS:
    void folderPickerRequested();

private:
    SuggestionBox *const m_cmbKakko;
    SuggestionBox *const m_cmbLine;
    SuggestionBox *const m_cmbFile;
    QLineEdit *const m_txtPath;
    LabelButton *const m_lblDir;
    QCheckBox *const m_chkTemp;
    QCheckBox *const m_chkEdit;
};
