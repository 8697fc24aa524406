// SPDX-License-Identifier: MIT
// Renders every window of the wizard into PNG pictures for the user guide, at
// device pixel ratio 1 and 2: the five pages of the main window filled in
// with a sample program's answers, the preview of its ReadMe, the template
// picker with three templates, the save-folder picker and the about window.
// It drives the windows through their controls as a user would, in a
// folder tree of its own that stands in for the home folder, so that no real
// path or template shows. It exits non-zero when a picture could not be
// written or came out blank.
#include "app/MainWindow.h"
#include "controls/FontSetup.h"
#include "core/ReadmeSettings.h"
#include "templates/TemplateStore.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QLineEdit>
#include <QLockFile>
#include <QPixmap>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// The folders the pictures may show: the home folder, the folder the
// save-folder picker starts in, with two projects in it, and the templates.
// They sit at a fixed place, not a randomly named one, so that the pictures
// that show a path come out the same on every run; the lock keeps two runs
// from sharing it.
class Sandbox
{
public:
    const QString root = QDir::tempPath() + u"/neattessel-screenshots"_s;
    const QString home = root + u"/home"_s;
    const QString projects = home + u"/Documents/Projects"_s;
    const QString templates = root + u"/templates"_s;

    ~Sandbox()
    {
        if (m_lock.isLocked())
            QDir(root).removeRecursively();
    }

    [[nodiscard]] bool create()
    {
        QDir dir;
        return m_lock.tryLock(60000) && QDir(root).removeRecursively()
               && dir.mkpath(projects + u"/SampleTool"_s)
               && dir.mkpath(projects + u"/はじめてのツール"_s) && dir.mkpath(templates);
    }

private:
    QLockFile m_lock{root + u".lock"_s};
};

[[noreturn]] void fail(const QString &why)
{
    throw std::runtime_error(why.toStdString());
}

bool isBlank(const QImage &image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

// Writes `window` as `name`.png and `name`@2x.png into `folder`.
void shoot(QWidget *window, const QDir &folder, const QString &name)
{
    for (const int ratio : {1, 2}) {
        QPixmap picture(window->size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::white);
        window->render(&picture);
        const QImage image = picture.toImage();
        const QString file = folder.filePath(name + (ratio == 1 ? u".png"_s : u"@2x.png"_s));
        if (image.isNull() || isBlank(image))
            fail(u"%1 came out blank"_s.arg(file));
        QImageWriter writer(file, "png");
        if (!writer.write(image))
            fail(u"%1 could not be written: %2"_s.arg(file, writer.errorString()));
        QTextStream(stdout) << file << u" ("_s << image.width() << u"x"_s << image.height()
                            << u")\n"_s;
    }
}

template <typename T = QWidget>
T *child(QWidget *window, const QString &name)
{
    T *const found = window->findChild<T *>(name);
    if (!found)
        fail(u"no control %1"_s.arg(name));
    return found;
}

// Clicks the button `name` of `window`; when it opens the window `opens`,
// returns that window once it is on screen.
QWidget *click(QWidget *window, const QString &name, const QString &opens = {})
{
    QTest::mouseClick(child(window, name), Qt::LeftButton);
    QCoreApplication::processEvents();
    if (opens.isEmpty())
        return nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == opens && QTest::qWaitForWindowExposed(w))
            return w;
    }
    fail(u"%1 did not open %2"_s.arg(name, opens));
}

void type(QWidget *window, const QString &field, const QString &text)
{
    child<QLineEdit>(window, field)->setText(text);
}

void choose(QWidget *window, const QString &box, const QString &suggestion)
{
    auto *const combo = child<QComboBox>(window, box);
    const int index = combo->findText(suggestion);
    if (index < 0)
        fail(u"%1 does not suggest %2"_s.arg(box, suggestion));
    combo->setCurrentIndex(index);
}

enum class Clicks { Single, Double };

