// SPDX-License-Identifier: MIT
#include "HeldKey.h"
#include "MainWindowFixture.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "core/ChoiceLists.h"
#include "core/ReadmeSettings.h"
#include "templates/TemplateStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The text and drop-down fields, each with the answer it shows.
struct TextControl
{
    QString name;
    QString ReadmeSettings::*value;
};

const QList<TextControl> &fields()
{
    static const QList<TextControl> all = {
        {u"txtTitle"_s, &ReadmeSettings::txtTitle}, {u"txtName"_s, &ReadmeSettings::txtName},
        {u"txtVer"_s, &ReadmeSettings::txtVer},     {u"txtDiary"_s, &ReadmeSettings::txtDiary},
        {u"cmbDousa"_s, &ReadmeSettings::cmbDousa}, {u"cmbHissu"_s, &ReadmeSettings::cmbHissu},
        {u"cmbSoft"_s, &ReadmeSettings::cmbSoft},   {u"cmbTF"_s, &ReadmeSettings::cmbTF},
        {u"txtURL"_s, &ReadmeSettings::txtURL},     {u"txtMail"_s, &ReadmeSettings::txtMail},
        {u"cmbKakko"_s, &ReadmeSettings::cmbKakko}, {u"cmbLine"_s, &ReadmeSettings::cmbLine},
        {u"cmbFile"_s, &ReadmeSettings::cmbFile},   {u"txtPath"_s, &ReadmeSettings::txtPath},
    };
    return all;
}

// Longer than the 32,767 characters a Qt line edit holds by default.
QString longText(QChar fill)
{
    return QString(40'000, fill) + u"end"_s;
}

} // namespace

