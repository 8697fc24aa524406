// SPDX-License-Identifier: MIT
#pragma once

// Runs part of a test in a forked child, so that it can give up root, take
// a file-size limit or be stopped by an alarm without changing the test
// process. The child hands back the bytes its work returned.

#include <QByteArray>

#include <functional>
#include <optional>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ChildProcess {

struct Limits
{
    bool dropRoot = false;      // run as "nobody" when the test runs as root
    qint64 fileSizeLimit = -1;  // RLIMIT_FSIZE, with SIGXFSZ ignored
    unsigned alarmSeconds = 10; // the child is killed when its work takes longer
};

inline constexpr uid_t Nobody = 65534;

[[nodiscard]] inline bool takeLimits(const Limits &limits)
{
    alarm(limits.alarmSeconds);
    if (limits.fileSizeLimit >= 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit size = {rlim_t(limits.fileSizeLimit), rlim_t(limits.fileSizeLimit)};
        if (setrlimit(RLIMIT_FSIZE, &size) != 0)
            return false;
    }
    if (limits.dropRoot && getuid() == 0)
        return setgroups(0, nullptr) == 0 && setgid(Nobody) == 0 && setuid(Nobody) == 0;
    return true;
}

// What `work` returned in the child; nothing when the child could not take
// its limits, died, or ran out of time.
[[nodiscard]] inline std::optional<QByteArray> run(const std::function<QByteArray()> &work,
                                                   const Limits &limits = {})
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        if (!takeLimits(limits))
            _exit(2);
        const QByteArray out = work();
        for (qsizetype done = 0; done < out.size();) {
            const ssize_t n =
                ::write(channel[1], out.constData() + done, size_t(out.size() - done));
            if (n <= 0)
                _exit(3);
            done += n;
        }
        _exit(0);
    }
    close(channel[1]);
    QByteArray out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, n);
    close(channel[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return out;
}

} // namespace ChildProcess
