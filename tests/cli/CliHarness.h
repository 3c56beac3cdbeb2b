#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

// The binaries under test in the build tree.
QString cliPath();
QString windowPath();

// What one run of tarvelle-cli gave.
struct CliResult
{
    bool finished = false; // false: it did not end in time and was killed
    int exitCode = -1;
    QString out;
    QString err;
};

// A user of tarvelle-cli: a home folder of its own (HOME, XDG config, data
// and cache folders inside it), so settings, history and saved descriptions
// start empty and belong to the test, and a time zone of its own. Runs the
// built binary as a child process.
class CliUser
{
public:
    // Five and a half hours ahead of UTC, written as a POSIX rule so it needs
    // no time zone data: the local times the program prints are known.
    static inline const QString kTimeZone = QStringLiteral("XST-5:30");

    CliUser();

    bool isValid() const { return m_home.isValid(); }
    QString home() const { return m_home.path(); }
    QString settingsFile() const;
    // The default output folder of this user.
    QString defaultOutputDirectory() const;
    // Settings for a window started as this user: the legal notice accepted,
    // downloads into <home>/out, no notifications. False when they could not
    // be written.
    bool acceptNoticeForWindow() const;

    CliResult run(const QStringList &arguments, const QByteArray &input = {},
                  std::chrono::milliseconds timeout = std::chrono::seconds(120)) const;
    // The same with standard output on a pseudo-terminal (through script(1))
    // of `columns` columns (0: size unknown); `out` is what the terminal
    // received, standard error included.
    CliResult runOnTerminal(const QStringList &arguments, int columns = 0) const;
    // The same with standard output piped into the shell command `reader`.
    CliResult runPiped(const QStringList &arguments, const QString &reader) const;
    // Started, not waited for; standard output is read by the caller.
    // `program` is tarvelle-cli (or the one of setProgram) unless named
    // (windowPath(), say).
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QString &program = {}) const;

    // `history --json` with extra arguments, parsed; empty on any failure.
    QJsonArray history(const QStringList &arguments = {}) const;

    // Runs another copy of the program (one in a tree of its own).
    void setProgram(const QString &path) { m_program = path; }
    // An environment variable for every later run.
    void setVariable(const QString &name, const QString &value) { m_variables.insert(name, value); }

private:
    QProcessEnvironment environment() const;
    static CliResult wait(QProcess &process, std::chrono::milliseconds timeout);
    // The command line of the binary with `arguments`, quoted for /bin/sh.
    static QString shellCommand(const QStringList &arguments);
    CliResult runShell(const QString &program, const QStringList &arguments) const;

    QTemporaryDir m_home;
    QString m_program;
    QProcessEnvironment m_variables;
};


