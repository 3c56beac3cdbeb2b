#include "process/ProcessRunner.h"

#include "process/GroupKeeper.h"
#include "process/LineAccumulator.h"
#include "process/PrivateFolder.h"
#include "tools/ToolIntegrity.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QPromise>

#include <cerrno>
#include <csignal>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

namespace {

constexpr size_t kReadChunk = 64 * 1024;
// After the child ends, what it left in the pipes is read before the result is
// delivered; a grandchild that keeps writing must not hold the result back.
constexpr int kMaxDrainReads = 64;

void closeFd(int &fd)
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// Keeps pipe ends clear of 0, 1 and 2, so that the child's dup2 onto its
// standard streams can never clobber another pipe end.
int awayFromStandardStreams(int fd)
{
    if (fd > 2)
        return fd;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    ::close(fd);
    return moved;
}

bool makePipe(int fds[2])
{
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    fds[0] = awayFromStandardStreams(fds[0]);
    fds[1] = awayFromStandardStreams(fds[1]);
    return fds[0] >= 0 && fds[1] >= 0;
}

// Everything the child needs, prepared before vfork: the child may only make
// async-signal-safe calls, and must not touch the memory it shares.
struct LaunchSpec
{
    QByteArray executable;
    std::vector<QByteArray> arguments;
    std::vector<QByteArray> environment;
};

[[noreturn]] void execChild(const LaunchSpec &spec, const QByteArray &folder, char *const argv[], char *const envp[],
                            int inFd, int outFd, int errFd, int reportFd, pid_t parent)
{
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);

    struct sigaction defaultAction = {};
    defaultAction.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &defaultAction, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);

    if (::dup2(inFd, STDIN_FILENO) < 0 || ::dup2(outFd, STDOUT_FILENO) < 0 || ::dup2(errFd, STDERR_FILENO) < 0)
        goto failed;
    // Whatever else this process has open (a library's descriptor without
    // close-on-exec, say) stays here; the report pipe still closes on exec.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    if (::chdir(folder.constData()) != 0)
        goto failed;
    ::execve(spec.executable.constData(), argv, envp);

failed:
    const int error = errno;
    [[maybe_unused]] auto written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

} // namespace

struct ProcessRunner::Run
{
    std::mutex lock;
    bool cancelled = false;
    bool started = false;
    bool finished = false;
    bool reaped = false;
    pid_t pid = 0;
    std::optional<Clock::time_point> killDeadline;
    bool killSent = false;
    int wakeFd = -1;
    QPromise<ProcessRunResult> promise;

    ~Run() { closeFd(wakeFd); }

    void deliver(ProcessRunResult result)
    {
        {
            std::lock_guard guard(lock);
            if (finished)
                return;
            finished = true;
            if (cancelled)
                result = ProcessRunResult::cancelled();
        }
        promise.addResult(result);
        promise.finish();
    }

    // Called with `lock` held. The leader is reaped under the same lock, so a
    // signal can never reach a group id the system may already have reused.
    void terminateGroup()
    {
        if (pid > 0 && !reaped)
            ::killpg(pid, SIGTERM);
        if (!killDeadline)
            killDeadline = Clock::now() + kKillDelay;
    }

    void wake() const
    {
        if (wakeFd >= 0) {
            const uint64_t one = 1;
            [[maybe_unused]] auto written = ::write(wakeFd, &one, sizeof one);
        }
    }

    void io(const LaunchSpec &spec, OutputSink &out, OutputSink &err);
};

