// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "MainWindowFixture.h"
#include "QueuedAnswers.h"
#include "TopLevels.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "core/ChoiceLists.h"
#include "core/OutputPath.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"
#include "dialogs/SaveFolderPicker.h"
#include "dialogs/TemplatePicker.h"
#include "io/Cp932Codec.h"
#include "templates/TemplateStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

using CoreFixtures::readFile;
using TopLevels::firstNamed;

namespace {

const QString CrLf = u"\r\n"_s;

// The step list of every page, as the user reads it.
QString steps(WizardPage page)
{
    const QStringList captions = {
        u"Welcome to Tessel"_s,
        u"Welcome to Tessel\r\n↓\r\nタイトル設定1"_s,
        u"Welcome to Tessel\r\n↓\r\nタイトル設定1\r\n↓\r\nタイトル設定2"_s,
        u"Welcome to Tessel\r\n↓\r\nタイトル設定1\r\n↓\r\nタイトル設定2\r\n↓\r\n項目の追加"_s,
        u"Welcome to Tessel\r\n↓\r\nタイトルの設定1\r\n↓\r\nタイトルの設定2\r\n↓\r\n項目の追加"
        u"\r\n↓\r\nその他の設定"_s,
    };
    return captions.at(int(page));
}

// The ReadMe of the start-up values (no headings chosen) with `title`.
QString startupReadme(const QString &title = QString())
{
    const QString rule = QString(72, u'-') + CrLf;
    return rule + u"【   ソフト名   】"_s + title + CrLf
           + u"【    作成者    】\r\n【  バージョン  】\r\n【   作成日時   】\r\n"
             u"【 動作確認環境 】Windows95\r\n【   必須環境   】Windows9x系のみ\r\n"
             u"【 ソフトの種類 】フリーウェア\r\n【  転載の可否  】事前に連絡\r\n"
             u"【    WebSite   】\r\n【メールアドレス】\r\n"_s
           + rule;
}

// The file holds the composed text and one more line end.
QByteArray readmeFile(const QString &title = QString())
{
    return Cp932Codec::encode(startupReadme(title) + CrLf).bytes;
}

QPlainTextEdit *previewText()
{
    return firstNamed(u"frmPreview"_s)->findChild<QPlainTextEdit *>(u"txtPreview"_s);
}

// What the preview shows of a composed text: its line ends as line breaks.
QString shown(const QString &composed)
{
    return QString(composed).replace(CrLf, u"\n"_s);
}

} // namespace

