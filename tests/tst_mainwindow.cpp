#include "UserInput.h"

#include "app/ChoiceLists.h"
#include "app/FontSetup.h"
#include "app/MainWindow.h"
#include "app/ReadmeSettings.h"
#include "app/controls/Twips.h"
#include "readme/Cp932Codec.h"
#include "readme/ReadmeComposer.h"
#include "templates/TemplatePicker.h"
#include "templates/TemplateStore.h"
#include "windows/SaveFolderPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using UserInput::ModalAnswerer;

// The main window driven as a user drives it: the window and its controls as
// described, navigation, the finish sequence with its messages, the preview,
// and the secondary windows. HOME and the template store are temporary
// folders, fresh for every test function.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void windowFrame();
    void controlPlaces_data();
    void controlPlaces();
    void captionsAndFonts_data();
    void captionsAndFonts();
    void startupValues();
    void suggestionLists_data();
    void suggestionLists();
    void typedValueStaysAsTyped();
    void upAndDownPickSuggestions();
    void checkBoxesHaveThreeStates();

    void navigation_data();
    void navigation();
    void fieldsKeepTheirValuesAcrossPages();
    void tabOrder_data();
    void tabOrder();
    void keyboardWalksTheWizard();
    void buttonsHaveAccessibleNames_data();
    void buttonsHaveAccessibleNames();

    void nextFiveTimesWritesReadmeAndTemplate();
    void emptyFolderKeepsPageFour();
    void finishErrorKeepsEveryAnswer_data();
    void finishErrorKeepsEveryAnswer();
    void untickedTemplateWritesReadmeOnly();
    void templateFailureKeepsWindowOpen();
    void finishingComposesIntoHiddenPreview();

    void previewOnFirstPage();
    void previewTwiceShowsOneWindowWithNewText();
    void editedPreviewDoesNotReachTheFile();
    void closedPreviewStillFinishes();

    void secondaryWindowOpensOnce_data();
    void secondaryWindowOpensOnce();
    void loadedTemplateFillsControls();
    void chosenFolderFillsPath();
    void finishingClosesSecondaryWindowsInOrder();
    void userClosingClosesSecondaryWindowsInOrder();

private:
    template <typename T = QWidget>
    [[nodiscard]] T *child(const QString &name) const
    {
        T *const found = m_window->findChild<T *>(name);
        if (!found)
            qWarning("no child %s", qPrintable(name));
        return found;
    }
    void click(const QString &name);
    void goToPage(int page);
    void typeInto(const QString &field, const QString &text);
    [[nodiscard]] QStringList visiblePages() const;
    [[nodiscard]] QString readmePath() const;
    [[nodiscard]] QStringList storeFiles() const;
    void openAllSecondaryWindows();

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTemporaryDir> m_store;
    std::unique_ptr<MainWindow> m_window;
};

namespace {

const QString CrLf = u"\r\n"_qs;
const QStringList PageNames = {u"Picture1"_qs, u"Picture2"_qs, u"Picture3"_qs, u"Picture5"_qs,
                               u"Picture6"_qs};

// The step list of every page, as the description spells it.
QString steps(int page)
{
    const QStringList captions = {
        u"Welcome to Tessel"_qs,
        u"Welcome to Tessel\r\n↓\r\nタイトル設定1"_qs,
        u"Welcome to Tessel\r\n↓\r\nタイトル設定1\r\n↓\r\nタイトル設定2"_qs,
        u"Welcome to Tessel\r\n↓\r\nタイトル設定1\r\n↓\r\nタイトル設定2\r\n↓\r\n項目の追加"_qs,
        u"Welcome to Tessel\r\n↓\r\nタイトルの設定1\r\n↓\r\nタイトルの設定2\r\n↓\r\n項目の追加"
        u"\r\n↓\r\nその他の設定"_qs,
    };
    return captions.at(page);
}

// The ReadMe of the start-up values: no headings chosen.
QString startupReadme(const QString &title = QString())
{
    const QString rule(72, u'-');
    const QStringList lines = {
        rule,
        u"【   ソフト名   】"_qs + title,
        u"【    作成者    】"_qs,
        u"【  バージョン  】"_qs,
        u"【   作成日時   】"_qs,
        u"【 動作確認環境 】Windows95"_qs,
        u"【   必須環境   】Windows9x系のみ"_qs,
        u"【 ソフトの種類 】フリーウェア"_qs,
        u"【  転載の可否  】事前に連絡"_qs,
        u"【    WebSite   】"_qs,
        u"【メールアドレス】"_qs,
        rule,
    };
    return lines.join(CrLf) + CrLf;
}

QByteArray cp932(const QString &text)
{
    const Cp932Codec::Encoded encoded = Cp932Codec::encode(text);
    return encoded.ok() ? encoded.bytes : QByteArrayLiteral("unencodable");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("missing");
}

QWidget *topLevel(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

int topLevelCount(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(),
                             [&](QWidget *w) { return w->objectName() == name; }));
}

// Records the order in which watched windows receive their close event.
class CloseRecorder : public QObject
{
public:
    void watch(QWidget *window) { window->installEventFilter(this); }
    QStringList order;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            order.append(watched->objectName());
        return false;
    }
};

} // namespace

