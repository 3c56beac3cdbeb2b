#include "support/HelperTest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <csignal>

namespace TestSupport {

HelperTest::HelperTest(const QString &filter, const QHash<QString, QString> &environment, const QStringList &arguments)
    : m_process(std::make_unique<QProcess>())
{
    QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.cbegin(); it != environment.cend(); ++it)
        all.insert(it.key(), it.value());
    m_process->setProcessEnvironment(all);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(QCoreApplication::applicationFilePath(),
                     QStringList{QStringLiteral("--gtest_also_run_disabled_tests"),
                                 QStringLiteral("--gtest_filter=") + filter}
                         + arguments);
    m_started = m_process->waitForStarted();
}

HelperTest::~HelperTest()
{
    if (m_process->state() != QProcess::NotRunning)
        kill();
}

bool HelperTest::waitForLine(const std::function<bool(const QString &)> &condition, std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    qsizetype checked = 0;
    while (true) {
        for (; checked < m_lines.size(); ++checked) {
            if (condition(m_lines.at(checked)))
                return true;
        }
        if (deadline.hasExpired() || !m_process->waitForReadyRead(int(deadline.remainingTime())))
            return false;
        readLines();
    }
}

bool HelperTest::waitForLine(const QString &line, std::chrono::milliseconds timeout)
{
    return waitForLine([&line](const QString &said) { return said == line; }, timeout);
}

void HelperTest::cue()
{
    m_process->write("go\n");
    m_process->waitForBytesWritten();
}

bool HelperTest::finish()
{
    m_process->closeWriteChannel();
    const bool finished = m_process->waitForFinished(30000);
    readLines();
    return finished && m_process->exitStatus() == QProcess::NormalExit && m_process->exitCode() == 0;
}

bool HelperTest::kill()
{
    // No pid once it ended: kill(0) would hit the whole test run.
    if (const qint64 pid = m_process->processId(); pid > 0)
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    const bool gone = m_process->waitForFinished(30000);
    readLines();
    return gone;
}

void HelperTest::readLines()
{
    while (m_process->canReadLine())
        m_lines.append(QString::fromUtf8(m_process->readLine()).trimmed());
}

} // namespace TestSupport
