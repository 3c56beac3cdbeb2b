#include "support/TestSupport.h"

#include "engine/RunOutputReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace TestSupport {

QString writeScript(const QTemporaryDir &dir, const QString &name, const QByteArray &body)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }
    file.write("#!/bin/sh\n");
    file.write(body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                        | QFile::ExeGroup);
    return path;
}

OutputLine readRunLine(const QString &line, const QString &outputFolder)
{
    static const RunMarkers markers(QStringLiteral("7e57"));
    static const QList<std::pair<QLatin1String, RunMarkers::Kind>> shortNames{
        {QLatin1String("__KVJSON__"), RunMarkers::Kind::progress},
        {QLatin1String("__KV_FILEPATH__"), RunMarkers::Kind::filePath},
        {QLatin1String("__KV_INFOJSON__"), RunMarkers::Kind::infoFile},
    };
    QString marked = line;
    for (const auto &[name, kind] : shortNames) {
        if (marked.startsWith(name)) {
            marked.replace(0, name.size(), markers.marker(kind));
            break;
        }
    }
    RunOutputReader reader(markers, outputFolder, QString());
    return reader.read(marked, false);
}

QString buildToolsDirectory()
{
    return QStringLiteral(TARVELLE_BUILD_DIR "/share/tarvelle/Tools");
}

QByteArray logArgumentsTo(const QString &log)
{
    // Each argument ends with an ASCII unit separator, each run with a line feed.
    const QByteArray quoted = "'" + log.toUtf8() + "'";
    return "for a in \"$@\"; do printf '%s\\037' \"$a\"; done >> " + quoted + "; echo >> " + quoted + "\n";
}

QList<QStringList> readArgumentLog(const QString &log)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> runs;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        QStringList arguments = QString::fromUtf8(line).split(QChar(0x1f));
        arguments.removeLast();
        runs.append(arguments);
    }
    return runs;
}

QString currentYtDlp()
{
    const QString path = QDir::cleanPath(QStringLiteral(TARVELLE_SOURCE_DIR "/../shared/tools/yt-dlp-2026.08.19"));
    return QFileInfo(path).isExecutable() ? path : QString();
}

ScopedEnvironment::ScopedEnvironment(const char *name, const QString &value)
    : m_name(name)
{
    if (qEnvironmentVariableIsSet(name))
        m_previous = qgetenv(name);
    qputenv(name, value.toUtf8());
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (m_previous)
        qputenv(m_name, *m_previous);
    else
        qunsetenv(m_name);
}

void processEventsBriefly()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
}

bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeout.count())
            return false;
        processEventsBriefly();
    }
    return true;
}

namespace {

// Fields of /proc/<pid>/stat after the command name: state, ppid, ...
bool readStat(pid_t pid, char &state, pid_t &parent)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = file.readAll();
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0 || close + 4 >= stat.size())
        return false;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 2)
        return false;
    state = fields[0].isEmpty() ? '?' : fields[0][0];
    parent = fields[1].toInt();
    return true;
}

QList<pid_t> allProcesses()
{
    QList<pid_t> pids;
    const auto entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool ok = false;
        const pid_t pid = entry.toInt(&ok);
        if (ok)
            pids.append(pid);
    }
    return pids;
}

} // namespace

bool isRunning(pid_t pid)
{
    char state = '?';
    pid_t parent = 0;
    return readStat(pid, state, parent) && state != 'Z' && state != 'X';
}

QList<pid_t> processesMatching(const QString &marker)
{
    QList<pid_t> found;
    const QByteArray needle = marker.toUtf8();
    for (pid_t pid : allProcesses()) {
        if (pid == ::getpid())
            continue;
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (file.readAll().contains(needle) && isRunning(pid))
            found.append(pid);
    }
    return found;
}

QList<pid_t> zombieChildren()
{
    QList<pid_t> zombies;
    for (pid_t pid : allProcesses()) {
        char state = '?';
        pid_t parent = 0;
        if (readStat(pid, state, parent) && parent == ::getpid() && state == 'Z')
            zombies.append(pid);
    }
    return zombies;
}

void LineLog::add(const QString &line, bool isStandardError)
{
    std::lock_guard guard(m_lock);
    m_lines.append({line, isStandardError});
}

QStringList LineLog::lines(bool standardError) const
{
    std::lock_guard guard(m_lock);
    QStringList result;
    for (const auto &[line, isError] : m_lines) {
        if (isError == standardError)
            result.append(line);
    }
    return result;
}

bool LineLog::contains(const QString &line, bool standardError) const
{
    return lines(standardError).contains(line);
}

} // namespace TestSupport