char *toString(const ReadmeSettings &s)
{
    const QStringList fields = {
        s.txtTitle, s.txtName,  s.txtVer,  s.txtDiary, s.cmbDousa, s.cmbHissu,
        s.cmbSoft,  s.cmbTF,    s.txtURL,  s.txtMail,  s.cmbKakko, s.cmbLine,
        s.cmbFile,  s.txtPath,  s.list2Left.join(u'|'), s.List2Right.join(u'|'),
        QString::number(int(s.chkTemp)), QString::number(int(s.chkEdit))};
    return QTest::toString(fields.join(u" / "_qs));
}

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    FontSetup::registerSubstitutes();
}

void TestMainWindow::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid() && m_store->isValid());
    qputenv("HOME", QFile::encodeName(m_home->path()));
    m_window = std::make_unique<MainWindow>(TemplateStore(m_store->path()));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}

void TestMainWindow::click(const QString &name)
{
    QWidget *const widget = child(name);
    QVERIFY(widget);
    QVERIFY2(widget->isVisible(), qPrintable(name));
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Walks from the page on show to `page` with Next or Back.
void TestMainWindow::goToPage(int page)
{
    while (m_window->wizardPage() < page)
        click(u"imgNext"_qs);
    while (m_window->wizardPage() > page)
        click(u"imgBack"_qs);
    QCOMPARE(m_window->wizardPage(), page);
}

// Shows the page of `field`, then retypes its text; stays on that page.
void TestMainWindow::typeInto(const QString &field, const QString &text)
{
    QWidget *const widget = child(field);
    QVERIFY(widget);
    goToPage(int(PageNames.indexOf(widget->parentWidget()->objectName())));
    UserInput::retype(widget, text);
}

QStringList TestMainWindow::visiblePages() const
{
    QStringList visible;
    for (const QString &name : PageNames) {
        if (child(name)->isVisible())
            visible.append(name);
    }
    return visible;
}

QString TestMainWindow::readmePath() const
{
    return m_home->filePath(u"ReadMe.txt"_qs);
}

QStringList TestMainWindow::storeFiles() const
{
    return QDir(m_store->path()).entryList(QDir::Files | QDir::Hidden);
}

// --- the window and its controls -------------------------------------------

void TestMainWindow::windowFrame()
{
    QCOMPARE(m_window->objectName(), u"frmMain"_qs);
    QCOMPARE(m_window->windowTitle(), u"NeatTessel（狂ってないでRead Me 作れ！このボケナス！）"_qs);
    QCOMPARE(m_window->windowHandle()->title(), m_window->windowTitle());
    QCOMPARE(m_window->size(), QSize(456, 256));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(m_window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(m_window->autoFillBackground());
    const QRect screen = m_window->screen()->availableGeometry();
    QVERIFY(qAbs(m_window->frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(m_window->frameGeometry().center().y() - screen.center().y()) <= 1);
}

void TestMainWindow::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");

    struct Row
    {
        const char16_t *name;
        const char16_t *parent;
        QRect twips;
    };
    const Row rows[] = {
        {u"Shape1", u"frmMain", {0, 0, 1815, 4335}},
        {u"Label2", u"frmMain", {600, 360, 1095, 255}},
        {u"Label1", u"frmMain", {1080, 360, 2895, 255}},
        {u"imgTitle", u"frmMain", {3840, 0, 3000, 600}},
        {u"lblItem", u"frmMain", {120, 840, 1695, 2535}},
        {u"Picture1", u"frmMain", {1920, 720, 4935, 2535}},
        {u"Picture2", u"frmMain", {1920, 720, 4935, 2535}},
        {u"Picture3", u"frmMain", {1920, 720, 4935, 2535}},
        {u"Picture5", u"frmMain", {1920, 720, 4935, 2535}},
        {u"Picture6", u"frmMain", {1920, 720, 4815, 2535}},
        {u"imgPre", u"frmMain", {2880, 3360, 1200, 375}},
        {u"imgBack", u"frmMain", {4200, 3360, 1200, 375}},
        {u"imgNext", u"frmMain", {5520, 3360, 1200, 375}},
        {u"Label3", u"Picture1", {360, 360, 3975, 255}},
        {u"Label4", u"Picture1", {360, 840, 4095, 255}},
        {u"Label5", u"Picture1", {360, 1320, 3615, 375}},
        {u"lbltmp", u"Picture1", {840, 1920, 2895, 255}},
        {u"Label6_1", u"Picture2", {240, 120, 1935, 255}},
        {u"txtTitle", u"Picture2", {240, 360, 4335, 270}},
        {u"Label6_0", u"Picture2", {240, 720, 735, 255}},
        {u"txtName", u"Picture2", {240, 960, 4335, 270}},
        {u"Label7", u"Picture2", {240, 1320, 1095, 255}},
        {u"txtVer", u"Picture2", {240, 1560, 4335, 270}},
        {u"Label6_2", u"Picture2", {240, 1920, 1935, 255}},
        {u"txtDiary", u"Picture2", {240, 2160, 4335, 270}},
        {u"Label8", u"Picture3", {240, 120, 1215, 255}},
        {u"cmbDousa", u"Picture3", {240, 360, 2055, 300}},
        {u"Label9", u"Picture3", {2520, 120, 855, 255}},
        {u"cmbHissu", u"Picture3", {2520, 360, 2055, 300}},
        {u"Label10", u"Picture3", {240, 720, 1095, 255}},
        {u"cmbSoft", u"Picture3", {240, 960, 2055, 300}},
        {u"Label11", u"Picture3", {2520, 720, 975, 255}},
        {u"cmbTF", u"Picture3", {2520, 960, 2055, 300}},
        {u"Label12", u"Picture3", {240, 1320, 1095, 255}},
        {u"txtURL", u"Picture3", {240, 1560, 4335, 270}},
        {u"Label13", u"Picture3", {240, 1920, 1095, 255}},
        {u"txtMail", u"Picture3", {240, 2160, 4335, 270}},
        {u"Label20", u"Picture5", {120, 120, 1215, 255}},
        {u"list2Left", u"Picture5", {240, 480, 1815, 1830}},
        {u"List2Right", u"Picture5", {3000, 480, 1815, 1830}},
        {u"lbl2Right", u"Picture5", {2280, 480, 495, 255}},
        {u"lbl2Left", u"Picture5", {2280, 840, 495, 255}},
        {u"lbl2Right2", u"Picture5", {2280, 1200, 495, 255}},
        {u"lbl2Left2", u"Picture5", {2280, 1560, 495, 255}},
        {u"lbl2Add", u"Picture5", {2280, 2040, 495, 255}},
        {u"Label26", u"Picture6", {120, 120, 975, 255}},
        {u"cmbKakko", u"Picture6", {120, 360, 2175, 300}},
        {u"Label27", u"Picture6", {2520, 120, 975, 255}},
        {u"cmbLine", u"Picture6", {2520, 360, 2175, 300}},
        {u"Label28", u"Picture6", {120, 840, 975, 255}},
        {u"cmbFile", u"Picture6", {120, 1080, 2175, 300}},
        {u"Label29", u"Picture6", {2520, 840, 1215, 255}},
        {u"txtPath", u"Picture6", {2520, 1080, 1815, 270}},
        {u"lblDir", u"Picture6", {4440, 1080, 255, 255}},
        {u"chkTemp", u"Picture6", {120, 1560, 4575, 255}},
        {u"chkEdit", u"Picture6", {120, 1920, 4575, 255}},
        {u"Label31", u"Picture6", {120, 2280, 4695, 255}},
    };
    for (const Row &row : rows) {
        const QString name = QString::fromUtf16(row.name);
        QTest::newRow(qPrintable(name)) << name << QString::fromUtf16(row.parent) << row.twips;
    }
}

void TestMainWindow::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QWidget *const widget = child(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(),
             Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestMainWindow::captionsAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");

    const QString ui = QString::fromUtf16(FontSetup::UiFont);
    const QString times = u"Times New Roman"_qs;
    struct Row
    {
        const char16_t *name;
        const char16_t *caption;
        QString family;
        qreal points;
    };
    // The window's default font is "MS UI Gothic" 9 pt.
    const Row rows[] = {
        {u"Label2", u"This Soft", times, 12},
        {u"Label1", u" is Read Me Maker...", times, 12},
        {u"lblItem", u"Welcome to Tessel", ui, 9.75},
        {u"Label3", u"このソフトウェアはSetUpWizerd風Read Me Makerです。", ui, 9},
        {u"Label4", u"指示に従ってお好みのReadMeを作成することができます。", ui, 9},
        {u"Label5",
         u"それでは画面下部の『Next』ボタンをクリックするか、下のボタンをクリックして次のページにお進みください。",
         ui, 9},
        {u"lbltmp", u"テンプレートをロードする", ui, 9.75},
        {u"Label6_1", u"ソフトウェアのタイトル", ui, 9},
        {u"Label6_0", u"作成者", ui, 9},
        {u"Label7", u"バージョン", ui, 9},
        {u"Label6_2", u"作成日時", ui, 9},
        {u"Label8", u"動作確認環境", ui, 9},
        {u"Label9", u"必須環境", ui, 9},
        {u"Label10", u"ソフトの種類", ui, 9},
        {u"Label11", u"転載の可否", ui, 9},
        {u"Label12", u"サイトアドレス", ui, 9},
        {u"Label13", u"Mailアドレス", ui, 9},
        {u"Label20", u"項目の追加", ui, 9.75},
        {u"lbl2Right", u">", ui, 9},
        {u"lbl2Left", u"<", ui, 9},
        {u"lbl2Right2", u">>", ui, 9},
        {u"lbl2Left2", u"<<", ui, 9},
        {u"lbl2Add", u"Add", ui, 9},
        {u"Label26", u"カッコの種類", ui, 9},
        {u"Label27", u"線の種類", ui, 9},
        {u"Label28", u"ファイル名", ui, 9},
        {u"Label29", u"保存先の指定", ui, 9},
        {u"lblDir", u"...", ui, 9},
        {u"Label31", u"Nextをクリックすれば完了します。お疲れ様でした。", ui, 9},
    };
    for (const Row &row : rows) {
        const QString name = QString::fromUtf16(row.name);
        QTest::newRow(qPrintable(name))
            << name << QString::fromUtf16(row.caption) << row.family << row.points;
    }
    QTest::newRow("chkTemp") << u"chkTemp"_qs << u"現在の設定をテンプレートとして保存"_qs << ui
                             << qreal(9);
    QTest::newRow("chkEdit") << u"chkEdit"_qs << u"作成後、テキストエディタで開く"_qs << ui
                             << qreal(9);
}

void TestMainWindow::captionsAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QWidget *const widget = child(name);
    QVERIFY(widget);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else
        QCOMPARE(qobject_cast<QCheckBox *>(widget)->text(), caption);
    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pointSizeF(), points);
}

