#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

// Short synchronous runs of a program whose answer is a few lines (a version,
// a verdict): blocking, so callers keep them off the GUI thread.
namespace ProgramOutput {

struct Result
{
    bool started = false;
    // False when the time limit passed; the program and everything it started
    // were killed then.
    bool finished = false;
    int exitCode = -1; // -1 unless the program exited by itself
    QByteArray standardOutput;
    QByteArray standardError;

    bool succeeded() const { return started && finished && exitCode == 0; }
};

// Runs `program` with `arguments` in a process group of its own, in a private
// empty folder, with no standard input and the application's environment.
Result run(const QString &program, const QStringList &arguments, std::chrono::milliseconds timeLimit);

} // namespace ProgramOutput
