// SPDX-License-Identifier: MIT
// Start-up as the user sees it on an X display: from exec to the main window
// mapped, and on to its first frame drawn into it (seen through the DAMAGE
// extension), for the program and for two baselines of the same size (a
// bare QWidget; a QWidget with one Japanese QLabel in the same Gothic font).
// The three alternate, run by run, so that a machine busy with something
// else slows all three alike; the medians and their ratios are printed, and
// the peak memory (maximum resident set, as /usr/bin/time -f %M counts it)
// of each, read once the program has stood idle for a while after drawing.
// On a busy machine the times wait for the processor as much as they work;
// the processor time a program has had by the moment it is drawn (all its
// threads, from /proc/PID/task/*/schedstat) is printed too, as it depends
// far less on what else runs.
//
// Usage: bench_startup [RUNS [PROGRAM]]: RUNS defaults to 11, PROGRAM to
// the neattessel built beside it (another build's, to compare two). It needs
// DISPLAY to name an X server on which nothing else maps windows, such as
// one of xvfb-run.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <dirent.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int TimeoutMs = 20000;
// Long enough for what a program does once its first frame is up.
constexpr int IdleAfterDrawnMs = 500;

struct Program
{
    const char *name;
    std::vector<const char *> argv;
    std::vector<double> mappedMs;
    std::vector<double> drawnMs;
    std::vector<double> cpuMs;
    long peakKiB = 0;
};

struct Run
{
    double mappedMs = -1;
    double drawnMs = -1;
    double cpuMs = -1;
    long peakKiB = -1;
};

struct Display
{
    xcb_connection_t *x = nullptr;
    uint8_t damageNotify = 0; // the event code of DamageNotify
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time of every thread of `pid` so far.
double processorMilliseconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *const folder = opendir(tasks.c_str());
    if (!folder)
        return -1;
    double ns = 0;
    while (const dirent *task = readdir(folder)) {
        if (task->d_name[0] == '.')
            continue;
        if (FILE *stat = std::fopen((tasks + '/' + task->d_name + "/schedstat").c_str(), "r")) {
            unsigned long long onCpu = 0;
            if (std::fscanf(stat, "%llu", &onCpu) == 1)
                ns += double(onCpu);
            std::fclose(stat);
        }
    }
    closedir(folder);
    return ns / 1e6;
}

// Follows the top-level windows of the run from their creation: every one
// gets a damage object, so that the first drawing into the one mapped is
// seen however soon it follows the mapping.
void waitForFirstFrame(const Display &display, pid_t pid, Clock::time_point start, Run &run)
{
    xcb_connection_t *const x = display.x;
    xcb_window_t mapped = XCB_NONE;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (run.drawnMs < 0 && millisecondsSince(start) < TimeoutMs
           && !xcb_connection_has_error(x)) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                xcb_damage_create(x, xcb_generate_id(x), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(x);
            } else if (type == XCB_MAP_NOTIFY && mapped == XCB_NONE
                       && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect) {
                mapped = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                run.mappedMs = millisecondsSince(start);
            } else if (type == display.damageNotify && mapped != XCB_NONE
                       && reinterpret_cast<xcb_damage_notify_event_t *>(event)->drawable
                              == mapped) {
                run.drawnMs = millisecondsSince(start);
                run.cpuMs = processorMilliseconds(pid);
            }
            std::free(event);
        }
        if (run.drawnMs < 0)
            poll(&fd, 1, 20);
    }
}

Run runOnce(const Display &display, const Program &program)
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(display.x))
        std::free(event);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(program.argv.front(), const_cast<char *const *>(program.argv.data()));
        _exit(127);
    }
    Run run;
    if (pid < 0)
        return run;
    waitForFirstFrame(display, pid, start, run);
    if (run.drawnMs >= 0)
        usleep(IdleAfterDrawnMs * 1000);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid)
        run.peakKiB = usage.ru_maxrss;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Makes the server report every window created and mapped on the screen.
Display watchRoot()
{
    Display display;
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    const xcb_query_extension_reply_t *damage =
        xcb_connection_has_error(x) ? nullptr : xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present)
        return display;
    std::free(xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    display.x = x;
    display.damageNotify = damage->first_event + XCB_DAMAGE_NOTIFY;
    return display;
}

void printMedians(const char *what, const std::array<Program, 3> &programs,
                  std::vector<double> Program::*times)
{
    std::printf("exec to main window %s:\n", what);
    for (const Program &program : programs) {
        const auto [least, most] =
            std::minmax_element((program.*times).begin(), (program.*times).end());
        std::printf("  %-32s %6.1f ms  (%.1f to %.1f)\n", program.name, median(program.*times),
                    *least, *most);
    }
    const double bare = median(programs[0].*times);
    const double label = median(programs[1].*times);
    const double wizard = median(programs[2].*times);
    std::printf("  neattessel / Japanese label      %6.2fx\n", wizard / label);
    std::printf("  neattessel / bare                %6.2fx\n", wizard / bare);
    std::printf("  Japanese label / bare            %6.2fx\n", label / bare);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    char runtime[] = "/tmp/bench_startup-XXXXXX"; // Qt wants one only the user can enter
    if (mkdtemp(runtime))
        setenv("XDG_RUNTIME_DIR", runtime, 1);
    const Display display = watchRoot();
    if (!display.x) {
        std::fprintf(stderr, "bench_startup: no X display with DAMAGE; run it under xvfb-run\n");
        return 2;
    }
    std::array<Program, 3> programs = {{
        {"bare QWidget", {TESSEL_STARTUP_WINDOW, "bare", nullptr}, {}, {}, {}},
        {"QWidget with a Japanese QLabel", {TESSEL_STARTUP_WINDOW, "label", nullptr}, {}, {}, {}},
        {"neattessel", {argc > 2 ? argv[2] : TESSEL_EXECUTABLE, nullptr}, {}, {}, {}},
    }};
    // One run each that is not counted: the first pays for reading the
    // libraries and fonts from disk.
    for (int i = -1; i < runs; ++i) {
        for (size_t k = 0; k < programs.size(); ++k) {
            // Each round starts with another program, so that none always
            // follows the same one.
            Program &program = programs[(k + size_t(i + 1)) % programs.size()];
            const Run run = runOnce(display, program);
            if (run.drawnMs < 0 || run.peakKiB < 0) {
                std::fprintf(stderr, "bench_startup: %s drew no window\n", program.name);
                return 1;
            }
            if (i >= 0) {
                program.mappedMs.push_back(run.mappedMs);
                program.drawnMs.push_back(run.drawnMs);
                program.cpuMs.push_back(run.cpuMs);
                program.peakKiB = std::max(program.peakKiB, run.peakKiB);
            }
        }
    }
    std::printf("Medians of %d alternating runs each (least to most)\n", runs);
    printMedians("mapped", programs, &Program::mappedMs);
    printMedians("drawn", programs, &Program::drawnMs);
    printMedians("drawn, processor time", programs, &Program::cpuMs);
    std::printf("peak memory (maximum resident set, the largest of the runs):\n");
    for (const Program &program : programs)
        std::printf("  %-32s %6.1f MiB\n", program.name, double(program.peakKiB) / 1024);
    xcb_disconnect(display.x);
    rmdir(runtime);
    return 0;
}