// No answer changes unless the user changes it: the fields hold text of any
// length, the wheel leaves fields alone that the user is not in, a click
// never grays a check box, and a key held down presses a button once.
class TestAnswersUntouched : public QObject, private MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(); }

    // A fault here could walk the wizard to its end: HOME and the template
    // store are temporary.
    void init()
    {
        QVERIFY(makeHome());
        QVERIFY(openWindow(Wait::Active));
    }

    void cleanup()
    {
        QCOMPARE(closeWindow(), QWidgetList());
        QVERIFY(QDir(m_temp->home.path()).isEmpty());
        QVERIFY(QDir(m_temp->store.path()).isEmpty());
    }

    void anyLength_data()
    {
        QTest::addColumn<int>("field");
        for (qsizetype i = 0; i < fields().size(); ++i)
            QTest::newRow(qPrintable(fields().at(i).name)) << int(i);
    }

    // A loaded value, and a pasted one with a character typed after it.
    void anyLength()
    {
        QFETCH(int, field);
        const TextControl &f = fields().at(field);
        ReadmeSettings loaded = ReadmeSettings::atStartup();
        loaded.*f.value = longText(u'a');
        m_window->applyTemplate(loaded);
        QVERIFY(m_window->settings().*f.value == loaded.*f.value);

        QWidget *const widget = showPageOf(f.name);
        auto *const combo = qobject_cast<QComboBox *>(widget);
        QWidget *const edit = combo ? combo->lineEdit() : widget;
        QGuiApplication::clipboard()->setText(longText(u'b'));
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Exclam, Qt::NoModifier);
        const QString shown = m_window->settings().*f.value;
        QCOMPARE(shown.size(), longText(u'b').size() + 1);
        QVERIFY(shown == longText(u'b') + u'!');
    }

    // The input box of Add takes a heading of any length too.
    void addedHeadingOfAnyLength()
    {
        showPageOf(u"List2Right"_s);
        QGuiApplication::clipboard()->setText(longText(u'c'));
        QTimer::singleShot(0, this, [] {
            auto *const box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QTest::keyClick(box->findChild<QLineEdit *>(), Qt::Key_V, Qt::ControlModifier);
            box->accept();
        });
        QTest::mouseClick(child(u"lbl2Add"_s), Qt::LeftButton);
        QCOMPARE(m_window->settings().List2Right.value(0).size(), longText(u'c').size());
    }

    void wheel_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("focus"); // the field the user is in
        QTest::addColumn<int>("notches");
        QTest::addColumn<QString>("value"); // after the wheel; "typed" stands for the typed text
        const QString typed = u"typed"_s;
        const struct
        {
            QString field, other;
        } pages[] = {
            {u"cmbDousa"_s, u"txtURL"_s},  {u"cmbHissu"_s, u"cmbDousa"_s},
            {u"cmbSoft"_s, u"txtMail"_s},  {u"cmbTF"_s, u"cmbSoft"_s},
            {u"cmbKakko"_s, u"txtPath"_s}, {u"cmbLine"_s, u"cmbFile"_s},
            {u"cmbFile"_s, u"txtPath"_s},
        };
        // Two notches: the first could hand the field the focus.
        for (const auto &[field, other] : pages)
            QTest::addRow("%s, the user in %s", qPrintable(field), qPrintable(other))
                << field << other << 2 << typed;
        QTest::newRow("cmbDousa, the user in it, steps")
            << u"cmbDousa"_s << u"cmbDousa"_s << 1 << ChoiceLists::testedEnvironments().at(1);
        QTest::newRow("cmbFile, the user in it, steps")
            << u"cmbFile"_s << u"cmbFile"_s << 1 << ChoiceLists::fileNames().at(1);
    }

    // The user types into a drop-down field, goes on to another field, and
    // turns the wheel over the first one.
    void wheel()
    {
        QFETCH(QString, field);
        QFETCH(QString, focus);
        QFETCH(int, notches);
        QFETCH(QString, value);
        const QString typed = u"Windows 11"_s;
        auto *const combo = qobject_cast<QComboBox *>(showPageOf(field));
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        UserInput::typeText(combo->lineEdit(), typed);
        QWidget *const other = child(focus);
        QTest::mouseClick(other == combo ? combo->lineEdit() : other, Qt::LeftButton);
        const ReadmeSettings before = m_window->settings();

        UserInput::turnWheel(combo, notches);
        QCOMPARE(combo->currentText(), value == u"typed"_s ? typed : value);
        if (other != combo) {
            QCOMPARE(m_window->settings(), before);
            QVERIFY(!combo->hasFocus());
        }
    }

    void checkBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("byKey");        // Space instead of a click
        QTest::addColumn<QList<int>>("values"); // at start, then after each press
        const QList<int> ticked = {1, 0, 1, 0, 1};
        const QList<int> grayed = {2, 1, 0, 1, 0};
        QTest::newRow("chkTemp, clicks") << u"chkTemp"_s << false << ticked;
        QTest::newRow("chkTemp, Space") << u"chkTemp"_s << true << ticked;
        QTest::newRow("chkEdit, grayed at start, clicks") << u"chkEdit"_s << false << grayed;
        QTest::newRow("chkEdit, grayed at start, Space") << u"chkEdit"_s << true << grayed;
    }

    // Only the program grays a box; the user toggles it between 0 and 1.
    void checkBoxes()
    {
        QFETCH(QString, box);
        QFETCH(bool, byKey);
        QFETCH(QList<int>, values);
        auto *const check = qobject_cast<QCheckBox *>(showPageOf(box));
        const auto value = [&] {
            const ReadmeSettings s = m_window->settings();
            return int(box == u"chkTemp"_s ? s.chkTemp : s.chkEdit);
        };
        QList<int> seen = {value()};
        for (qsizetype i = 1; i < values.size(); ++i) {
            if (byKey) {
                check->setFocus();
                QTest::keyClick(check, Qt::Key_Space);
            } else {
                QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
            }
            seen.append(value());
        }
        QCOMPARE(seen, values);
    }

    void heldKey_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("pageAfter");
        QTest::addColumn<int>("holds");
        const int space = Qt::Key_Space;
        QTest::newRow("Enter on Next") << 0 << u"imgNext"_s << int(Qt::Key_Return) << 1 << 1;
        QTest::newRow("Space on Next") << 0 << u"imgNext"_s << space << 1 << 1;
        QTest::newRow("keypad Enter on Back") << 4 << u"imgBack"_s << int(Qt::Key_Enter) << 3 << 1;
        QTest::newRow("Space on >>") << 3 << u"lbl2Right2"_s << space << 3 << 1;
        QTest::newRow("Enter on <<") << 3 << u"lbl2Left2"_s << int(Qt::Key_Return) << 3 << 1;
        QTest::newRow("Space on chkTemp") << 4 << u"chkTemp"_s << space << 4 << 1;
        QTest::newRow("Enter on Next, twice") << 0 << u"imgNext"_s << int(Qt::Key_Return) << 2 << 2;
        QTest::newRow("Space on chkEdit, twice") << 4 << u"chkEdit"_s << space << 4 << 2;
    }

    // Each time the key is held down the focused control presses once.
    void heldKey()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, pageAfter);
        QFETCH(int, holds);
        goToPage(WizardPage(page));
        QWidget *const pressed = child(button);
        pressed->setFocus();
        QCOMPARE(QApplication::focusWidget(), pressed);
        QSignalSpy clicks(pressed, SIGNAL(clicked()));
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        for (int i = 0; i < holds; ++i)
            HeldKey::hold(Qt::Key(key), modifiers, key == Qt::Key_Space ? u" "_s : u"\r"_s);
        QCOMPARE(clicks.size(), holds);
        QCOMPARE(int(m_window->wizardPage()), pageAfter);
    }
};

QTEST_MAIN(TestAnswersUntouched)
#include "tst_answersuntouched.moc"