void TestMainWindow::startupValues()
{
    QCOMPARE(m_window->wizardPage(), 0);
    QCOMPARE(visiblePages(), QStringList{u"Picture1"_qs});
    QCOMPARE(child<QLabel>(u"lblItem"_qs)->text(), steps(0));
    QCOMPARE(m_window->settings(), ReadmeSettings::atStartup());
    QCOMPARE(child<QLineEdit>(u"txtPath"_qs)->text(), m_home->path() + u'/');
    QCOMPARE(child<QCheckBox>(u"chkTemp"_qs)->checkState(), Qt::Checked);
    QCOMPARE(child<QCheckBox>(u"chkEdit"_qs)->checkState(), Qt::PartiallyChecked);
    auto *left = child<QListWidget>(u"list2Left"_qs);
    QCOMPARE(left->count(), 8);
    QVERIFY(left->selectedItems().isEmpty());
    QCOMPARE(child<QListWidget>(u"List2Right"_qs)->count(), 0);
    for (const QString &name : {u"txtTitle"_qs, u"txtName"_qs, u"txtVer"_qs, u"txtDiary"_qs,
                                u"txtURL"_qs, u"txtMail"_qs})
        QVERIFY2(child<QLineEdit>(name)->text().isEmpty(), qPrintable(name));
    QVERIFY(!topLevel(u"frmPreview"_qs));
}

