// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"

#include "app/EnvironmentPage.h"
#include "app/OutputPage.h"
#include "app/SectionPage.h"
#include "app/TitlePage.h"
#include "app/WelcomePage.h"
#include "controls/Controls.h"
#include "controls/FontSetup.h"
#include "controls/PictureButton.h"
#include "controls/Prompts.h"
#include "controls/Twips.h"
#include "core/ReadmeSettings.h"
#include "core/StepList.h"
#include "core/Texts.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/PreviewWindow.h"
#include "dialogs/SaveFolderPicker.h"
#include "dialogs/TemplatePicker.h"
#include "finish/FinishSequence.h"
#include "readme/ReadmeComposer.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr auto IconPicture = u":/icon.png";
constexpr QRect PagePlace = Twips::rect(1920, 720, 4935, 2535);
// The last page is narrower.
constexpr int OutputPageWidth = 4815;

// show() alone leaves a minimised window minimised; one that was maximised
// before comes back maximised.
void showAndRaise(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

MainWindow::MainWindow(const TemplateStore &store, QWidget *parent)
    : QWidget(parent),
      m_store(store),
      m_welcomePage(new WelcomePage(this)),
      m_pages{m_welcomePage}
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(u"%1（狂ってないでRead Me 作れ！このボケナス！）"_s.arg(Texts::ProgramName));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(6840, 3840));
    setFont(Controls::uiFont(9));
    Controls::setBackground(this, Qt::white);
    buildFrame();
    Controls::centreOnFirstShow(this);
    connect(m_welcomePage, &WelcomePage::templatePickerRequested, this,
            &MainWindow::showTemplatePicker);

    refreshStepList();
    buildTabOrder();
    // Enter or Space walks the wizard from the start.
    m_imgNext->setFocus();
}

// The rest of the window is built once it is first shown (see eventFilter).
void MainWindow::showEvent(QShowEvent *event)
{
    if (QWindow *const window = windowHandle(); window && !m_titlePage)
        window->installEventFilter(this);
    QWidget::showEvent(event);
}

// The window's first expose paints its first frame and puts it on screen;
// pages 1 to 4 and the window icon follow right after, within the same
// event, so that nothing the user or a program does next finds them missing.
// (Reading the icon's three sizes would hold up the window's mapping.) A
// window that starts minimised gets them when first restored, or its pages
// on Next.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != windowHandle() || event->type() != QEvent::Expose)
        return QWidget::eventFilter(watched, event);
    watched->removeEventFilter(this);
    watched->event(event);
    buildPages();
    QIcon icon;
    for (qreal ratio : {1.0, 2.0, 3.0}) {
        const QString path = Picture::variant(QString::fromUtf16(IconPicture), ratio);
        icon.addPixmap(Picture::load(path));
    }
    setWindowIcon(icon);
    return true;
}

// The secondary windows have no owner; those still open, or closed but not
// yet deleted, go with the main window.
MainWindow::~MainWindow()
{
    delete m_preview.data();
    delete m_savePicker.data();
    delete m_templatePicker.data();
    delete m_about.data();
}

// Everything outside the page panels, the sidebar first so that it lies
// beneath the texts drawn on it.
void MainWindow::buildFrame()
{
    m_sidebar = Controls::panel(this, u"Shape1"_s, Twips::rect(0, 0, 1815, 4335), Qt::black);

    QFont serif(QString::fromUtf16(FontSetup::HeaderFont), 12, QFont::Bold);
    serif.setStyleHint(QFont::Serif);
    serif.setStretch(QFont::Unstretched); // not the narrowed window font's
    // "This Soft" first, so that a screen reader reads the header in order;
    // both labels are transparent, so which lies on top does not show.
    QLabel *const label2 = Controls::label(this, u"Label2"_s, u"This Soft"_s,
                                           Twips::rect(600, 360, 1095, 255), Qt::AlignRight);
    label2->setFont(serif);
    Controls::setTextColour(label2, Qt::white);
    Controls::label(this, u"Label1"_s, u" is Read Me Maker..."_s, Twips::rect(1080, 360, 2895, 255),
                    Qt::AlignRight)
        ->setFont(serif);

    m_imgTitle = Controls::pictureButton(this, u"imgTitle"_s, u":/title.png"_s, 3840, 0,
                                         u"バージョン情報"_s, Picture::TitleSize);
    connect(m_imgTitle, &PictureButton::clicked, this, &MainWindow::showAbout);

    m_lblItem = Controls::label(this, u"lblItem"_s, QString(), Twips::rect(120, 840, 1695, 2535),
                                Qt::AlignHCenter);
    m_lblItem->setFont(Controls::uiFont(9.75));
    Controls::setTextColour(m_lblItem, QColor(255, 255, 0));

    m_welcomePage->setGeometry(PagePlace);

    m_imgPre = Controls::pictureButton(this, u"imgPre"_s, u":/button-preview.png"_s, 2880, 3360,
                                       u"Preview"_s);
    m_imgBack =
        Controls::pictureButton(this, u"imgBack"_s, u":/button-back.png"_s, 4200, 3360, u"Back"_s);
    m_imgNext =
        Controls::pictureButton(this, u"imgNext"_s, u":/button-next.png"_s, 5520, 3360, u"Next"_s);
    connect(m_imgPre, &PictureButton::clicked, this, &MainWindow::showPreview);
    connect(m_imgBack, &PictureButton::clicked, this, &MainWindow::back);
    connect(m_imgNext, &PictureButton::clicked, this, &MainWindow::next);
}

