#include "process/ProgramOutput.h"

#include "process/PrivateFolder.h"

#include <QFile>
#include <QProcess>

#include <csignal>

#include <sys/prctl.h>
#include <unistd.h>

namespace ProgramOutput {

Result run(const QString &program, const QStringList &arguments, std::chrono::milliseconds timeLimit)
{
    const int limitMs = static_cast<int>(timeLimit.count());
    Result result;
    // As every tool run: a private empty folder, nothing of ours inherited,
    // and no life beyond the application's.
    const PrivateFolder folder;
    if (!folder.isValid())
        return result;
    QProcess process;
    process.setWorkingDirectory(QFile::decodeName(folder.path()));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    });
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(limitMs))
        return result;
    result.started = true;
    // QProcess keeps reading both pipes while it waits, so a chatty program
    // never blocks on a full pipe.
    if (!process.waitForFinished(limitMs)) {
        ::killpg(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished(1000);
        return result;
    }
    result.finished = true;
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}

} // namespace ProgramOutput