void TestMainWindow::suggestionLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("suggestions");
    QTest::newRow("cmbKakko") << u"cmbKakko"_qs << ChoiceLists::bracketStyles();
    QTest::newRow("cmbLine") << u"cmbLine"_qs << ChoiceLists::lineStyles();
    QTest::newRow("cmbFile") << u"cmbFile"_qs << ChoiceLists::fileNames();
    QTest::newRow("cmbDousa") << u"cmbDousa"_qs << ChoiceLists::testedEnvironments();
    QTest::newRow("cmbHissu") << u"cmbHissu"_qs << ChoiceLists::requiredEnvironments();
    QTest::newRow("cmbSoft") << u"cmbSoft"_qs << ChoiceLists::softwareKinds();
    QTest::newRow("cmbTF") << u"cmbTF"_qs << ChoiceLists::redistributionTerms();
}

void TestMainWindow::suggestionLists()
{
    QFETCH(QString, name);
    QFETCH(QStringList, suggestions);
    auto *combo = child<QComboBox>(name);
    QVERIFY(combo);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    QVERIFY(!combo->completer());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    QCOMPARE(items, suggestions);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), suggestions.first());
}

void TestMainWindow::typedValueStaysAsTyped()
{
    goToPage(2);
    auto *combo = child<QComboBox>(u"cmbDousa"_qs);
    UserInput::retype(combo->lineEdit(), u"Windows"_qs);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
    QCOMPARE(combo->currentText(), u"Windows"_qs);
    QCOMPARE(combo->count(), 6);
    UserInput::retype(child<QComboBox>(u"cmbHissu"_qs)->lineEdit(), u"Windows 11以降"_qs);
    QCOMPARE(m_window->settings().cmbDousa, u"Windows"_qs);
    QCOMPARE(m_window->settings().cmbHissu, u"Windows 11以降"_qs);
    QVERIFY(ReadmeComposer::ComposeReadme(m_window->settings())
                .contains(u"【 動作確認環境 】Windows\r\n"_qs));
}

void TestMainWindow::upAndDownPickSuggestions()
{
    goToPage(2);
    auto *combo = child<QComboBox>(u"cmbSoft"_qs);
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Down);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Down);
    QCOMPARE(combo->currentText(), u"カンパウェア"_qs);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Up);
    QCOMPARE(m_window->settings().cmbSoft, u"シェアウェア"_qs);
}

void TestMainWindow::checkBoxesHaveThreeStates()
{
    goToPage(4);
    auto *temp = child<QCheckBox>(u"chkTemp"_qs);
    QVERIFY(temp->isTristate());
    const QPoint box(8, temp->height() / 2);
    QTest::mouseClick(temp, Qt::LeftButton, Qt::NoModifier, box);
    QCOMPARE(m_window->settings().chkTemp, CheckValue::Unticked);
    QTest::mouseClick(temp, Qt::LeftButton, Qt::NoModifier, box);
    QCOMPARE(m_window->settings().chkTemp, CheckValue::Grayed);
    QTest::mouseClick(temp, Qt::LeftButton, Qt::NoModifier, box);
    QCOMPARE(m_window->settings().chkTemp, CheckValue::Ticked);
    QVERIFY(child<QCheckBox>(u"chkEdit"_qs)->isTristate());
}

// --- navigation --------------------------------------------------------------

void TestMainWindow::navigation_data()
{
    QTest::addColumn<QString>("clicks"); // N = Next, B = Back
    QTest::addColumn<int>("page");
    QTest::newRow("at start") << QString() << 0;
    QTest::newRow("back on page 0 stays") << u"B"_qs << 0;
    QTest::newRow("back twice on page 0 stays") << u"BB"_qs << 0;
    QTest::newRow("page 0 -> 1") << u"N"_qs << 1;
    QTest::newRow("page 1 -> 2") << u"NN"_qs << 2;
    QTest::newRow("page 2 -> 3") << u"NNN"_qs << 3;
    QTest::newRow("page 3 -> 4") << u"NNNN"_qs << 4;
    QTest::newRow("page 1 back -> 0") << u"NB"_qs << 0;
    QTest::newRow("page 2 back -> 1") << u"NNB"_qs << 1;
    QTest::newRow("page 3 back -> 2") << u"NNNB"_qs << 2;
    QTest::newRow("page 4 back -> 3, names without の") << u"NNNNB"_qs << 3;
    QTest::newRow("back to 0 and on again") << u"NNBBBNNN"_qs << 3;
}

