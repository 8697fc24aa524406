// SPDX-License-Identifier: MIT
// Speed and size of the windows on the largest inputs, offscreen: ">>" into
// a shown list, the preview of 32,767 headings until it is painted, the
// start-up of the main window against a bare window and a Japanese-label
// window of the same size, and the peak memory of the real program after
// start-up.
#include "BaselineWindow.h"

#include "app/MainWindow.h"
#include "controls/FontSetup.h"
#include "templates/TemplateStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxEntries = 32767;
constexpr int PaintTimeoutMs = 20000;
constexpr char FirstPaintOption[] = "--first-paint";

QStringList headings(int count)
{
    QStringList texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts.append(u"第%1章 ソフトウェアの使い方と注意点"_s.arg(i));
    return texts;
}

// Sees, application-wide, the paint events of the widgets `matches` picks,
// including those of windows made after it.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(std::function<bool(const QObject *)> matches)
        : m_matches(std::move(matches))
    {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }

    // Forgets the paints seen so far.
    void reset() { m_painted = false; }

    // Processes events until a picked widget has been painted, unless one
    // was since the last wait or reset; false when none was within the
    // time-out.
    bool waitForPaint()
    {
        QElapsedTimer timeout;
        timeout.start();
        while (!m_painted && timeout.elapsed() < PaintTimeoutMs)
            QCoreApplication::processEvents();
        const bool painted = m_painted;
        m_painted = false;
        return painted;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_matches(watched))
            m_painted = true;
        return false;
    }

private:
    std::function<bool(const QObject *)> m_matches;
    bool m_painted = false;
};

auto isWidget(const QWidget *widget)
{
    return [widget](const QObject *object) { return object == widget; };
}

bool isPreviewText(const QObject *object)
{
    const auto *text = qobject_cast<const QPlainTextEdit *>(object->parent());
    return text && text->objectName() == u"txtPreview"_s && text->viewport() == object;
}

QWidget *topLevel(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [&name](const QWidget *w) { return w->objectName() == name; });
    return found == windows.end() ? nullptr : *found;
}

// The preview window deletes itself when it is closed.
void closePreview()
{
    if (QWidget *preview = topLevel(u"frmPreview"_s))
        preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window on a template store of its own, shown and painted.
struct ShownWizard
{
    QTemporaryDir folder;
    MainWindow window{TemplateStore(folder.path())};

    ShownWizard()
    {
        PaintWatch painted(isWidget(&window));
        window.show();
        painted.waitForPaint();
    }

    template <typename T = QWidget>
    T *child(const QString &name)
    {
        return window.findChild<T *>(name);
    }

    void click(const QString &name) { QTest::mouseClick(child(name), Qt::LeftButton); }
};

void benchMoveAllIntoShownList(benchmark::State &state)
{
    ShownWizard wizard;
    for (int page = 1; page <= 3; ++page)
        wizard.click(u"imgNext"_s);
    auto *const left = wizard.child<QListWidget>(u"list2Left"_s);
    auto *const right = wizard.child<QListWidget>(u"List2Right"_s);
    const QStringList entries = headings(MaxEntries);
    if (!right->isVisible())
        state.SkipWithError("the list is not shown");
    PaintWatch leftPainted(isWidget(left->viewport()));
    PaintWatch rightPainted(isWidget(right->viewport()));
    for (auto _ : state) {
        right->clear();
        left->clear();
        left->addItems(entries);
        leftPainted.waitForPaint();
        rightPainted.reset();
        QElapsedTimer timer;
        timer.start();
        wizard.click(u"lbl2Right2"_s);
        const bool painted = rightPainted.waitForPaint();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (!painted || right->count() != MaxEntries || left->count() != 0)
            state.SkipWithError("the entries did not arrive");
    }
}
BENCHMARK(benchMoveAllIntoShownList)->UseManualTime()->Unit(benchmark::kMillisecond);

// Argument 0: the preview window is made by the click; 1: it is already
// open and gets its text again.
void benchPreviewUntilPainted(benchmark::State &state)
{
    const bool alreadyOpen = state.range(0) == 1;
    ShownWizard wizard;
    wizard.child<QListWidget>(u"List2Right"_s)->addItems(headings(MaxEntries));
    PaintWatch previewPainted(isPreviewText);
    if (alreadyOpen) {
        wizard.click(u"imgPre"_s);
        previewPainted.waitForPaint();
    }
    for (auto _ : state) {
        if (!alreadyOpen)
            closePreview();
        previewPainted.reset();
        QElapsedTimer timer;
        timer.start();
        wizard.click(u"imgPre"_s);
        const bool painted = previewPainted.waitForPaint();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (!painted)
            state.SkipWithError("the preview was not painted");
    }
}
BENCHMARK(benchPreviewUntilPainted)
    ->ArgName("open")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Run as a child process: shows one window, the main window ("wizard") or a
// baseline ("bare" or "label", see BaselineWindow.h), and prints the
// milliseconds from here, the application just made, to the last widget
// painted in its first frame (what the window does once that frame is up
// does not count).
int printFirstPaint(const QStringList &arguments)
{
    QTemporaryDir folder;
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window;
    if (arguments.value(0) == u"wizard"_s) {
        FontSetup::registerSubstitutes();
        window = std::make_unique<MainWindow>(TemplateStore(folder.path()));
    } else {
        window = baselineWindow(arguments.value(0) == u"label"_s);
    }
    qint64 lastPaintNs = 0;
    PaintWatch painted([&](const QObject *object) {
        const auto *widget = qobject_cast<const QWidget *>(object);
        if (widget && widget->window() == window.get())
            lastPaintNs = timer.nsecsElapsed();
        return object == window.get();
    });
    window->show();
    if (!painted.waitForPaint())
        return 1;
    QTextStream(stdout) << double(lastPaintNs) / 1e6 << Qt::endl;
    return 0;
}

// Milliseconds to a child's first paint, from its application (as the
// child measures) and from starting the process (as seen from here, so
// loading the libraries counts); -1 when the child failed.
struct FirstPaint
{
    double fromApplication = -1;
    double fromStart = -1;
};

FirstPaint firstPaintInFreshProcess(const QStringList &arguments)
{
    QProcess child;
    QElapsedTimer sinceStart;
    sinceStart.start();
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QString::fromLatin1(FirstPaintOption)} + arguments);
    if (!child.waitForReadyRead(30000))
        return {};
    const double fromStart = double(sinceStart.nsecsElapsed()) / 1e6;
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0)
        return {};
    bool ok = false;
    const double fromApplication = child.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? FirstPaint{fromApplication, fromStart} : FirstPaint{};
}

