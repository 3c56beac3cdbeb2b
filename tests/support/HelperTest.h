#pragma once

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

namespace TestSupport {

// One of this test program's own disabled tests (named "Suite.DISABLED_Name"
// or by a pattern), run in a process of its own with `environment` added to
// ours and `arguments` after gtest's: a second application to kill, a
// writer holding a lock. Its standard error goes to ours. Killed when
// destroyed.
class HelperTest
{
public:
    explicit HelperTest(const QString &filter, const QHash<QString, QString> &environment = {},
                        const QStringList &arguments = {});
    virtual ~HelperTest();
    HelperTest(const HelperTest &) = delete;
    HelperTest &operator=(const HelperTest &) = delete;

    bool started() const { return m_started; }
    qint64 processId() const { return m_process->processId(); }

    // Reads output until a line satisfies `condition`; false on timeout or exit.
    bool waitForLine(const std::function<bool(const QString &)> &condition,
                     std::chrono::milliseconds timeout = std::chrono::seconds(30));
    bool waitForLine(const QString &line, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Every line printed so far.
    const QStringList &lines() const { return m_lines; }

    // Writes one line to the helper's standard input (its cue to go on).
    void cue();
    // Closes the helper's standard input (its signal to finish) and waits;
    // true when it exited with 0.
    bool finish();
    // SIGKILL, then collects what it printed before; true once it is gone.
    bool kill();

private:
    void readLines();

    std::unique_ptr<QProcess> m_process;
    QStringList m_lines;
    bool m_started = false;
};

} // namespace TestSupport