// The main window driven as a user drives it: start-up, navigation, the
// keyboard, the finish sequence with its messages, the preview and the
// secondary windows. HOME and the template store are temporary folders,
// fresh for every test.
class TestMainWindow : public QObject, private MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(); }

    void init()
    {
        QVERIFY(makeHome());
        QVERIFY(openWindow());
    }

    void cleanup() { QCOMPARE(closeWindow(), QWidgetList()); }

    void startupState()
    {
        QCOMPARE(m_window->wizardPage(), WizardPage::Welcome);
        QCOMPARE(visiblePages(), QStringList{u"Picture1"_s});
        QCOMPARE(child<QLabel>(u"lblItem"_s)->text(), steps(WizardPage::Welcome));
        QCOMPARE(m_window->settings(), ReadmeSettings::atStartup());
        QVERIFY(!firstNamed(u"frmPreview"_s));
#ifdef Q_OS_WIN
        QCOMPARE(child<QLineEdit>(u"txtPath"_s)->text(), u"C:\\"_s);
#else
        QCOMPARE(child<QLineEdit>(u"txtPath"_s)->text(), homeField());
#endif
    }

    // Qt's inline completion would turn a typed "Windows" into "Windows95".
    void typedValueStaysAsTyped()
    {
        auto *combo = qobject_cast<QComboBox *>(showPageOf(u"cmbDousa"_s));
        retype(combo->lineEdit(), u"Windows"_s);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QCOMPARE(m_window->settings().cmbDousa, u"Windows"_s);
        QCOMPARE(combo->count(), ChoiceLists::testedEnvironments().size());
    }

    void navigation_data()
    {
        QTest::addColumn<QString>("clicks"); // N = Next, B = Back
        QTest::addColumn<WizardPage>("page");
        using enum WizardPage;
        QTest::newRow("back on page 0 stays") << u"BB"_s << Welcome;
        QTest::newRow("page 0 -> 1") << u"N"_s << Title;
        QTest::newRow("page 1 -> 2") << u"NN"_s << Environment;
        QTest::newRow("page 2 -> 3") << u"NNN"_s << Sections;
        QTest::newRow("page 3 -> 4, step names with の") << u"NNNN"_s << Output;
        QTest::newRow("page 1 back -> 0") << u"NB"_s << Welcome;
        QTest::newRow("page 4 back -> 3, names without の") << u"NNNNB"_s << Sections;
        QTest::newRow("back to 0 and on again") << u"NNBBBNNN"_s << Sections;
    }

    void navigation()
    {
        QFETCH(QString, clicks);
        QFETCH(WizardPage, page);
        for (const QChar c : clicks)
            click(c == u'N' ? u"imgNext"_s : u"imgBack"_s);
        QCOMPARE(m_window->wizardPage(), page);
        QCOMPARE(visiblePages(), QStringList{PageNames.at(int(page))});
        QCOMPARE(child<QLabel>(u"lblItem"_s)->text(), steps(page));
        QVERIFY(QDir(m_temp->home.path()).isEmpty());
    }

    // Every control shows its own field of a loaded template; the page and
    // the check boxes stay as they are. The answers survive paging.
    void loadedTemplateFillsControlsAndSurvivesPaging()
    {
        click(u"lbltmp"_s);
        auto *picker = qobject_cast<TemplatePicker *>(firstNamed(u"frmTemplate"_s));
        QVERIFY(picker);
        const ReadmeSettings loaded = {.txtTitle = u"Title"_s,
                                       .txtName = u"Author"_s,
                                       .txtVer = u"1.00"_s,
                                       .txtDiary = u"2003/01/15"_s,
                                       .cmbDousa = u"WindowsXP"_s,
                                       .cmbHissu = u"Windows 11以降"_s,
                                       .cmbSoft = u"シェアウェア"_s,
                                       .cmbTF = u"事後に連絡"_s,
                                       .txtURL = u"https://example.org/"_s,
                                       .txtMail = u"author@example.org"_s,
                                       .list2Left = {u"謝辞"_s},
                                       .List2Right = {u"はじめに"_s, u"注意事項"_s},
                                       .cmbKakko = u"☆"_s,
                                       .cmbLine = u"_/_/"_s,
                                       .cmbFile = u"はじめに"_s,
                                       .txtPath = u"/srv/readme/"_s,
                                       .chkTemp = CheckValue::Unticked,
                                       .chkEdit = CheckValue::Ticked};
        Q_EMIT picker->templateLoaded(loaded);
        ReadmeSettings expected = loaded;
        expected.chkTemp = CheckValue::Ticked;
        expected.chkEdit = CheckValue::Grayed;
        QCOMPARE(m_window->settings(), expected);
        QCOMPARE(m_window->wizardPage(), WizardPage::Welcome);
        QVERIFY(!firstNamed(u"frmPreview"_s));
        goToPage(WizardPage::Output);
        auto *temp = child<QCheckBox>(u"chkTemp"_s);
        QTest::mouseClick(temp, Qt::LeftButton, Qt::NoModifier, QPoint(8, temp->height() / 2));
        expected.chkTemp = CheckValue::Unticked;
        goToPage(WizardPage::Title);
        QCOMPARE(m_window->settings(), expected);
    }

    // Before the window is first on screen the pages behind page 0 are not
    // built yet: a template loaded then reaches their controls once they
    // are, and the check boxes keep their own values.
    void templateLoadedBeforeTheWindowIsShown()
    {
        MainWindow window(m_temp->templateStore());
        ReadmeSettings loaded = ReadmeSettings::atStartup();
        loaded.txtTitle = u"Title"_s;
        loaded.cmbLine = u"_/_/"_s;
        loaded.List2Right = {u"謝辞"_s};
        loaded.chkTemp = CheckValue::Unticked;
        loaded.chkEdit = CheckValue::Ticked;
        window.applyTemplate(loaded);
        ReadmeSettings expected = loaded;
        expected.chkTemp = CheckValue::Ticked;
        expected.chkEdit = CheckValue::Grayed;
        QCOMPARE(window.settings(), expected);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.settings(), expected);
    }

    // Next has the focus at start; Enter and Space press the buttons; Tab
    // runs through the page's inputs and its label-button in their order on
    // the page, then the pictures.
    void keyboardWalksTheWizard()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(QApplication::focusWidget(), child(u"imgNext"_s));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(m_window->wizardPage(), WizardPage::Output);

        const QStringList order = {u"imgTitle"_s, u"cmbKakko"_s, u"cmbLine"_s, u"cmbFile"_s,
                                   u"txtPath"_s,  u"lblDir"_s,   u"chkTemp"_s, u"chkEdit"_s,
                                   u"imgPre"_s,   u"imgBack"_s,  u"imgNext"_s};
        QStringList seen;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            // An editable combo box hands its focus to its line edit.
            if (qobject_cast<QComboBox *>(focus->parentWidget()))
                focus = focus->parentWidget();
            seen.append(focus->objectName());
        }
        QCOMPARE(seen, order);
    }

    void nextFiveTimesWritesReadmeAndTemplate()
    {
        keepOutputInHome();
        for (int i = 0; i < 5; ++i)
            click(u"imgNext"_s);
        QTRY_VERIFY(!m_window->isVisible());
        QCOMPARE(readFile(readmePath()), readmeFile());
#ifdef Q_OS_WIN
        // Written where Windows itself finds "<drive>:\<folders>\ReadMe.txt".
        QVERIFY2(QFile::exists(homeField() + u"ReadMe.txt"_s), qPrintable(homeField()));
        QVERIFY(homeField().indexOf(u":\\"_s) == 1);
#endif

        QString expected =
            u"\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"Windows95\"\r\n\"Windows9x系のみ\"\r\n"
            u"\"フリーウェア\"\r\n\"事前に連絡\"\r\n\"\"\r\n\"\"\r\n"
            u"\"------------------\"\r\n\"ReadMe\"\r\n\"【 】\"\r\n\""_s
            + homeField() + u"\"\r\n"_s;
        for (const QString &heading : ChoiceLists::availableHeadings())
            expected += u'"' + heading + u"\"\r\n"_s;
        QCOMPARE(storeFiles(), QStringList{u".tmp"_s});
        QCOMPARE(readFile(m_temp->store.filePath(u".tmp"_s)),
                 Cp932Codec::encode(expected + u"999\r\n"_s).bytes);
    }

    void finishErrorKeepsEveryAnswer_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("folder"); // "~" stands for HOME
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::addColumn<QStringList>("written");
        const QStringList none;
        QTest::newRow("empty folder") << u"Tool"_s << QString() << Texts::emptyFolder() << none;
        QTest::newRow("folder does not exist")
            << u"Tool"_s << u"~/missing"_s << u"missing"_s << none;
        QTest::newRow("title not in code page 932") << u"😀 Tool"_s << u"~"_s << u"😀"_s << none;
        QTest::newRow("title cannot name a template") << u"a/b"_s << u"~"_s << u"a/b"_s << none;
        QTest::newRow("template cannot be saved after the ReadMe")
            << u"Blocked"_s << u"~"_s << Texts::templateNotSaved(QString())
            << QStringList{u"ReadMe.txt"_s};
    }

    // One message, the wizard as it was, nothing written unless the ReadMe
    // could be; finishing composes into the hidden preview unless the folder
    // is empty. Once the answer is put right, Next finishes.
    void finishErrorKeepsEveryAnswer()
    {
        QFETCH(QString, title);
        QFETCH(QString, folder);
        QFETCH(QString, named);
        QFETCH(QStringList, written);
        QVERIFY(
            QDir(m_temp->store.path()).mkdir(u"Blocked.tmp"_s)); // a folder in the template's place
        typeInto(u"txtTitle"_s, title);
        typeInto(u"txtPath"_s, QString(folder).replace(u'~', m_temp->home.path()));
        const ReadmeSettings before = m_window->settings();
        {
            const QueuedAnswers answers;
            click(u"imgNext"_s);
            QCOMPARE(answers.seen().size(), 1);
            QCOMPARE(answers.seen()[0].title, u"NeatTessel"_s);
            QVERIFY2(answers.seen()[0].text.contains(named), qPrintable(answers.seen()[0].text));
        }
        QVERIFY(m_window->isVisible());
        QCOMPARE(visiblePages(), QStringList{u"Picture6"_s});
        QCOMPARE(m_window->settings(), before);
        QCOMPARE(QDir(m_temp->home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 written);
        QVERIFY(storeFiles().isEmpty());
        QCOMPARE(TopLevels::named(u"frmPreview"_s).size(), folder.isEmpty() ? 0 : 1);
        QVERIFY(!firstNamed(u"frmPreview"_s) || !firstNamed(u"frmPreview"_s)->isVisible());

        typeInto(u"txtTitle"_s, u"Tool"_s);
        typeInto(u"txtPath"_s, m_temp->home.path());
        click(u"imgNext"_s);
        QTRY_VERIFY(!m_window->isVisible());
        QCOMPARE(readFile(readmePath()), readmeFile(u"Tool"_s));
        QCOMPARE(storeFiles(), QStringList{u"Tool.tmp"_s});
    }

    // One modeless preview, rebuilt once closed, shows the latest composition;
    // what is edited in it never reaches the file.
    void previewOnFirstPage()
    {
        click(u"imgPre"_s);
        QPointer<QWidget> preview = firstNamed(u"frmPreview"_s);
        QVERIFY(preview && preview->isVisible() && !preview->isModal());
        QCOMPARE(previewText()->toPlainText(), shown(startupReadme()));
        preview->close();
        QTRY_VERIFY(!preview);
        typeInto(u"txtTitle"_s, u"Tool"_s);
        click(u"imgPre"_s);
        click(u"imgPre"_s);
        QCOMPARE(TopLevels::named(u"frmPreview"_s).size(), 1);
        QPlainTextEdit *const text = previewText();
        QCOMPARE(text->toPlainText(), shown(startupReadme(u"Tool"_s)));

        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        UserInput::typeText(text, u"edited by hand"_s);
        QCOMPARE(text->toPlainText(), u"edited by hand"_s);
        keepOutputInHome();
        goToPage(WizardPage::Output);
        click(u"imgNext"_s);
        QTRY_VERIFY(!m_window->isVisible());
        QCOMPARE(readFile(readmePath()), readmeFile(u"Tool"_s));
    }

    void previewComesBackWhenMinimised_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("from normal") << false;
        QTest::newRow("from maximised") << true;
    }

    // Preview on a minimised preview shows it again as it was before.
    void previewComesBackWhenMinimised()
    {
        QFETCH(bool, maximised);
        click(u"imgPre"_s);
        QWidget *const preview = firstNamed(u"frmPreview"_s);
        if (maximised)
            preview->showMaximized();
        preview->showMinimized();
        QVERIFY(preview->isMinimized());
        click(u"imgPre"_s);
        QVERIFY(preview->isVisible() && !preview->isMinimized());
        QCOMPARE(preview->isMaximized(), maximised);
    }

    void closingClosesSecondaryWindowsInOrder_data()
    {
        QTest::addColumn<bool>("finish");
        QTest::newRow("by finishing") << true;
        QTest::newRow("by the user") << false;
    }

    // Each button opens its window at most once; the save-folder picker's
    // choice goes into txtPath.
    void closingClosesSecondaryWindowsInOrder()
    {
        QFETCH(bool, finish);
        for (const QString &button : {u"imgTitle"_s, u"lbltmp"_s, u"imgTitle"_s, u"lbltmp"_s})
            click(button);
        goToPage(WizardPage::Output);
        for (const QString &button : {u"lblDir"_s, u"imgPre"_s, u"lblDir"_s, u"imgPre"_s})
            click(button);
        QVERIFY(QDir(m_temp->home.path()).mkdir(u"chosen"_s));
        Q_EMIT qobject_cast<SaveFolderPicker *>(firstNamed(u"frmSave"_s))
            ->folderChosen(m_temp->home.filePath(u"chosen"_s));

        // Each window is deleted when it closes, so the order of deletion is
        // the order of closing.
        const QStringList order = {u"frmPreview"_s, u"frmSave"_s, u"frmTemplate"_s,
                                   u"frmVersion"_s};
        QStringList deleted;
        QObject receiver; // goes before `deleted` does
        for (const QString &name : order) {
            QCOMPARE(TopLevels::named(name).size(), 1);
            QVERIFY2(firstNamed(name)->isVisible(), qPrintable(name));
            connect(firstNamed(name), &QObject::destroyed, &receiver,
                    [&deleted, name] { deleted.append(name); });
        }
        if (finish)
            click(u"imgNext"_s);
        else
            QVERIFY(m_window->close());
        QVERIFY(!m_window->isVisible());
        QTRY_COMPARE(deleted, order);
        QCOMPARE(QFile::exists(m_temp->home.filePath(u"chosen/ReadMe.txt"_s)), finish);
    }

