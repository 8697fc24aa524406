// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class SuggestionBox;
struct ReadmeSettings;

// Page 2 of the wizard, the panel Picture3: the tested and required
// environments, the kind of software and the redistribution terms as
// drop-down fields with suggestions, then the web site and the mail address.
// It reads its fields into the answers record and shows the answers of a
// loaded template; it checks nothing.
class EnvironmentPage : public QWidget
{
    Q_OBJECT
public:
    explicit EnvironmentPage(QWidget *parent);

    void readInto(ReadmeSettings &settings) const;
    void apply(const ReadmeSettings &settings);
    [[nodiscard]] QList<QWidget *> tabOrder() const;

private:
    SuggestionBox *const m_cmbDousa;
    SuggestionBox *const m_cmbHissu;
    SuggestionBox *const m_cmbSoft;
    SuggestionBox *const m_cmbTF;
    QLineEdit *const m_txtURL;
    QLineEdit *const m_txtMail;
};