void TestMainWindow::navigation()
{
    QFETCH(QString, clicks);
    QFETCH(int, page);
    for (const QChar c : clicks)
        click(c == u'N' ? u"imgNext"_qs : u"imgBack"_qs);
    QCOMPARE(m_window->wizardPage(), page);
    QCOMPARE(visiblePages(), QStringList{PageNames.at(page)});
    QCOMPARE(child<QLabel>(u"lblItem"_qs)->text(), steps(page));
    QCOMPARE(child<QLabel>(u"lblItem"_qs)->text().count(CrLf), 2 * page);
    QVERIFY(child(u"imgPre"_qs)->isVisible());
    QVERIFY(child(u"imgTitle"_qs)->isVisible());
    QCOMPARE(child(u"lbltmp"_qs)->isVisible(), page == 0);
    QCOMPARE(child(u"lblDir"_qs)->isVisible(), page == 4);
    QVERIFY(QDir(m_home->path()).isEmpty());
}

void TestMainWindow::fieldsKeepTheirValuesAcrossPages()
{
    typeInto(u"txtTitle"_qs, u"SampleTool"_qs);
    typeInto(u"txtURL"_qs, u"https://example.org/"_qs);
    click(u"imgNext"_qs);
    UserInput::clickRow(child<QListWidget>(u"list2Left"_qs), 0);
    click(u"lbl2Right"_qs);
    const ReadmeSettings before = m_window->settings();
    QCOMPARE(before.txtTitle, u"SampleTool"_qs);
    QCOMPARE(before.List2Right, QStringList{u"はじめに"_qs});
    for (int i = 0; i < 3; ++i)
        click(u"imgBack"_qs);
    QCOMPARE(m_window->wizardPage(), 0);
    goToPage(4);
    click(u"imgBack"_qs);
    QCOMPARE(m_window->settings(), before);
}

void TestMainWindow::tabOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    const QStringList buttons = {u"imgPre"_qs, u"imgBack"_qs, u"imgNext"_qs, u"imgTitle"_qs};
    QTest::newRow("page 0") << 0 << QStringList{u"lbltmp"_qs} + buttons;
    QTest::newRow("page 1") << 1
                            << QStringList{u"txtTitle"_qs, u"txtName"_qs, u"txtVer"_qs,
                                           u"txtDiary"_qs}
                                   + buttons;
    QTest::newRow("page 2") << 2
                            << QStringList{u"cmbDousa"_qs, u"cmbHissu"_qs, u"cmbSoft"_qs,
                                           u"cmbTF"_qs, u"txtURL"_qs, u"txtMail"_qs}
                                   + buttons;
    QTest::newRow("page 3") << 3
                            << QStringList{u"list2Left"_qs, u"List2Right"_qs, u"lbl2Right"_qs,
                                           u"lbl2Left"_qs, u"lbl2Right2"_qs, u"lbl2Left2"_qs,
                                           u"lbl2Add"_qs}
                                   + buttons;
    QTest::newRow("page 4") << 4
                            << QStringList{u"cmbKakko"_qs, u"cmbLine"_qs, u"cmbFile"_qs,
                                           u"txtPath"_qs, u"chkTemp"_qs, u"chkEdit"_qs,
                                           u"lblDir"_qs}
                                   + buttons;
}

void TestMainWindow::tabOrder()
{
    QFETCH(int, page);
    QFETCH(QStringList, order);
    goToPage(page);
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    child(order.first())->setFocus(Qt::TabFocusReason);
    const auto focusName = [] {
        QWidget *focus = QApplication::focusWidget();
        // An editable combo box hands its focus to its line edit.
        if (focus && qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        return focus ? focus->objectName() : QString();
    };
    QStringList seen = {focusName()};
    for (qsizetype i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.append(focusName());
    }
    QCOMPARE(seen, order + QStringList{order.first()});
}

void TestMainWindow::keyboardWalksTheWizard()
{
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget *const next = child(u"imgNext"_qs);
    QCOMPARE(QApplication::focusWidget(), next);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), i % 2 ? Qt::Key_Space : Qt::Key_Return);
    QCOMPARE(m_window->wizardPage(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"imgBack"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_window->wizardPage(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"imgPre"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_VERIFY(topLevel(u"frmPreview"_qs) && topLevel(u"frmPreview"_qs)->isVisible());
}

void TestMainWindow::buttonsHaveAccessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("imgPre") << u"imgPre"_qs << u"Preview"_qs;
    QTest::newRow("imgBack") << u"imgBack"_qs << u"Back"_qs;
    QTest::newRow("imgNext") << u"imgNext"_qs << u"Next"_qs;
    QTest::newRow("imgTitle") << u"imgTitle"_qs << u"バージョン情報"_qs;
    QTest::newRow("lbltmp") << u"lbltmp"_qs << u"テンプレートをロードする"_qs;
    QTest::newRow("lblDir") << u"lblDir"_qs << u"保存先を選ぶ"_qs;
    QTest::newRow("lbl2Right") << u"lbl2Right"_qs << u"選んだ項目を右へ移す"_qs;
    QTest::newRow("lbl2Left") << u"lbl2Left"_qs << u"選んだ項目を左へ戻す"_qs;
    QTest::newRow("lbl2Right2") << u"lbl2Right2"_qs << u"すべての項目を右へ移す"_qs;
    QTest::newRow("lbl2Left2") << u"lbl2Left2"_qs << u"すべての項目を左へ戻す"_qs;
    QTest::newRow("lbl2Add") << u"lbl2Add"_qs << u"項目を追加する"_qs;
}

void TestMainWindow::buttonsHaveAccessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QWidget *const button = child(name);
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), accessibleName);
    QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
}

