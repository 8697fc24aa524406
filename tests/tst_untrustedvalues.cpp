// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "MainWindowFixture.h"
#include "TopLevels.h"
#include "UserInput.h"

#include "core/Texts.h"
#include "readme/Cp932Codec.h"
#include "readme/SafeFile.h"
#include "templates/TemplateFormat.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>

#include <sys/inotify.h>
#include <unistd.h>

// A template comes from anywhere, and every value in it reaches the message
// boxes. Loaded through the template picker as a user loads one, each
// hostile value must come out in the box as the very characters it is, and
// no picture, link or style it names may be opened. The pictures named are
// "probe.png" in the working folder, which inotify watches for any open.
class TestUntrustedValues : public QObject, MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        setUpApplication();
        QVERIFY(m_watched.isValid());
        QVERIFY(CoreFixtures::writeFile(m_watched.filePath(u"probe.png"_qs), "not a picture"));
        QVERIFY(QDir::setCurrent(m_watched.path()));
        m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(m_inotify >= 0);
        QVERIFY(inotify_add_watch(m_inotify, QFile::encodeName(m_watched.path()).constData(),
                                  IN_OPEN | IN_ACCESS)
                >= 0);
    }

    void cleanupTestCase() { ::close(m_inotify); }

    void init() { QVERIFY(makeHome()); }

    void cleanup() { QCOMPARE(closeWindow(), QWidgetList()); }

    void shownAsPlainTextAndNeverOpened_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        const QList<std::pair<const char *, QString>> values = {
            {"img", u"<img src=\"probe.png\">"_qs},
            {"link", u"<a href=\"probe.png\">probe"_qs},
            {"entity", u"&lt;b&gt;probe"_qs},
            {"doctype", u"<!DOCTYPE html><img src=\"probe.png\">"_qs},
            {"bold", u"<b>probe"_qs},
            {"qt", u"<qt><img src=probe.png>"_qs},
            {"style element", u"<style>*{background-image:url(probe.png)}"_qs},
            {"style attribute", u"<p style=\"background:url(probe.png)\">probe"_qs},
        };
        // The folder and the file name make a ReadMe that cannot be
        // written, the title (by Windows' rules) a template that cannot be,
        // and the template's own name a file that is no template.
        for (const QString &field : {u"txtPath"_qs, u"cmbFile"_qs, u"txtTitle"_qs, u"file"_qs}) {
            for (const auto &[name, value] : values) {
                if (field == u"txtTitle" && !value.startsWith(u'<'))
                    continue; // a name Windows takes
                QTest::addRow("%s in %s", name, qPrintable(field)) << field << value;
            }
        }
        QTest::newRow("markup on the second line of the file name")
            << u"file"_qs << u"plain\n<img src=\"probe.png\">"_qs;
    }

    void shownAsPlainTextAndNeverOpened()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        const QString folder = m_temp->home.path();
        ReadmeSettings answers = CoreFixtures::sampleToolAnswers(folder);
        QString templateName = u"hostile"_qs;
        QByteArray templateBytes;
        QString expected;
        if (field == u"txtPath") {
            answers.txtPath = value;
            const QString readme = value + u'/' + answers.cmbFile + u".txt"_qs;
            expected = Texts::notSaved(
                           SafeFile::displayPath(readme),
                           Texts::folderMissing(SafeFile::displayPath(m_watched.filePath(value))))
                       + Texts::systemReason(qt_error_string(ENOENT));
        } else if (field == u"cmbFile") {
            answers.cmbFile = value;
            const QString readme = folder + u'/' + value + u".txt"_qs;
            QVERIFY(QDir().mkdir(readme)); // a folder where the ReadMe would go
            expected = Texts::notSaved(SafeFile::displayPath(readme), Texts::folderOfSameName());
        } else if (field == u"txtTitle") {
            answers.txtTitle = value;
            expected = Texts::titleUnusable(value, Texts::holdsCharacter(u'<'));
        } else {
            templateName = value;
            templateBytes = "damaged\r\n";
            expected = Texts::templateNotLoaded(
                SafeFile::displayPath(m_temp->store.filePath(value + u".tmp"_qs)),
                TemplateFormat::parseTemplate(templateBytes).error);
        }
        if (templateBytes.isEmpty())
            templateBytes = Cp932Codec::encode(TemplateFormat::templateText(answers)).bytes;
        QVERIFY(CoreFixtures::writeFile(m_temp->store.filePath(templateName + u".tmp"_qs),
                                        templateBytes));

        QVERIFY(openWindow(Wait::Exposed, PathStyle::Windows)); // titles by Windows' rules
        click(u"lbltmp"_qs);
        QWidget *const picker = TopLevels::shownNamed(u"frmTemplate"_qs);
        QVERIFY(picker);
        auto *const list = picker->findChild<QListWidget *>(u"listTemplate"_qs);
        QCOMPARE(list->count(), 1);
        UserInput::clickRow(list, 0);
        const Shown shown = messageShownBy([&] {
            QTest::mouseClick(picker->findChild<QWidget *>(u"imgOK"_qs), Qt::LeftButton);
            if (field != u"file") {
                goToPage(WizardPage(4)); // the template box ticked, as at start-up
                click(u"imgNext"_qs);
            }
        });
        QCOMPARE(shown.format, Qt::PlainText);
        QCOMPARE(shown.text, expected);
        QCOMPARE(openedInWatchedFolder(), QStringList());
    }

private:
    struct Shown
    {
        Qt::TextFormat format = Qt::AutoText;
        QString text;
    };

    // What the first message box that `action` brings up shows, read while
    // the box is on show, before it is closed with OK.
    template <typename Action>
    static Shown messageShownBy(Action action)
    {
        Shown shown;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto *const box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            const auto *const label = box->findChild<QLabel *>(u"qt_msgbox_label"_qs);
            shown = {label->textFormat(), label->text()};
            box->accept();
        });
        watcher.start(0);
        action();
        return shown;
    }

    // The entries of the watched folder that anything opened or read since
    // the last call.
    QStringList openedInWatchedFolder() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(m_inotify, buffer, sizeof buffer)) > 0;) {
            for (const char *p = buffer; p < buffer + n;) {
                const auto *const event = reinterpret_cast<const inotify_event *>(p);
                if (event->len > 0)
                    names.append(QFile::decodeName(event->name));
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

    QTemporaryDir m_watched;
    int m_inotify = -1;
};

QTEST_MAIN(TestUntrustedValues)
#include "tst_untrustedvalues.moc"
