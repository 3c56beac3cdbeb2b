#include "process/GroupKeeper.h"

#include <QByteArray>

#include <csignal>

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <unistd.h>

extern char **environ;

namespace {

// Reads "+ <group>" and "- <group>" lines until the other end closes, then
// kills what is left. It ignores the terminal's signals: Ctrl+C in a shell
// is for the application, which ends its tools itself.
constexpr char kScript[] = R"sh(trap '' HUP INT QUIT TSTP
groups=' '
while read -r change group; do
  case $change in
    +) groups="$groups$group " ;;
    -) case $groups in *" $group "*) groups="${groups%% $group *} ${groups#* $group }" ;; esac ;;
  esac
done
for group in $groups; do kill -KILL -"$group" 2>/dev/null; done
)sh";

// The application's end of the socket; -1 when there is no keeper.
int start()
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return -1;
    // Clear of 0, 1 and 2 (a program started with them closed gets them
    // here), so that the keeper's end is really dup'ed onto its input.
    for (int &end : ends) {
        if (end <= STDERR_FILENO) {
            const int moved = ::fcntl(end, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
            ::close(end);
            end = moved;
        }
    }
    if (ends[0] < 0 || ends[1] < 0) {
        for (int end : ends) {
            if (end >= 0)
                ::close(end);
        }
        return -1;
    }

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    ::posix_spawnattr_init(&attributes);
    // A group of its own: the terminal's signals to the application's group
    // never reach it.
    ::posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t all;
    sigset_t none;
    ::sigfillset(&all);
    ::sigemptyset(&none);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    // posix_spawn takes the arguments as char *const[] and never writes them.
    char *argv[] = {const_cast<char *>("/bin/sh"), const_cast<char *>("-c"), const_cast<char *>(kScript), nullptr};
    pid_t keeper = 0;
    const int spawned = ::posix_spawn(&keeper, argv[0], &actions, &attributes, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::posix_spawnattr_destroy(&attributes);
    ::close(ends[1]);
    if (spawned != 0) {
        ::close(ends[0]);
        return -1;
    }
    // Nobody waits for the keeper: it outlives this process by design, and
    // a keeper that ends early is reaped with the application.
    return ends[0];
}

int keeperSocket()
{
    static const int socket = start();
    return socket;
}

void say(char change, pid_t group)
{
    const int socket = keeperSocket();
    if (socket < 0 || group <= 0)
        return;
    const QByteArray line = QByteArray(1, change) + ' ' + QByteArray::number(group) + '\n';
    // One short send is atomic on a stream socket; a keeper that is gone
    // must not end the application with SIGPIPE.
    [[maybe_unused]] const auto sent = ::send(socket, line.constData(), line.size(), MSG_NOSIGNAL);
}

} // namespace

namespace GroupKeeper {

void watch(pid_t group)
{
    say('+', group);
}

void forget(pid_t group)
{
    say('-', group);
}

} // namespace GroupKeeper