// --- the finish sequence -----------------------------------------------------

void TestMainWindow::nextFiveTimesWritesReadmeAndTemplate()
{
    for (int i = 0; i < 5; ++i)
        click(u"imgNext"_qs);
    QTRY_VERIFY(!m_window->isVisible());

    const QByteArray readme = readFile(readmePath());
    QCOMPARE(readme, cp932(startupReadme() + CrLf));
    QVERIFY(readme.startsWith(QByteArray(72, '-') + "\r\n\x81\x79   \x83\x5c\x83\x74\x83\x67"));
    QVERIFY(readme.endsWith(QByteArray(72, '-') + "\r\n\r\n"));

    QStringList lines = {u"\"\""_qs,
                         u"\"\""_qs,
                         u"\"\""_qs,
                         u"\"\""_qs,
                         u"\"Windows95\""_qs,
                         u"\"Windows9x系のみ\""_qs,
                         u"\"フリーウェア\""_qs,
                         u"\"事前に連絡\""_qs,
                         u"\"\""_qs,
                         u"\"\""_qs,
                         u"\"------------------\""_qs,
                         u"\"ReadMe\""_qs,
                         u"\"【 】\""_qs,
                         u'"' + m_home->path() + u"/\""_qs};
    for (const QString &heading : ChoiceLists::availableHeadings())
        lines.append(u'"' + heading + u'"');
    lines.append(u"999"_qs);
    QCOMPARE(storeFiles(), QStringList{u".tmp"_qs});
    QCOMPARE(readFile(m_store->filePath(u".tmp"_qs)), cp932(lines.join(CrLf) + CrLf));
}

void TestMainWindow::emptyFolderKeepsPageFour()
{
    typeInto(u"txtTitle"_qs, u"SampleTool"_qs);
    goToPage(4);
    UserInput::retype(child(u"txtPath"_qs), QString());
    const ReadmeSettings before = m_window->settings();
    QVERIFY(before.txtPath.isEmpty());
    {
        ModalAnswerer answerer;
        click(u"imgNext"_qs);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].objectName, u"messageBox"_qs);
        QCOMPARE(answerer.seen[0].title, u"NeatTessel"_qs);
        QCOMPARE(answerer.seen[0].text, u"パスを入力してください。"_qs);
        QCOMPARE(answerer.seen[0].buttons.size(), 1);
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->wizardPage(), 4);
    QCOMPARE(visiblePages(), QStringList{u"Picture6"_qs});
    QCOMPARE(child<QLabel>(u"lblItem"_qs)->text(), steps(4));
    QCOMPARE(m_window->settings(), before);
    QVERIFY(!topLevel(u"frmPreview"_qs));
    QVERIFY(QDir(m_home->path()).isEmpty());
    QVERIFY(storeFiles().isEmpty());

    UserInput::typeText(child(u"txtPath"_qs), m_home->path());
    click(u"imgNext"_qs);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(readFile(readmePath()), cp932(startupReadme(u"SampleTool"_qs) + CrLf));
    QCOMPARE(storeFiles(), QStringList{u"SampleTool.tmp"_qs});
}

void TestMainWindow::finishErrorKeepsEveryAnswer_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("folder"); // under HOME; empty: HOME itself
    QTest::addColumn<QString>("named");  // what the message must name
    QTest::newRow("folder does not exist") << u"SampleTool"_qs << u"missing"_qs << u"missing"_qs;
    QTest::newRow("title not in code page 932") << u"😀 Tool"_qs << QString() << u"😀"_qs;
    QTest::newRow("title cannot name a template") << u"a/b"_qs << QString() << u"a/b"_qs;
}

void TestMainWindow::finishErrorKeepsEveryAnswer()
{
    QFETCH(QString, title);
    QFETCH(QString, folder);
    QFETCH(QString, named);
    typeInto(u"txtTitle"_qs, title);
    goToPage(4);
    if (!folder.isEmpty())
        UserInput::retype(child(u"txtPath"_qs), m_home->filePath(folder));
    const ReadmeSettings before = m_window->settings();
    QCOMPARE(before.txtTitle, title);
    {
        ModalAnswerer answerer;
        click(u"imgNext"_qs);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, u"NeatTessel"_qs);
        QVERIFY2(answerer.seen[0].text.contains(named), qPrintable(answerer.seen[0].text));
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->wizardPage(), 4);
    QCOMPARE(visiblePages(), QStringList{u"Picture6"_qs});
    QCOMPARE(child<QLabel>(u"lblItem"_qs)->text(), steps(4));
    QCOMPARE(m_window->settings(), before);
    QVERIFY(QDir(m_home->path()).isEmpty());
    QVERIFY(storeFiles().isEmpty());
}

