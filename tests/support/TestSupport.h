#pragma once

#include "engine/LineInbox.h"

#include <QFuture>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>

#include <sys/types.h>

namespace TestSupport {

using namespace std::chrono_literals;

// Writes an executable /bin/sh script named `name` into `dir` and returns its path.
QString writeScript(const QTemporaryDir &dir, const QString &name, const QByteArray &body);

// The Tools folder the bootstrap script fills in the build tree.
QString buildToolsDirectory();

// A /bin/sh line that appends the script's arguments to the file at `log`,
// one line per run; readArgumentLog() reads them back. For fake and
// wrapping tools that tell what they were asked to do.
QByteArray logArgumentsTo(const QString &log);
QList<QStringList> readArgumentLog(const QString &log);

// A line of a download run's standard output as the coordinator's reader
// takes it, written with the markers' short names at its start
// ("__KVJSON__", "__KV_FILEPATH__", "__KV_INFOJSON__")
// for a run's markers with their token; paths count inside `outputFolder`.
OutputLine readRunLine(const QString &line, const QString &outputFolder = QStringLiteral("/out"));

// A current yt-dlp build kept beside the repository
// (../shared/tools/yt-dlp-2026.08.19), to check against besides Debian's;
// empty when it is not there, and tests that need it skip.
QString currentYtDlp();

// Sets an environment variable for as long as it lives, then restores it.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QString &value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    std::optional<QByteArray> m_previous;
};

// Waits for a future while letting queued events run; nullopt on timeout.
template <typename T>
std::optional<T> waitFor(QFuture<T> future, std::chrono::milliseconds timeout = 20s);

// Spins the event loop until `condition` holds or the timeout passes.
bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout = 10s);

// True while the process exists and is not a zombie.
bool isRunning(pid_t pid);

// Processes (not zombies) whose command line contains `marker`.
QList<pid_t> processesMatching(const QString &marker);

// Zombie children of this test process.
QList<pid_t> zombieChildren();

// Collects lines delivered from background threads.
class LineLog
{
public:
    void add(const QString &line, bool isStandardError);
    QStringList lines(bool standardError = false) const;
    bool contains(const QString &line, bool standardError = false) const;

private:
    mutable std::mutex m_lock;
    QList<std::pair<QString, bool>> m_lines;
};

void processEventsBriefly();

template <typename T>
std::optional<T> waitFor(QFuture<T> future, std::chrono::milliseconds timeout)
{
    if (!waitUntil([&] { return future.isFinished(); }, timeout))
        return std::nullopt;
    return future.result();
}

} // namespace TestSupport
