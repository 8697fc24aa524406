// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "MainWindowFixture.h"
#include "QueuedAnswers.h"
#include "TopLevels.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "controls/Accessibility.h"
#include "core/ReadmeSettings.h"
#include "templates/TemplateStore.h"

#include <QAccessible>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class How { Click, Press };

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// A control a listener can identify: named, or for a drop-down (which Qt on
// Linux names after its current entry) labelled by a named label.
QString heardName(QAccessibleInterface *control)
{
    if (control->role() == QAccessible::ComboBox) {
        const auto labels = control->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return control->text(QAccessible::Name);
}

void selectFirst(QListWidget *list)
{
    if (list->count() > 0)
        UserInput::clickRow(list, 0);
}

} // namespace

Q_DECLARE_METATYPE(How)

// The windows as a screen reader sees them through Qt's accessibility
// interfaces: what each control and window is, what it is called, the order
// it is read in, and that a button's Press action presses it.
class TestAccessibility : public QObject, private MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        setUpApplication();
        Accessibility::install();
    }

    void init()
    {
        QVERIFY(makeHome());
        ReadmeSettings stored = ReadmeSettings::atStartup();
        stored.txtTitle = u"保存済み"_s;
        QVERIFY(CoreFixtures::saveTemplate(m_temp->templateStore(), stored).written());
    }

    void cleanup() { QCOMPARE(closeWindow(), QWidgetList()); }

    // Each row is run twice on a fresh main window: clicked with the mouse,
    // and pressed through its accessible Press action. The press must change
    // what the user sees, and exactly as the click does.
    void buttonsArePushButtonsThatPress_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("opener"); // the button that opens the window, if any
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *what, int page, const QString &opener,
                            const QString &button, const QString &name) {
            QTest::newRow(what) << page << opener << button << name;
        };
        row("Next", 0, {}, u"imgNext"_s, u"Next"_s);
        row("Back", 2, {}, u"imgBack"_s, u"Back"_s);
        row("Preview", 1, {}, u"imgPre"_s, u"Preview"_s);
        row("title picture", 0, {}, u"imgTitle"_s, u"バージョン情報"_s);
        row("load a template", 0, {}, u"lbltmp"_s, u"テンプレートをロードする"_s);
        row(">", 3, {}, u"lbl2Right"_s, u"選んだ項目を右へ移す"_s);
        row("<", 3, {}, u"lbl2Left"_s, u"選んだ項目を左へ戻す"_s);
        row(">>", 3, {}, u"lbl2Right2"_s, u"すべての項目を右へ移す"_s);
        row("<<", 3, {}, u"lbl2Left2"_s, u"すべての項目を左へ戻す"_s);
        row("Add", 3, {}, u"lbl2Add"_s, u"項目を追加する"_s);
        row("...", 4, {}, u"lblDir"_s, u"保存先を選ぶ"_s);
        row("template picker OK", 0, u"lbltmp"_s, u"imgOK"_s, u"OK"_s);
        row("template picker Cancel", 0, u"lbltmp"_s, u"imgCancel"_s, u"Cancel"_s);
        row("save-folder picker OK", 4, u"lblDir"_s, u"imgOK"_s, u"OK"_s);
        row("save-folder picker Cancel", 4, u"lblDir"_s, u"imgCancel"_s, u"Cancel"_s);
    }

    void buttonsArePushButtonsThatPress()
    {
        QFETCH(int, page);
        QFETCH(QString, opener);
        QFETCH(QString, button);
        QFETCH(QString, name);

        QWidget *target = prepare(page, opener, button);
        QVERIFY(target);
        const QStringList before = seen();
        act(target, How::Click);
        const QStringList clicked = seen();
        QVERIFY2(clicked != before, "the row presses a button that does nothing here");
        cleanup();

        target = prepare(page, opener, button);
        QVERIFY(target);
        QAccessibleInterface *const iface = accessible(target);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QVERIFY(iface->actionInterface());
        QCOMPARE(iface->actionInterface()->actionNames().value(0),
                 QAccessibleActionInterface::pressAction());
        act(target, How::Press);
        QCOMPARE(seen(), clicked);
    }

    // A picture that is no button is a named graphic, not a filler.
    void pictureThatIsNoButtonIsAGraphic()
    {
        QWidget *const title = prepare(0, u"lbltmp"_s, u"imgTitle"_s);
        QVERIFY(title);
        QCOMPARE(accessible(title)->role(), QAccessible::Graphic);
        QCOMPARE(accessible(title)->text(QAccessible::Name), u"NeatTessel"_s);
    }

    void windowsAreWindows_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << 0 << QString() << u"frmMain"_s;
        QTest::newRow("preview") << 0 << u"imgPre"_s << u"frmPreview"_s;
        QTest::newRow("about") << 0 << u"imgTitle"_s << u"frmVersion"_s;
        QTest::newRow("template picker") << 0 << u"lbltmp"_s << u"frmTemplate"_s;
        QTest::newRow("save-folder picker") << 4 << u"lblDir"_s << u"frmSave"_s;
    }

    void windowsAreWindows()
    {
        QFETCH(int, page);
        QFETCH(QString, opener);
        QFETCH(QString, window);
        QVERIFY(prepare(page, opener, {}));
        QWidget *const shown = TopLevels::shownNamed(window);
        QVERIFY(shown);
        QCOMPARE(accessible(shown)->role(), QAccessible::Window);
        QCOMPARE(accessible(shown)->text(QAccessible::Name), shown->windowTitle());
    }

    // Every control Tab reaches, on every page and in both pickers, has a
    // name a listener hears; the drive list's comes from its label.
    void everyControlIsNamed_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("opener");
        for (int page = 0; page < 5; ++page)
            QTest::addRow("page %d", page) << page << QString();
        QTest::newRow("template picker") << 0 << u"lbltmp"_s;
        QTest::newRow("save-folder picker") << 4 << u"lblDir"_s;
    }

    void everyControlIsNamed()
    {
        QFETCH(int, page);
        QFETCH(QString, opener);
        QWidget *const window = prepare(page, opener, {});
        QVERIFY(window);
        int controls = 0;
        for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
                continue;
            QVERIFY2(!heardName(accessible(w)).isEmpty(), qPrintable(w->objectName()));
            ++controls;
        }
        QVERIFY(controls > 0);
    }

    // The header is read "This Soft", then " is Read Me Maker...", and the
    // step list as the names of the steps, without the arrows between them.
    void mainWindowReadsInOrder()
    {
        QVERIFY(prepare(2, {}, {}));
        QAccessibleInterface *const window = accessible(m_window.get());
        QString read;
        for (int i = 0; i < window->childCount(); ++i)
            read += window->child(i)->text(QAccessible::Name);
        QVERIFY2(read.contains(u"This Soft is Read Me Maker..."_s), qPrintable(read));
        QVERIFY2(read.contains(u"Welcome to Tessel、タイトル設定1、タイトル設定2"_s),
                 qPrintable(read));
    }