void TestMainWindow::untickedTemplateWritesReadmeOnly()
{
    typeInto(u"txtTitle"_qs, u"a/b"_qs);
    goToPage(4);
    auto *temp = child<QCheckBox>(u"chkTemp"_qs);
    QTest::mouseClick(temp, Qt::LeftButton, Qt::NoModifier, QPoint(8, temp->height() / 2));
    QCOMPARE(temp->checkState(), Qt::Unchecked);
    click(u"imgNext"_qs);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(readFile(readmePath()), cp932(startupReadme(u"a/b"_qs) + CrLf));
    QVERIFY(storeFiles().isEmpty());
}

void TestMainWindow::templateFailureKeepsWindowOpen()
{
    // A plain file where the template folder should be: the ReadMe is
    // written, the template cannot be.
    const QString store = m_store->path();
    QVERIFY(QDir(store).removeRecursively());
    QFile blocker(store);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    typeInto(u"txtTitle"_qs, u"SampleTool"_qs);
    goToPage(4);
    {
        ModalAnswerer answerer;
        click(u"imgNext"_qs);
        QCOMPARE(answerer.seen.size(), 1);
        QVERIFY2(answerer.seen[0].text.contains(u"テンプレートを保存できませんでした"_qs),
                 qPrintable(answerer.seen[0].text));
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->wizardPage(), 4);
    QCOMPARE(readFile(readmePath()), cp932(startupReadme(u"SampleTool"_qs) + CrLf));
    QVERIFY(blocker.remove());
}

// The composer's side effect of the description: finishing builds the
// preview hidden and puts the composed text into it.
void TestMainWindow::finishingComposesIntoHiddenPreview()
{
    goToPage(4);
    UserInput::retype(child(u"txtPath"_qs), m_home->filePath(u"missing"_qs));
    QPointer<QWidget> preview;
    {
        ModalAnswerer answerer;
        click(u"imgNext"_qs);
        preview = topLevel(u"frmPreview"_qs);
    }
    QVERIFY(preview);
    QVERIFY(!preview->isVisible());
    QCOMPARE(preview->findChild<QPlainTextEdit *>(u"txtPreview"_qs)->toPlainText(),
             QString(startupReadme()).replace(CrLf, u"\n"_qs));
}

// --- the preview -------------------------------------------------------------

void TestMainWindow::previewOnFirstPage()
{
    click(u"imgPre"_qs);
    QWidget *const preview = topLevel(u"frmPreview"_qs);
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QVERIFY(!preview->parentWidget());
    QVERIFY(!preview->isModal());
    QCOMPARE(preview->windowTitle(), u"プレビュー画面"_qs);
    const QString shown = preview->findChild<QPlainTextEdit *>(u"txtPreview"_qs)->toPlainText();
    QCOMPARE(shown, QString(startupReadme()).replace(CrLf, u"\n"_qs));
    QCOMPARE(m_window->wizardPage(), 0);
    click(u"imgNext"_qs); // the main window stays usable
    QCOMPARE(m_window->wizardPage(), 1);
}

void TestMainWindow::previewTwiceShowsOneWindowWithNewText()
{
    click(u"imgPre"_qs);
    QPointer<QWidget> first = topLevel(u"frmPreview"_qs);
    typeInto(u"txtTitle"_qs, u"SampleTool"_qs);
    click(u"imgPre"_qs);
    QCOMPARE(topLevelCount(u"frmPreview"_qs), 1);
    QCOMPARE(topLevel(u"frmPreview"_qs), first.data());
    QCOMPARE(first->findChild<QPlainTextEdit *>(u"txtPreview"_qs)->toPlainText(),
             QString(startupReadme(u"SampleTool"_qs)).replace(CrLf, u"\n"_qs));
}

void TestMainWindow::editedPreviewDoesNotReachTheFile()
{
    click(u"imgPre"_qs);
    auto *text = topLevel(u"frmPreview"_qs)->findChild<QPlainTextEdit *>(u"txtPreview"_qs);
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    UserInput::typeText(text, u"edited by hand"_qs);
    QCOMPARE(text->toPlainText(), u"edited by hand"_qs);
    goToPage(4);
    click(u"imgNext"_qs);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(readFile(readmePath()), cp932(startupReadme() + CrLf));
}

void TestMainWindow::closedPreviewStillFinishes()
{
    click(u"imgPre"_qs);
    QPointer<QWidget> preview = topLevel(u"frmPreview"_qs);
    preview->close();
    QTRY_VERIFY(!preview);
    goToPage(4);
    click(u"imgNext"_qs);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(readFile(readmePath()), cp932(startupReadme() + CrLf));
}

// --- the secondary windows ---------------------------------------------------

void TestMainWindow::secondaryWindowOpensOnce_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("imgTitle opens the about window") << 0 << u"imgTitle"_qs << u"frmVersion"_qs;
    QTest::newRow("imgTitle on page 3 too") << 3 << u"imgTitle"_qs << u"frmVersion"_qs;
    QTest::newRow("lbltmp opens the template picker") << 0 << u"lbltmp"_qs << u"frmTemplate"_qs;
    QTest::newRow("lblDir opens the save-folder picker") << 4 << u"lblDir"_qs << u"frmSave"_qs;
    QTest::newRow("imgPre opens the preview") << 2 << u"imgPre"_qs << u"frmPreview"_qs;
}

