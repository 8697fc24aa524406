#include "app/ReadmeSettings.h"
#include "app/controls/Controls.h"
#include "app/controls/PictureButton.h"
#include "templates/TemplatePicker.h"
#include "templates/TemplateStore.h"
#include "UserInput.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

enum class Trigger { OkButton, DoubleClick, EnterKey };

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

ReadmeSettings answers(const QString &title)
{
    ReadmeSettings s = ReadmeSettings::atStartup();
    s.txtTitle = title;
    s.txtName = u"作者"_qs;
    s.txtPath = u"/home/user/readme/"_qs;
    s.list2Left = {u"謝辞"_qs};
    s.List2Right = {u"はじめに"_qs, u"注意事項"_qs};
    return s;
}

// Fourteen quoted fields; the caller adds what follows them.
QByteArray fourteenFields()
{
    return QByteArray("\"value\"\r\n").repeated(14);
}

} // namespace

// Shown by QCOMPARE when two sets of answers differ.
char *toString(const ReadmeSettings &s)
{
    const QStringList fields = {s.txtTitle, s.txtName,  s.txtVer,  s.txtDiary, s.cmbDousa,
                                s.cmbHissu, s.cmbSoft,  s.cmbTF,   s.txtURL,   s.txtMail,
                                s.cmbKakko, s.cmbLine,  s.cmbFile, s.txtPath,
                                s.list2Left.join(u'|'), s.List2Right.join(u'|')};
    return qstrdup(fields.join(u" / "_qs).toUtf8().constData());
}

Q_DECLARE_METATYPE(ReadmeSettings)
Q_DECLARE_METATYPE(Trigger)

class TestTemplatePicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        QVERIFY(QDir::setCurrent(m_home.path()));
    }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_store = std::make_unique<TemplateStore>(m_folder->path());
        m_loaded.clear();
    }

    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidgetList left;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->parentWidget())
                left.append(widget);
        }
        qDeleteAll(left);
        QVERIFY2(left.isEmpty(), "a window was left open");
    }

    void listsTemplateFiles_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty store") << QStringList() << QStringList();
        QTest::newRow("only plain .tmp files")
            << QStringList{u"b.tmp"_qs, u"a.tmp"_qs, u"x.txt"_qs, u"a.tmp.bak"_qs, u"folder.tmp/"_qs}
            << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("leading dots, letter case folded")
            << QStringList{u"Zeta.tmp"_qs, u"alpha.tmp"_qs, u".net.tmp"_qs, u".tmp"_qs}
            << QStringList{QString(), u".net"_qs, u"alpha"_qs, u"Zeta"_qs};
    }

    void listsTemplateFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, entries);
        const QDir dir(m_folder->path());
        for (const QString &file : files) {
            if (file.endsWith(u'/'))
                QVERIFY(dir.mkdir(file.chopped(1)));
            else
                QVERIFY(writeFile(dir.filePath(file), QByteArray()));
        }
        const TemplatePicker picker(*m_store, u":/title.svg"_qs);
        QCOMPARE(Controls::entries(picker.findChild<QListWidget *>(u"listTemplate"_qs)), entries);
    }

    void loadsTheChosenTemplate_data()
    {
        QTest::addColumn<ReadmeSettings>("stored");
        QTest::addColumn<Trigger>("trigger");

        QTest::newRow("empty title, OK") << answers(QString()) << Trigger::OkButton;
        ReadmeSettings commas = answers(u"a,b"_qs);
        commas.cmbTF = u"自由, ただし連絡を"_qs;
        commas.list2Left = {u"謝辞, その他"_qs};
        QTest::newRow("commas, double-click") << commas << Trigger::DoubleClick;
        ReadmeSettings quotes = answers(u"quoted"_qs);
        quotes.txtName = u"\"作者\""_qs;
        quotes.cmbKakko = u"\"a\" \"b\""_qs;
        quotes.List2Right = {u"\"はじめに\""_qs};
        QTest::newRow("double quotes, Enter") << quotes << Trigger::EnterKey;
        ReadmeSettings nines = answers(u"999"_qs);
        nines.list2Left = {u"999"_qs, u"謝辞"_qs};
        nines.List2Right = {u"999"_qs};
        QTest::newRow("headings 999, OK") << nines << Trigger::OkButton;
        ReadmeSettings empty = answers(u"no headings"_qs);
        empty.list2Left.clear();
        empty.List2Right.clear();
        QTest::newRow("no headings, OK") << empty << Trigger::OkButton;
    }

    void loadsTheChosenTemplate()
    {
        QFETCH(ReadmeSettings, stored);
        QFETCH(Trigger, trigger);
        QVERIFY(m_store->SaveTemplate(answers(u"another"_qs)).written());
        QVERIFY(m_store->SaveTemplate(stored).written());
        QPointer picker = open();
        QVERIFY(picker);
        QListWidget *list = listTemplate();
        const QList<QListWidgetItem *> items = list->findItems(stored.txtTitle, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        const QPoint where = list->visualItemRect(items.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
        switch (trigger) {
        case Trigger::OkButton:
            QTest::mouseClick(button(u"imgOK"_qs), Qt::LeftButton);
            break;
        case Trigger::DoubleClick:
            // The click above was the double-click's first half; QTest sends
            // only the second half to a widget.
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
            break;
        case Trigger::EnterKey:
            QTest::keyClick(list, Qt::Key_Return);
            break;
        }
        QCOMPARE(m_loaded, QList<ReadmeSettings>{stored});
        QTRY_VERIFY(picker.isNull());
    }

    void damagedTemplate_isReportedAndNothingLoaded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("removeAfterListing");
        QTest::addColumn<QString>("cause");
        QTest::newRow("too short") << QByteArray("\"title\"\r\n\"author\"\r\n") << false
                                   << u"途中で終わっています"_qs;
        QTest::newRow("no separator") << fourteenFields() + "\"heading\"\r\n" << false
                                      << u"999 がありません"_qs;
        QTest::newRow("not code page 932") << fourteenFields() + "\"\x81\x0d\"\r\n999\r\n" << false
                                           << u"コードページ932"_qs;
        QTest::newRow("removed after listing") << fourteenFields() + "999\r\n" << true
                                               << u"見つかりません"_qs;
    }

    void damagedTemplate_isReportedAndNothingLoaded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, removeAfterListing);
        QFETCH(QString, cause);
        const QString path = m_folder->filePath(u"broken.tmp"_qs);
        QVERIFY(writeFile(path, bytes));
        QPointer picker = open();
        QVERIFY(picker);
        if (removeAfterListing)
            QVERIFY(QFile::remove(path));
        UserInput::clickRow(listTemplate(), 0);

        UserInput::ModalAnswerer answerer;
        QTest::mouseClick(button(u"imgOK"_qs), Qt::LeftButton);

        QCOMPARE(m_loaded.size(), 0);
        QCOMPARE(answerer.seen.size(), 1);
        const QString message = answerer.seen.first().text;
        QCOMPARE(answerer.seen.first().objectName, u"messageBox"_qs);
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.contains(cause), qPrintable(message));
        QVERIFY(picker->isVisible());
        picker->close();
    }

    void nothingSelected_keepsThePickerOpen_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::newRow("OK") << Trigger::OkButton;
        QTest::newRow("Enter in the list") << Trigger::EnterKey;
    }

    void nothingSelected_keepsThePickerOpen()
    {
        QFETCH(Trigger, trigger);
        QVERIFY(m_store->SaveTemplate(answers(QString())).written());
        QVERIFY(m_store->SaveTemplate(answers(u"one"_qs)).written());
        QPointer picker = open();
        QVERIFY(picker);
        QCOMPARE(QApplication::focusWidget(), listTemplate());

        UserInput::ModalAnswerer answerer;
        if (trigger == Trigger::OkButton)
            QTest::mouseClick(button(u"imgOK"_qs), Qt::LeftButton);
        else
            QTest::keyClick(listTemplate(), Qt::Key_Return);
        QTest::qWait(50);

        QCOMPARE(m_loaded.size(), 0);
        QCOMPARE(answerer.seen.size(), 0);
        QVERIFY(picker->isVisible());
        picker->close();
    }

    void cancel_closesWithoutLoading_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << u"Cancel"_qs;
        QTest::newRow("Space on Cancel") << u"Space"_qs;
        QTest::newRow("Escape key") << u"Escape"_qs;
        QTest::newRow("close box") << u"close box"_qs;
    }

    void cancel_closesWithoutLoading()
    {
        QFETCH(QString, how);
        QVERIFY(m_store->SaveTemplate(answers(u"one"_qs)).written());
        QPointer picker = open();
        QVERIFY(picker);
        UserInput::clickRow(listTemplate(), 0);
        PictureButton *cancel = button(u"imgCancel"_qs);
        if (how == u"Cancel") {
            QTest::mouseClick(cancel, Qt::LeftButton);
        } else if (how == u"Space") {
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Space);
        } else if (how == u"Escape") {
            QTest::keyClick(listTemplate(), Qt::Key_Escape);
        } else {
            picker->close();
        }
        QTRY_VERIFY(picker.isNull());
        QCOMPARE(m_loaded.size(), 0);
    }

    void everyControlIsNamedForScreenReaders()
    {
        TemplatePicker picker(*m_store, u":/title.svg"_qs);
        for (const QString &name :
             {u"imgTitle"_qs, u"Label1"_qs, u"listTemplate"_qs, u"imgOK"_qs, u"imgCancel"_qs}) {
            auto *control = picker.findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            const QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!spoken->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
    }

private:
    // A picker shown and active, reporting what it loads into m_loaded.
    TemplatePicker *open()
    {
        auto *picker = new TemplatePicker(*m_store, u":/title.svg"_qs);
        connect(picker, &TemplatePicker::templateLoaded,
                [this](const ReadmeSettings &settings) { m_loaded.append(settings); });
        picker->show();
        picker->activateWindow();
        m_picker = picker;
        return QTest::qWaitForWindowActive(picker) ? picker : nullptr;
    }

    QListWidget *listTemplate() const
    {
        return m_picker->findChild<QListWidget *>(u"listTemplate"_qs);
    }

    PictureButton *button(const QString &name) const
    {
        return m_picker->findChild<PictureButton *>(name);
    }

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TemplateStore> m_store;
    QList<ReadmeSettings> m_loaded;
    QPointer<TemplatePicker> m_picker;
};

QTEST_MAIN(TestTemplatePicker)
#include "tst_templatepicker.moc"
