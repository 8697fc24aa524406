// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"
#include "MainWindowFixture.h"
#include "TopLevels.h"
#include "UserInput.h"

#include "core/Texts.h"
#include "io/Cp932Codec.h"
#include "io/SafeFile.h"
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
#include <optional>
#include <utility>

#ifdef Q_OS_WIN
#include <QMutex>
#include <QtCore/private/qabstractfileengine_p.h>
#else
#include <sys/inotify.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Sees which files in a folder are opened, from its making on.
#ifdef Q_OS_WIN
// Wine has no inotify, so on Windows the witness is Qt itself: every file
// name that Qt is asked to open, read or look at passes through the file
// engine handlers first. This one records the names that mention the probe
// and hands every name on to Qt's own engine. A name holding '<' is a path
// that the program built from a value, which Windows cannot hold; any other
// is a name taken out of markup.
class OpenWitness : public QAbstractFileEngineHandler
{
public:
    explicit OpenWitness(const QString &) {}
    [[nodiscard]] bool isValid() const { return true; }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    std::unique_ptr<QAbstractFileEngine> create(const QString &fileName) const override
#else
    QAbstractFileEngine *create(const QString &fileName) const override
#endif
    {
        if (fileName.contains(u"probe", Qt::CaseInsensitive) && !fileName.contains(u'<')) {
            const QMutexLocker lock(&m_mutex);
            m_names.append(fileName);
        }
        return nullptr;
    }

    // The names asked for since the last call.
    QStringList take()
    {
        const QMutexLocker lock(&m_mutex);
        return std::exchange(m_names, {});
    }

private:
    mutable QMutex m_mutex;
    mutable QStringList m_names;
};
#else
class OpenWitness
{
public:
    explicit OpenWitness(const QString &folder) : m_inotify(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_inotify >= 0
            && inotify_add_watch(m_inotify, QFile::encodeName(folder).constData(),
                                 IN_OPEN | IN_ACCESS)
                   < 0) {
            ::close(std::exchange(m_inotify, -1));
        }
    }
    ~OpenWitness()
    {
        if (m_inotify >= 0)
            ::close(m_inotify);
    }
    OpenWitness(const OpenWitness &) = delete;
    OpenWitness &operator=(const OpenWitness &) = delete;

    [[nodiscard]] bool isValid() const { return m_inotify >= 0; }

    // The entries that anything opened or read since the last call.
    QStringList take()
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

private:
    int m_inotify;
};
#endif

// The watched folder; under Wine one of the Unix side, reached through
// drive Z: as a user reaches a file there.
QString watchedFolderTemplate()
{
    QString parent = QDir::tempPath();
#ifdef Q_OS_WIN
    if (QDir(u"Z:/tmp"_s).exists())
        parent = u"Z:/tmp"_s;
#endif
    return parent + u"/untrusted-XXXXXX"_s;
}

} // namespace

// A template comes from anywhere, and every value in it reaches the message
// boxes. Loaded through the template picker as a user loads one, each
// hostile value must come out in the box as the very characters it is, and
// no picture, link or style it names may be opened. The pictures named are
// "probe.png" in a watched folder: inotify sees any open of it on Linux, and
// on Windows, which is Wine here, Qt's file engine handlers see any name
// asked for. On Windows only the title's rows run: no file name there can
// hold the markup, while a title can, and is quoted when it is refused.
class TestUntrustedValues : public QObject, MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        setUpApplication();
        QVERIFY(m_watched.isValid());
        QVERIFY(CoreFixtures::writeFile(m_watched.filePath(u"probe.png"_s), "not a picture"));
        QVERIFY(QDir::setCurrent(m_watched.path()));
        m_witness.emplace(m_watched.path());
        QVERIFY(m_witness->isValid());
    }

    void init() { QVERIFY(makeHome()); }

    void cleanup() { QCOMPARE(closeWindow(), QWidgetList()); }

    void shownAsPlainTextAndNeverOpened_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
#ifdef Q_OS_WIN
        const QString probe = m_watched.path() + u"/probe.png"_s; // a Z: path
        const QStringList fields = {u"txtTitle"_s};
#else
        const QString probe = u"probe.png"_s; // in the working folder
        const QStringList fields = {u"txtPath"_s, u"cmbFile"_s, u"txtTitle"_s, u"file"_s};