double medianOf(const std::vector<FirstPaint> &runs, double FirstPaint::*field)
{
    std::vector<double> values;
    for (const FirstPaint &run : runs)
        values.push_back(run.*field);
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Start-up pays for what a process does once (platform window, style, fonts,
// pictures), so each window is shown in a fresh process of its own, the
// three in turn. The time is the main window's from its application; the
// counters hold the medians of the three and the main window's ratios to
// each baseline, from the application and from the start of the process.
void benchStartUpAgainstBaselines(benchmark::State &state)
{
    std::vector<FirstPaint> wizard;
    std::vector<FirstPaint> bare;
    std::vector<FirstPaint> label;
    for (auto _ : state) {
        bare.push_back(firstPaintInFreshProcess({u"bare"_s}));
        label.push_back(firstPaintInFreshProcess({u"label"_s}));
        wizard.push_back(firstPaintInFreshProcess({u"wizard"_s}));
        if (wizard.back().fromApplication < 0 || bare.back().fromApplication < 0
            || label.back().fromApplication < 0) {
            state.SkipWithError("a window was not painted");
            return;
        }
        state.SetIterationTime(wizard.back().fromApplication / 1e3);
    }
    const auto report = [&](const char *suffix, double FirstPaint::*field) {
        const double wizardMs = medianOf(wizard, field);
        const double bareMs = medianOf(bare, field);
        const double labelMs = medianOf(label, field);
        state.counters[std::string("wizard") + suffix] = wizardMs;
        state.counters[std::string("bare") + suffix] = bareMs;
        state.counters[std::string("label") + suffix] = labelMs;
        state.counters[std::string("ratio_bare") + suffix] = wizardMs / bareMs;
        state.counters[std::string("ratio_label") + suffix] = wizardMs / labelMs;
    };
    report("_ms", &FirstPaint::fromApplication);
    report("_exec_ms", &FirstPaint::fromStart);
}
BENCHMARK(benchStartUpAgainstBaselines)
    ->Iterations(11)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// VmHWM of a running process in MiB, or -1 when it cannot be read.
double peakMegabytes(qint64 pid)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

// The real program, started as a user starts it, 1.5 s after its start; the
// time shown is that wait.
void benchPeakMemoryAfterStartUp(benchmark::State &state)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(TESSEL_EXECUTABLE), {});
        const bool running = program.waitForStarted() && !program.waitForFinished(1500);
        const double peak = running ? peakMegabytes(program.processId()) : -1;
        program.kill();
        program.waitForFinished();
        if (peak < 0)
            state.SkipWithError("the program did not keep running");
        state.counters["peak_MiB"] = peak;
    }
}
BENCHMARK(benchPeakMemoryAfterStartUp)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QString::fromLatin1(FirstPaintOption))
        return printFirstPaint(arguments.mid(2));
    FontSetup::registerSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