void TestMainWindow::secondaryWindowOpensOnce()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QString, window);
    goToPage(page);
    click(button);
    QPointer<QWidget> opened = topLevel(window);
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QVERIFY(!opened->parentWidget());
    QVERIFY(opened->testAttribute(Qt::WA_DeleteOnClose));
    click(button);
    QCOMPARE(topLevelCount(window), 1);
    QCOMPARE(topLevel(window), opened.data());
    opened->close();
    QTRY_VERIFY(!opened);
    click(button);
    QVERIFY(topLevel(window));
    QCOMPARE(topLevelCount(window), 1);
}

void TestMainWindow::loadedTemplateFillsControls()
{
    click(u"lbltmp"_qs);
    auto *picker = qobject_cast<TemplatePicker *>(topLevel(u"frmTemplate"_qs));
    QVERIFY(picker);
    ReadmeSettings loaded;
    loaded.txtTitle = u"SampleTool"_qs;
    loaded.txtName = u"Sample Author"_qs;
    loaded.txtVer = u"1.00"_qs;
    loaded.txtDiary = u"2003/01/15"_qs;
    loaded.cmbDousa = u"WindowsXP"_qs;
    loaded.cmbHissu = u"Windows 11以降"_qs;
    loaded.cmbSoft = u"フリーウェア"_qs;
    loaded.cmbTF = u"事後に連絡"_qs;
    loaded.txtURL = u"https://example.org/"_qs;
    loaded.txtMail = u"author@example.org"_qs;
    loaded.list2Left = {u"謝辞"_qs, u"VerUp履歴"_qs};
    loaded.List2Right = {u"はじめに"_qs, u"ソフト紹介"_qs, u"注意事項"_qs};
    loaded.cmbKakko = u"☆"_qs;
    loaded.cmbLine = u"_/_/_/_/_/_/_/_/_/_/_/"_qs;
    loaded.cmbFile = u"はじめに"_qs;
    loaded.txtPath = u"/srv/readme/"_qs;
    loaded.chkTemp = CheckValue::Unticked;
    loaded.chkEdit = CheckValue::Ticked;
    Q_EMIT picker->templateLoaded(loaded);

    ReadmeSettings expected = loaded;
    expected.chkTemp = CheckValue::Ticked;
    expected.chkEdit = CheckValue::Grayed;
    QCOMPARE(m_window->settings(), expected);
    QCOMPARE(child<QComboBox>(u"cmbDousa"_qs)->currentIndex(), 5);
    QCOMPARE(child<QComboBox>(u"cmbHissu"_qs)->count(), 8);
    QCOMPARE(m_window->wizardPage(), 0);
    QCOMPARE(visiblePages(), QStringList{u"Picture1"_qs});
    QVERIFY(!topLevel(u"frmPreview"_qs));
}

void TestMainWindow::chosenFolderFillsPath()
{
    goToPage(4);
    click(u"lblDir"_qs);
    auto *picker = qobject_cast<SaveFolderPicker *>(topLevel(u"frmSave"_qs));
    QVERIFY(picker);
    Q_EMIT picker->folderChosen(u"/srv/readme"_qs);
    QCOMPARE(child<QLineEdit>(u"txtPath"_qs)->text(), u"/srv/readme"_qs);
    QCOMPARE(m_window->wizardPage(), 4);
}

void TestMainWindow::openAllSecondaryWindows()
{
    click(u"lbltmp"_qs);
    click(u"imgTitle"_qs);
    goToPage(4);
    click(u"lblDir"_qs);
    click(u"imgPre"_qs);
    for (const QString &name :
         {u"frmPreview"_qs, u"frmSave"_qs, u"frmTemplate"_qs, u"frmVersion"_qs})
        QVERIFY2(topLevel(name) && topLevel(name)->isVisible(), qPrintable(name));
}

void TestMainWindow::finishingClosesSecondaryWindowsInOrder()
{
    openAllSecondaryWindows();
    CloseRecorder recorder;
    QList<QPointer<QWidget>> windows;
    for (const QString &name :
         {u"frmVersion"_qs, u"frmTemplate"_qs, u"frmSave"_qs, u"frmPreview"_qs}) {
        recorder.watch(topLevel(name));
        windows.append(topLevel(name));
    }
    click(u"imgNext"_qs);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(recorder.order, (QStringList{u"frmPreview"_qs, u"frmSave"_qs, u"frmTemplate"_qs,
                                          u"frmVersion"_qs}));
    for (const QPointer<QWidget> &window : windows)
        QTRY_VERIFY(!window);
    QVERIFY(QFile::exists(readmePath()));
}

void TestMainWindow::userClosingClosesSecondaryWindowsInOrder()
{
    openAllSecondaryWindows();
    CloseRecorder recorder;
    QList<QPointer<QWidget>> windows;
    for (const QString &name :
         {u"frmPreview"_qs, u"frmSave"_qs, u"frmTemplate"_qs, u"frmVersion"_qs}) {
        recorder.watch(topLevel(name));
        windows.append(topLevel(name));
    }
    recorder.watch(m_window.get());
    QVERIFY(m_window->close());
    QCOMPARE(recorder.order, (QStringList{u"frmMain"_qs, u"frmPreview"_qs, u"frmSave"_qs,
                                          u"frmTemplate"_qs, u"frmVersion"_qs}));
    for (const QPointer<QWidget> &window : windows)
        QTRY_VERIFY(!window);
    // No window is left on show, so the program's event loop ends.
    const QWidgetList left = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(left.begin(), left.end(), [](QWidget *w) { return w->isVisible(); }));
    QVERIFY(QDir(m_home->path()).isEmpty());
    QVERIFY(storeFiles().isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