void ProcessRunner::Run::io(const LaunchSpec &spec, OutputSink &out, OutputSink &err)
{
    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    int reportPipe[2] = {-1, -1};
    int nothing = -1;
    auto closeAll = [&] {
        for (int *fd : {&outPipe[0], &outPipe[1], &errPipe[0], &errPipe[1], &reportPipe[0], &reportPipe[1], &nothing})
            closeFd(*fd);
    };
    // As a shell reports it: 127 when there is no such program.
    auto failLaunch = [&](int error) {
        closeAll();
        deliver(ProcessRunResult::exited(error == ENOENT ? 127 : 1));
    };

    // A shipped tool that is not the file its manifest lists never runs; the
    // reader of its output learns why as from a tool that failed.
    if (const std::optional<QString> problem = ToolIntegrity::problemBeforeRunning(QFile::decodeName(spec.executable))) {
        const QByteArray line = problem->toUtf8() + '\n';
        err.append(line.constData(), line.size());
        out.finish();
        err.finish();
        return failLaunch(EPERM);
    }

    // The tool runs in a folder of its own, empty and private, so that no
    // file someone left in a folder it would otherwise start in (yt-dlp reads
    // a "yt-dlp.conf" there) can change what it does.
    const PrivateFolder folder;
    if (!folder.isValid())
        return failLaunch(EACCES);
    if (!makePipe(outPipe) || !makePipe(errPipe) || !makePipe(reportPipe))
        return failLaunch(errno);
    nothing = awayFromStandardStreams(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    if (nothing < 0)
        return failLaunch(errno);
    const QByteArray folderPath = folder.path();

    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(spec.executable.constData()));
    for (const auto &argument : spec.arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const auto &entry : spec.environment)
        envp.push_back(const_cast<char *>(entry.constData()));
    envp.push_back(nullptr);

    const pid_t parent = ::getpid();
    // vfork, not fork: the child borrows this process's memory until execve,
    // so a launch costs the same however large the application has grown,
    // and no page is left copy-on-write behind it (after a fork, each page
    // the application next writes faults once: thousands with a long list).
    // Signals stay blocked until the child has set every handler back to the
    // default, so no handler of this process ever runs in the child.
    sigset_t all;
    sigset_t previous;
    ::sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t child = ::vfork();
    if (child == 0)
        execChild(spec, folderPath, argv.data(), envp.data(), nothing, outPipe[1], errPipe[1], reportPipe[1], parent);
    const int forkError = errno;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (child < 0)
        return failLaunch(forkError);

    closeFd(outPipe[1]);
    closeFd(errPipe[1]);
    closeFd(reportPipe[1]);
    closeFd(nothing);

    // The report pipe closes on a successful exec; otherwise it carries errno.
    int launchError = 0;
    ssize_t got;
    do {
        got = ::read(reportPipe[0], &launchError, sizeof launchError);
    } while (got < 0 && errno == EINTR);
    closeFd(reportPipe[0]);
    if (got == static_cast<ssize_t>(sizeof launchError)) {
        ::waitpid(child, nullptr, 0);
        return failLaunch(launchError);
    }

    const int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    GroupKeeper::watch(child);
    {
        std::lock_guard guard(lock);
        pid = child;
        if (cancelled)
            terminateGroup();
    }

    ::fcntl(outPipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(errPipe[0], F_SETFL, O_NONBLOCK);

    char buffer[kReadChunk];
    // Reads once from a pipe; false once it reached end of file.
    auto readOnce = [&buffer](int &fd, OutputSink &sink) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            sink.append(buffer, n);
            return true;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        sink.finish();
        closeFd(fd);
        return false;
    };
    auto drain = [&](int &fd, OutputSink &sink) {
        for (int i = 0; i < kMaxDrainReads && fd >= 0; ++i) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                sink.append(buffer, n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                return;
            sink.finish();
            closeFd(fd);
            return;
        }
    };

    bool exitSeen = false;
    bool reapedHere = false;
    for (;;) {
        if (reapedHere && outPipe[0] < 0 && errPipe[0] < 0)
            break;

        pollfd fds[4];
        nfds_t count = 0;
        const auto add = [&](int fd) {
            if (fd >= 0)
                fds[count++] = {fd, POLLIN, 0};
        };
        add(outPipe[0]);
        add(errPipe[0]);
        add(wakeFd);
        if (!exitSeen)
            add(pidFd);

        int timeout = -1;
        if (!exitSeen && pidFd < 0)
            timeout = 50; // no pidfd: look for the child's end periodically
        {
            std::lock_guard guard(lock);
            if (killDeadline && !killSent) {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(*killDeadline - Clock::now());
                const int leftMs = std::max<int>(0, static_cast<int>(left.count()));
                timeout = timeout < 0 ? leftMs : std::min(timeout, leftMs);
            }
        }
        if (::poll(fds, count, timeout) < 0 && errno != EINTR)
            break;

        for (nfds_t i = 0; i < count; ++i) {
            if (!fds[i].revents)
                continue;
            if (fds[i].fd == wakeFd) {
                uint64_t value;
                [[maybe_unused]] auto n = ::read(wakeFd, &value, sizeof value);
            } else if (fds[i].fd == outPipe[0]) {
                readOnce(outPipe[0], out);
            } else if (fds[i].fd == errPipe[0]) {
                readOnce(errPipe[0], err);
            }
        }

        if (!exitSeen) {
            siginfo_t info = {};
            // WNOWAIT: the leader stays a zombie, so its group id stays ours
            // until we decide to reap it.
            if (::waitid(P_PID, child, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child) {
                exitSeen = true;
                drain(outPipe[0], out);
                drain(errPipe[0], err);
                out.finish();
                err.finish();
                deliver(ProcessRunResult::exited(info.si_status));
            }
        }

        std::lock_guard guard(lock);
        if (killDeadline && !killSent && Clock::now() >= *killDeadline) {
            if (!reaped)
                ::killpg(child, SIGKILL);
            killSent = true;
        }
        // A cancelled run keeps its leader until the escalation is done, so
        // the SIGKILL still reaches grandchildren that ignored SIGTERM.
        if (exitSeen && !reaped && (!killDeadline || killSent)) {
            GroupKeeper::forget(child);
            ::waitpid(child, nullptr, 0);
            reaped = true;
            reapedHere = true;
        }
    }

    if (pidFd >= 0)
        ::close(pidFd);
    closeAll();
}

ProcessRunner::ProcessRunner()
    : m_run(std::make_shared<Run>())
{
}

ProcessRunner::~ProcessRunner() = default;

QFuture<ProcessRunResult> ProcessRunner::run(const QString &executable, const QStringList &arguments,
                                             const QHash<QString, QString> &environment, LineHandler onLine)
{
    // Both accumulators share the handler, which must outlive every line.
    auto handler = std::make_shared<LineHandler>(std::move(onLine));
    return run(executable, arguments, environment,
               std::make_shared<LineAccumulator>([handler](const QString &line) { (*handler)(line, false); }),
               std::make_shared<LineAccumulator>([handler](const QString &line) { (*handler)(line, true); }));
}

QFuture<ProcessRunResult> ProcessRunner::run(const QString &executable, const QStringList &arguments,
                                             const QHash<QString, QString> &environment,
                                             std::shared_ptr<OutputSink> standardOutput,
                                             std::shared_ptr<OutputSink> standardError)
{
    auto run = m_run;
    run->promise.start();
    QFuture<ProcessRunResult> future = run->promise.future();

    {
        std::lock_guard guard(run->lock);
        Q_ASSERT_X(!run->started, "ProcessRunner::run", "a runner serves one run only");
        if (run->started || run->cancelled) {
            run->started = true;
            run->finished = true;
            run->promise.addResult(run->cancelled ? ProcessRunResult::cancelled() : ProcessRunResult::exited(1));
            run->promise.finish();
            return future;
        }
        run->started = true;
        run->wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    }

    LaunchSpec spec;
    spec.executable = QFile::encodeName(executable);
    for (const QString &argument : arguments)
        spec.arguments.push_back(argument.toUtf8());
    QProcessEnvironment merged = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.cbegin(); it != environment.cend(); ++it)
        merged.insert(it.key(), it.value());
    for (const QString &entry : merged.toStringList())
        spec.environment.push_back(entry.toUtf8());

    std::thread([run, spec = std::move(spec), out = std::move(standardOutput), err = std::move(standardError)] {
        run->io(spec, *out, *err);
    }).detach();
    return future;
}

void ProcessRunner::cancel()
{
    std::lock_guard guard(m_run->lock);
    m_run->cancelled = true;
    // Also after the result is known: until the leader is reaped the group
    // id is ours, and grandchildren may still be running in it.
    if (m_run->started && !m_run->reaped) {
        m_run->terminateGroup();
        m_run->wake();
    }
}

qint64 ProcessRunner::processId() const
{
    std::lock_guard guard(m_run->lock);
    return m_run->pid;
}