#endif
        const QList<std::pair<const char *, QString>> values = {
            {"img", u"<img src=\"%1\">"_s.arg(probe)},
            {"link", u"<a href=\"%1\">probe"_s.arg(probe)},
            {"entity", u"&lt;b&gt;probe"_s},
            {"doctype", u"<!DOCTYPE html><img src=\"%1\">"_s.arg(probe)},
            {"bold", u"<b>probe"_s},
            {"qt", u"<qt><img src=%1>"_s.arg(probe)},
            {"style element", u"<style>*{background-image:url(%1)}"_s.arg(probe)},
            {"style attribute", u"<p style=\"background:url(%1)\">probe"_s.arg(probe)},
        };
        // The folder and the file name make a ReadMe that cannot be
        // written, the title (by Windows' rules) a template that cannot be,
        // and the template's own name a file that is no template.
        for (const QString &field : fields) {
            for (const auto &[name, value] : values) {
                if (field == u"txtTitle" && !value.startsWith(u'<'))
                    continue; // a name Windows takes
                QTest::addRow("%s in %s", name, qPrintable(field)) << field << value;
            }
        }
        if (fields.contains(u"file"_s)) {
            QTest::newRow("markup on the second line of the file name")
                << u"file"_s << u"plain\n<img src=\"%1\">"_s.arg(probe);
        }
    }

    void shownAsPlainTextAndNeverOpened()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        const QString folder = m_temp->home.path();
        ReadmeSettings answers = CoreFixtures::sampleToolAnswers(folder);
        QString templateName = u"hostile"_s;
        QByteArray templateBytes;
        QString expected;
        if (field == u"txtPath") {
            answers.txtPath = value;
            const QString readme = value + u'/' + answers.cmbFile + u".txt"_s;
            expected = Texts::notSaved(
                           SafeFile::displayPath(readme),
                           Texts::folderMissing(SafeFile::displayPath(m_watched.filePath(value))))
                       + Texts::systemReason(qt_error_string(ENOENT));
        } else if (field == u"cmbFile") {
            answers.cmbFile = value;
            const QString readme = folder + u'/' + value + u".txt"_s;
            QVERIFY(QDir().mkdir(readme)); // a folder where the ReadMe would go
            expected = Texts::notSaved(SafeFile::displayPath(readme), Texts::folderOfSameName());
        } else if (field == u"txtTitle") {
            answers.txtTitle = value;
            expected = Texts::titleUnusable(value, Texts::holdsCharacter(u'<'));
        } else {
            templateName = value;
            templateBytes = "damaged\r\n";
            expected = Texts::templateNotLoaded(
                SafeFile::displayPath(m_temp->store.filePath(value + u".tmp"_s)),
                TemplateFormat::parseTemplate(templateBytes).error);
        }
        if (templateBytes.isEmpty())
            templateBytes = Cp932Codec::encode(TemplateFormat::templateText(answers)).bytes;
        QVERIFY(CoreFixtures::writeFile(m_temp->store.filePath(templateName + u".tmp"_s),
                                        templateBytes));

        QVERIFY(openWindow(Wait::Exposed, PathStyle::Windows)); // titles by Windows' rules
        click(u"lbltmp"_s);
        QWidget *const picker = TopLevels::shownNamed(u"frmTemplate"_s);
        QVERIFY(picker);
        auto *const list = picker->findChild<QListWidget *>(u"listTemplate"_s);
        QCOMPARE(list->count(), 1);
        UserInput::clickRow(list, 0);
        const Shown shown = messageShownBy([&] {
            QTest::mouseClick(picker->findChild<QWidget *>(u"imgOK"_s), Qt::LeftButton);
            if (field != u"file") {
                goToPage(WizardPage(4)); // the template box ticked, as at start-up
                click(u"imgNext"_s);
            }
        });
        QCOMPARE(shown.format, Qt::PlainText);
        QCOMPARE(shown.text, expected);
        QCOMPARE(m_witness->take(), QStringList());
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
            const auto *const label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            shown = {label->textFormat(), label->text()};
            box->accept();
        });
        watcher.start(0);
        action();
        return shown;
    }

    QTemporaryDir m_watched{watchedFolderTemplate()};
    std::optional<OpenWitness> m_witness;
};

QTEST_MAIN(TestUntrustedValues)
#include "tst_untrustedvalues.moc"