private:
    // Selects everything in a text field and replaces it by typing.
    static void retype(QWidget *field, const QString &text)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        UserInput::typeText(field, text);
    }

    // Shows the page of `field`, then retypes its text.
    void typeInto(const QString &field, const QString &text)
    {
        retype(showPageOf(field), text);
    }

    [[nodiscard]] QStringList visiblePages() const
    {
        QStringList visible = PageNames;
        visible.removeIf([this](const QString &name) { return !child(name)->isVisible(); });
        return visible;
    }

    // The folder field naming the temporary home folder, as the program
    // starts it on Linux.
    [[nodiscard]] QString homeField() const
    {
        return QDir::toNativeSeparators(m_temp->home.path()) + folderSeparator();
    }

    // On Windows the folder field starts at "C:\", where a test must not
    // write: there the home folder is typed in, as a user would.
    void keepOutputInHome()
    {
#ifdef Q_OS_WIN
        const WizardPage page = m_window->wizardPage();
        typeInto(u"txtPath"_s, homeField());
        goToPage(page);
#endif
    }

    [[nodiscard]] QString readmePath() const
    {
        return m_temp->home.filePath(u"ReadMe.txt"_s);
    }

    [[nodiscard]] QStringList storeFiles() const
    {
        return QDir(m_temp->store.path()).entryList(QDir::Files | QDir::Hidden);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