private:
    // A fresh main window on `page`, the window `opener` opens if any, and
    // in it the control `button`. Both heading lists hold entries and their
    // first entries, and the first stored template, are selected, so that
    // every button has something to act on.
    QWidget *prepare(int page, const QString &opener, const QString &button)
    {
        if (!openWindow())
            return nullptr;
        goToPage(WizardPage(page));
        if (page == int(WizardPage::Sections)) {
            auto *const left = child<QListWidget>(u"list2Left"_s);
            auto *const right = child<QListWidget>(u"List2Right"_s);
            selectFirst(left);
            click(u"lbl2Right"_s);
            selectFirst(left);
            selectFirst(right);
        }
        QWidget *window = m_window.get();
        if (!opener.isEmpty()) {
            click(opener);
            window = otherWindow();
            if (!window)
                return nullptr;
            if (auto *const templates = window->findChild<QListWidget *>(u"listTemplate"_s))
                selectFirst(templates);
        }
        return button.isEmpty() ? window : window->findChild<QWidget *>(button);
    }

    // The window on show beside the main window.
    [[nodiscard]] QWidget *otherWindow() const
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != m_window.get())
                return window;
        }
        return nullptr;
    }

    void act(QWidget *button, How how)
    {
        const QueuedAnswers answers({{true, u"新しい項目"_s}});
        if (how == How::Click)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            accessible(button)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
    }

    // What the user sees: the page, the windows on show, and the answers
    // the buttons change.
    [[nodiscard]] QStringList seen() const
    {
        QStringList windows;
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                windows.append(window->objectName());
        }
        windows.sort();
        const ReadmeSettings s = m_window->settings();
        return {u"page %1"_s.arg(int(m_window->wizardPage())),
                windows.join(u' '),
                s.txtTitle,
                s.list2Left.join(u'|'),
                s.List2Right.join(u'|'),
                s.txtPath};
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