// Clicks the entry `text` of the list or folder tree `name`.
void clickEntry(QWidget *window, const QString &name, const QString &text, Clicks clicks)
{
    auto *const view = child<QAbstractItemView>(window, name);
    const QAbstractItemModel *model = view->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, text, 1,
                                               Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        fail(u"%1 has no entry %2"_s.arg(name, text));
    const QPoint centre = view->visualRect(found.first()).center();
    // Item views ignore a double-click whose first press went elsewhere.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (clicks == Clicks::Double)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

void saveTemplates(const TemplateStore &store)
{
    for (const QString &title : {u"SampleTool"_s, u"はじめてのツール"_s, u"ReadMe Maker Demo"_s}) {
        ReadmeSettings settings = ReadmeSettings::atStartup();
        settings.txtTitle = title;
        if (!store.save(store.prepare(settings)).written())
            fail(u"the template %1 could not be saved"_s.arg(title));
    }
}

// Page 0 and the template picker it opens.
void shootWelcome(MainWindow &window, const QDir &out)
{
    shoot(&window, out, u"main-page0"_s);
    QWidget *const picker = click(&window, u"lbltmp"_s, u"frmTemplate"_s);
    shoot(picker, out, u"template-picker"_s);
    picker->close();
}

// Pages 1 to 3, each answered before it is taken.
void shootAnswers(MainWindow &window, const QDir &out)
{
    click(&window, u"imgNext"_s);
    type(&window, u"txtTitle"_s, u"SampleTool"_s);
    type(&window, u"txtName"_s, u"Sample Author"_s);
    type(&window, u"txtVer"_s, u"1.00"_s);
    type(&window, u"txtDiary"_s, u"2003/01/15"_s);
    shoot(&window, out, u"main-page1"_s);

    click(&window, u"imgNext"_s);
    choose(&window, u"cmbDousa"_s, u"WindowsXP"_s);
    choose(&window, u"cmbHissu"_s, u"Windows98以降"_s);
    choose(&window, u"cmbSoft"_s, u"フリーウェア"_s);
    choose(&window, u"cmbTF"_s, u"事後に連絡"_s);
    shoot(&window, out, u"main-page2"_s);

    click(&window, u"imgNext"_s);
    for (const QString &heading : {u"はじめに"_s, u"注意事項"_s}) {
        clickEntry(&window, u"list2Left"_s, heading, Clicks::Single);
        click(&window, u"lbl2Right"_s);
    }
    shoot(&window, out, u"main-page3"_s);
}

// Page 4 with a folder chosen in the save-folder picker, then the preview
// and the about window.
void shootOutput(MainWindow &window, const QDir &out)
{
    click(&window, u"imgNext"_s);
    QWidget *const folders = click(&window, u"lblDir"_s, u"frmSave"_s);
    shoot(folders, out, u"save-folder-picker"_s);
    clickEntry(folders, u"Dir1"_s, u"SampleTool"_s, Clicks::Double);
    click(folders, u"imgOK"_s);
    shoot(&window, out, u"main-page4"_s);

    shoot(click(&window, u"imgPre"_s, u"frmPreview"_s), out, u"preview"_s);
    shoot(click(&window, u"imgTitle"_s, u"frmVersion"_s), out, u"about"_s);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FontSetup::registerSubstitutes();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: screenshots OUTPUT-FOLDER\n", stderr);
        return 2;
    }
    // Resolved before the current folder moves into the sandbox.
    const QDir out(QDir(arguments.at(1)).absolutePath());
    Sandbox sandbox;
    try {
        if (!sandbox.create())
            fail(u"cannot make a temporary folder"_s);
        if (!out.mkpath(u"."_s))
            fail(u"cannot make %1"_s.arg(out.path()));
        qputenv("HOME", QFile::encodeName(sandbox.home));
        QDir::setCurrent(sandbox.projects);
        const TemplateStore store(sandbox.templates);
        saveTemplates(store);
        MainWindow window(store);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            fail(u"the main window was not shown"_s);
        shootWelcome(window, out);
        shootAnswers(window, out);
        shootOutput(window, out);
        window.close();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "screenshots: %s\n", error.what());
        return 1;
    }
    return 0;
}
