#include "cli/SignalWatcher.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGINT, SIGTERM};

int pipeFds[2] = {-1, -1};
struct sigaction previous[kSignals.size()];
struct sigaction previousPipe;

// A closed reader of our output (`tarvelle-cli download … | head`) must not
// end this process while the tools it started run on in their own process
// groups; writes then fail quietly instead. A handler, not SIG_IGN, so the
// tools do not inherit the setting.
void onBrokenPipe(int)
{
}

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a wake-up; dropping this one loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}

void closePipe()
{
    for (int &fd : pipeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace

SignalWatcher::SignalWatcher(QObject *parent) : QObject(parent)
{
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
    struct sigaction brokenPipe = action;
    brokenPipe.sa_handler = onBrokenPipe;
    ::sigaction(SIGPIPE, &brokenPipe, &previousPipe);

    m_notifier = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SignalWatcher::drain);
}

SignalWatcher::~SignalWatcher()
{
    if (!m_notifier)
        return;
    for (size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    ::sigaction(SIGPIPE, &previousPipe, nullptr);
    m_notifier.reset();
    closePipe();
}

void SignalWatcher::drain()
{
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1)
        emit interrupted(byte);
}