// Pages 1 to 4, hidden, showing the answers held until now.
void MainWindow::buildPages()
{
    if (m_titlePage)
        return;
    m_titlePage = new TitlePage(this);
    m_environmentPage = new EnvironmentPage(this);
    m_sectionPage = new SectionPage(this);
    m_outputPage = new OutputPage(this);
    m_pages = {m_welcomePage, m_titlePage, m_environmentPage, m_sectionPage, m_outputPage};
    // Each page lies below the frame and comes before it for a screen
    // reader, as page 0 does.
    for (QWidget *page : m_pages) {
        if (page != m_welcomePage) {
            QRect place = PagePlace;
            if (page == m_outputPage)
                place.setWidth(Twips::toPixels(OutputPageWidth));
            page->setGeometry(place);
            page->setVisible(false);
            page->stackUnder(m_sidebar);
        }
    }
    applyTemplate(m_answers);
    m_outputPage->applyChecks(m_answers);
    connect(m_outputPage, &OutputPage::folderPickerRequested, this,
            &MainWindow::showSaveFolderPicker);
    buildTabOrder();
}

// The inputs and label-buttons of each page in their order on the page, then
// Preview, Back, Next and the title picture. Hidden pages drop out of
// the chain by themselves.
void MainWindow::buildTabOrder()
{
    QList<QWidget *> chain = m_welcomePage->tabOrder();
    if (m_titlePage) {
        chain += m_titlePage->tabOrder();
        chain += m_environmentPage->tabOrder();
        chain += m_sectionPage->tabOrder();
        chain += m_outputPage->tabOrder();
    }
    chain += {m_imgPre, m_imgBack, m_imgNext, m_imgTitle};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

ReadmeSettings MainWindow::settings() const
{
    if (!m_titlePage)
        return m_answers;
    ReadmeSettings s;
    m_titlePage->readInto(s);
    m_environmentPage->readInto(s);
    m_sectionPage->readInto(s);
    m_outputPage->readInto(s);
    return s;
}

void MainWindow::applyTemplate(const ReadmeSettings &loaded)
{
    if (!m_titlePage) {
        ReadmeSettings answers = loaded;
        answers.chkTemp = m_answers.chkTemp;
        answers.chkEdit = m_answers.chkEdit;
        m_answers = answers;
        return;
    }
    m_titlePage->apply(loaded);
    m_environmentPage->apply(loaded);
    m_sectionPage->apply(loaded);
    m_outputPage->apply(loaded);
}

void MainWindow::hideAllPages()
{
    for (QWidget *page : m_pages) {
        if (page)
            page->setVisible(false);
    }
}

// A screen reader reads the steps without the arrows between them.
void MainWindow::refreshStepList()
{
    m_lblItem->setText(StepList::caption(m_wizardPage));
    m_lblItem->setAccessibleName(StepList::steps(m_wizardPage).join(u'、'));
}

void MainWindow::next()
{
    if (m_wizardPage == WizardPage::Output) {
        finishWizard();
        return;
    }
    buildPages();
    showPage(WizardPage(int(m_wizardPage) + 1));
}

// Back on page 0 shows page 0 again.
void MainWindow::back()
{
    showPage(WizardPage(std::max(0, int(m_wizardPage) - 1)));
}

void MainWindow::showPage(WizardPage page)
{
    hideAllPages();
    m_pages.at(int(page))->setVisible(true);
    m_wizardPage = page;
    refreshStepList();
}

// The core checks everything before it writes anything, so a refusal leaves
// the files and every answer as they were, and the wizard stays on page 4.
// Finishing composes into the preview, building it hidden, as the Preview
// button does; an empty folder composes nothing.
void MainWindow::finishWizard()
{
    const ReadmeSettings answers = settings();
    if (!answers.txtPath.isEmpty())
        previewWindow()->setText(ReadmeComposer::compose(answers));
    const FinishSequence::Result result = FinishSequence::run(answers, m_store);
    if (result.outcome == FinishSequence::Outcome::Finished) {
        close();
        return;
    }
    Prompts::showMessage(this, result.message);
}

PreviewWindow *MainWindow::previewWindow()
{
    if (!m_preview)
        m_preview = new PreviewWindow;
    return m_preview;
}

void MainWindow::showPreview()
{
    previewWindow()->setText(ReadmeComposer::compose(settings()));
    showAndRaise(m_preview);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow(m_imgTitle->picture(), QString::fromUtf16(IconPicture));
    showAndRaise(m_about);
}

void MainWindow::showTemplatePicker()
{
    if (!m_templatePicker) {
        m_templatePicker = new TemplatePicker(m_store, m_imgTitle->picture());
        connect(m_templatePicker, &TemplatePicker::templateLoaded, this,
                &MainWindow::applyTemplate);
    }
    showAndRaise(m_templatePicker);
}

void MainWindow::showSaveFolderPicker()
{
    if (!m_savePicker) {
        m_savePicker = new SaveFolderPicker(m_imgTitle->picture());
        connect(m_savePicker, &SaveFolderPicker::folderChosen, m_outputPage,
                &OutputPage::setFolder);
    }
    showAndRaise(m_savePicker);
}

// Closing the main window, by finishing or by the user, first closes the
// preview, the save-folder picker, the template picker and the about window,
// in that order; closing is never refused.
void MainWindow::closeEvent(QCloseEvent *event)
{
    closeSecondaryWindows();
    event->accept();
}

void MainWindow::closeSecondaryWindows()
{
    const std::array<QWidget *, 4> windows = {m_preview.data(), m_savePicker.data(),
                                              m_templatePicker.data(), m_about.data()};
    for (QWidget *window : windows) {
        if (window)
            window->close();
    }
}
