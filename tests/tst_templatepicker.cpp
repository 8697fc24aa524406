// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "HeldKey.h"
#include "QueuedAnswers.h"
#include "TopLevels.h"
#include "UserInput.h"
#include "controls/Controls.h"
#include "dialogs/TemplatePicker.h"
#include "templates/TemplateStore.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Action { Ok, OkUnselected, DoubleClick, Enter, Cancel, Escape };
enum class Outcome { Loads, Closes, StaysOpen, Reports };

// Values with commas, double quotes and a heading "999", which must come
// back exactly as they were saved.
ReadmeSettings answers(const QString &title)
{
    ReadmeSettings s = ReadmeSettings::atStartup();
    s.txtTitle = title;
    s.txtName = u"\"作者\", 他"_s;
    s.list2Left = {u"999"_s, u"謝辞, \"その他\""_s};
    s.List2Right = {u"999"_s};
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Outcome)

class TestTemplatePicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_folder = std::make_unique<QTemporaryDir>(); }

    void cleanup()
    {
        delete m_picker;
        QCOMPARE(TopLevels::leftOver(), QWidgetList());
    }

    void listsPlainTemplateFilesInNameOrder()
    {
        QVERIFY(open());
        QCOMPARE(list()->count(), 0);
        delete m_picker;

        const QDir dir(m_folder->path());
        for (const QString &name : {u"b.tmp"_s, u"A.tmp"_s, u"x.txt"_s})
            QVERIFY(QFile(dir.filePath(name)).open(QFile::WriteOnly));
        QVERIFY(dir.mkdir(u"folder.tmp"_s));
        QVERIFY(CoreFixtures::saveTemplate(store(), answers(QString())).written());
        QVERIFY(open());
        QCOMPARE(Controls::entries(list()), (QStringList{QString(), u"A"_s, u"b"_s}));
        UserInput::clickRow(list(), 0);
        click(u"imgOK"_s);
        QCOMPARE(m_loaded, QList{answers(QString())});
    }

    // `damage` is written over the chosen file after listing; an empty one
    // removes the file.
    void choosingATemplate_data()
    {
        const QByteArray intact;
        const QByteArray removed("");
        const QByteArray fields = QByteArray("\"v\"\r\n").repeated(14);
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("OK") << Action::Ok << intact << Outcome::Loads;
        QTest::newRow("double-click") << Action::DoubleClick << intact << Outcome::Loads;
        QTest::newRow("Enter in the list") << Action::Enter << intact << Outcome::Loads;
        QTest::newRow("OK, no selection") << Action::OkUnselected << intact << Outcome::StaysOpen;
        QTest::newRow("Cancel") << Action::Cancel << intact << Outcome::Closes;
        QTest::newRow("Escape") << Action::Escape << intact << Outcome::Closes;
        QTest::newRow("too short") << Action::Ok << QByteArray("\"a\"\r\n") << Outcome::Reports;
        QTest::newRow("no separator") << Action::Ok << fields + "\"h\"\r\n" << Outcome::Reports;
        QTest::newRow("not code page 932") << Action::Ok << QByteArray("\x81") << Outcome::Reports;
        QTest::newRow("removed after listing") << Action::Ok << removed << Outcome::Reports;
    }

    // A decoy is listed above the chosen template, so loading the wrong entry shows.
    void choosingATemplate()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, damage);
        QFETCH(Outcome, outcome);
        QVERIFY(CoreFixtures::saveTemplate(store(), answers(u"!decoy"_s)).written());
        QVERIFY(CoreFixtures::saveTemplate(store(), answers(u"chosen"_s)).written());
        QVERIFY(open());
        QFile file(store().filePath(u"chosen"_s));
        if (!damage.isNull()) {
            QVERIFY(damage.isEmpty() ? file.remove()
                                     : file.open(QFile::WriteOnly) && file.write(damage) > 0);
            file.close();
        }
        const QPoint chosen = list()->visualItemRect(list()->item(1)).center();
        if (action != Action::OkUnselected)
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, chosen);

        const QueuedAnswers queued;
        if (action == Action::DoubleClick) // the click above was its first half
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, chosen);
        else if (action == Action::Enter || action == Action::Escape)
            QTest::keyClick(list(), action == Action::Enter ? Qt::Key_Return : Qt::Key_Escape);
        else
            click(action == Action::Cancel ? u"imgCancel"_s : u"imgOK"_s);
        QTest::qWait(20);

        const bool loads = outcome == Outcome::Loads;
        QCOMPARE(m_loaded, loads ? QList{answers(u"chosen"_s)} : QList<ReadmeSettings>());
        QCOMPARE(m_picker.isNull(), loads || outcome == Outcome::Closes);
        QCOMPARE(queued.seen().size(), outcome == Outcome::Reports ? 1 : 0);
        for (const Prompts::Shown &box : queued.seen())
            QVERIFY2(box.text.contains(QDir::toNativeSeparators(file.fileName())),
                     qPrintable(box.text));
    }

    // Enter held on a template that cannot be read reports it once: no
    // repeat answers the message, which is still open when the key is let
    // go, or reads the template again.
    void heldEnterReportsOnce()
    {
        QVERIFY(CoreFixtures::saveTemplate(store(), answers(u"chosen"_s)).written());
        QVERIFY(open());
        QFile file(store().filePath(u"chosen"_s));
        QVERIFY(file.open(QFile::WriteOnly) && file.write("\x81") == 1);
        file.close();
        UserInput::clickRow(list(), 0);
        int boxes = 0;
        bool openAtRelease = false;
        QPointer<QDialog> shown;
        HeldKey::hold(Qt::Key_Return, {}, u"\r"_s, [&](bool released) {
            auto *const box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            boxes += box && box != shown ? 1 : 0;
            shown = box;
            if (released && box) {
                openAtRelease = true;
                box->reject();
            }
            // A window manager gives the focus back when a box closes; the
            // test's platform does not.
            if (!QGuiApplication::focusWindow() && m_picker)
                UserInput::activate(m_picker);
        });
        QCOMPARE(boxes, 1);
        QVERIFY(openAtRelease);
        QVERIFY(m_loaded.isEmpty());
    }

private:
    TemplateStore store() const { return TemplateStore(m_folder->path()); }

    // A picker shown and active, reporting what it loads into m_loaded.
    TemplatePicker *open()
    {
        m_loaded.clear();
        m_picker = new TemplatePicker(store(), u":/title.png"_s);
        connect(m_picker, &TemplatePicker::templateLoaded,
                [this](const ReadmeSettings &settings) { m_loaded.append(settings); });
        m_picker->show();
        return QTest::qWaitForWindowActive(m_picker) ? m_picker.data() : nullptr;
    }

    QListWidget *list() const { return m_picker->findChild<QListWidget *>(u"listTemplate"_s); }

    void click(const QString &button)
    {
        QTest::mouseClick(m_picker->findChild<QWidget *>(button), Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QList<ReadmeSettings> m_loaded;
    QPointer<TemplatePicker> m_picker;
};

QTEST_MAIN(TestTemplatePicker)
#include "tst_templatepicker.moc"
