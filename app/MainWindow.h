// SPDX-License-Identifier: MIT
#pragma once

#include "core/ReadmeSettings.h"
#include "core/WizardPage.h"
#include "templates/TemplateStore.h"

#include <QPointer>
#include <QWidget>

#include <array>

class AboutWindow;
class EnvironmentPage;
class OutputPage;
class PictureButton;
class PreviewWindow;
class QLabel;
class SaveFolderPicker;
class SectionPage;
class TemplatePicker;
class TitlePage;
class WelcomePage;

// The wizard's main window frmMain: the black sidebar with the step list, the
// five page panels shown one at a time, and the picture buttons Preview, Back
// and Next. It reads its controls into a ReadmeSettings and hands that to the
// core, which composes, checks and writes; the window only shows what came
// back. It opens the four secondary windows, each at most once, and closes
// them in a fixed order when it closes itself.
//
// Start-up shows page 0 first: pages 1 to 4 are built from the answers
// record once the window's first frame is on screen, or earlier when the
// wizard moves on. Until then the record is the answers, and every answer
// holds its start-up value from the first moment, as afterwards.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(const TemplateStore &store, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The answers as the controls show them at this moment.
    [[nodiscard]] ReadmeSettings settings() const;
    // Puts every stored field of a loaded template into its control and
    // replaces both heading lists; the page on show and the check boxes stay
    // as they are, and nothing is composed.
    void applyTemplate(const ReadmeSettings &loaded);
    [[nodiscard]] WizardPage wizardPage() const { return m_wizardPage; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    void buildPages();
    void buildTabOrder();
    void hideAllPages();
    void refreshStepList();
    void next();
    void back();
    void showPage(WizardPage page);
    void finishWizard();
    // The preview window, built hidden when it does not exist.
    [[nodiscard]] PreviewWindow *previewWindow();
    void showPreview();
    void showAbout();
    void showTemplatePicker();
    void showSaveFolderPicker();
    void closeSecondaryWindows();

    const TemplateStore m_store;
    WizardPage m_wizardPage = WizardPage::Welcome;

    WelcomePage *const m_welcomePage;
    // Pages 1 to 4 are null until buildPages(); meanwhile m_answers holds
    // every answer.
    TitlePage *m_titlePage = nullptr;
    EnvironmentPage *m_environmentPage = nullptr;
    SectionPage *m_sectionPage = nullptr;
    OutputPage *m_outputPage = nullptr;
    std::array<QWidget *, WizardPageCount> m_pages{};
    ReadmeSettings m_answers = ReadmeSettings::atStartup();

    QWidget *m_sidebar = nullptr;
    QLabel *m_lblItem = nullptr;
    PictureButton *m_imgTitle = nullptr;
    PictureButton *m_imgPre = nullptr;
    PictureButton *m_imgBack = nullptr;
    PictureButton *m_imgNext = nullptr;

    QPointer<PreviewWindow> m_preview;
    QPointer<SaveFolderPicker> m_savePicker;
    QPointer<TemplatePicker> m_templatePicker;
    QPointer<AboutWindow> m_about;
};
