#pragma once

#include "process/OutputSink.h"
#include "process/ProcessRunResult.h"

#include <QFuture>
#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

// Runs one child process: in its own process group and in a private, empty
// working folder made for the run, with no standard input and no descriptor
// of this process but its output pipes; output delivered line by line from a
// background thread, result delivered asynchronously. A runner serves exactly
// one run.
//
// Each run has one I/O thread that starts the child, reads both pipes, notices
// the child's end and reaps it. The caller's thread never waits on the child.
// The child is placed in a new process group before it executes the tool, so
// everything it starts can be signalled with the group; the group is killed
// if the application dies, however it dies (GroupKeeper).
class ProcessRunner
{
public:
    // Called on the run's I/O thread; lines of one stream arrive in order.
    // Must stay safe to call after the result was delivered: output still in
    // flight (or written by grandchildren holding the pipes) is read afterwards.
    using LineHandler = std::function<void(const QString &line, bool isStandardError)>;

    static constexpr std::chrono::milliseconds kKillDelay{2000};

    ProcessRunner();
    ~ProcessRunner();
    ProcessRunner(const ProcessRunner &) = delete;
    ProcessRunner &operator=(const ProcessRunner &) = delete;

    // `environment` is laid over the application's own. Paths among the
    // arguments must be absolute: the child starts in a folder of its own.
    // The future always finishes with exactly one result. Each stream is cut
    // into lines of at most LineAccumulator::kMaxLineBytes.
    QFuture<ProcessRunResult> run(const QString &executable, const QStringList &arguments,
                                  const QHash<QString, QString> &environment, LineHandler onLine);

    // The same with each stream's bytes handed to a sink of the caller's as
    // they are read (a sink may keep a whole document instead of lines). The
    // run holds both sinks as long as it reads its pipes.
    QFuture<ProcessRunResult> run(const QString &executable, const QStringList &arguments,
                                  const QHash<QString, QString> &environment,
                                  std::shared_ptr<OutputSink> standardOutput,
                                  std::shared_ptr<OutputSink> standardError);

    // Asks the child and its whole group to end: SIGTERM now, SIGKILL after
    // kKillDelay. Returns at once; callable from any thread at any time.
    // Before run() it means the child is never started. A group is never
    // signalled after its leader has been reaped.
    void cancel();

    // The child's process id once launched, else 0 (for tests and diagnostics).
    qint64 processId() const;

private:
    struct Run;
    std::shared_ptr<Run> m_run;
};
