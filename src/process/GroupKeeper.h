#pragma once

#include <sys/types.h>

// Ends the process groups of the tools when the application ends, however it
// ends. A tool's leader gets SIGKILL from the kernel when the application
// dies, but what the tool started (ffmpeg under yt-dlp) would run on. So a
// small shell, started with the first tool, holds one end of a socket and
// the list of the groups that run; when the application's end closes (at
// exit, or when it is killed) it kills every group still on the list.
// Callable from any thread; does nothing when the shell cannot be started.
namespace GroupKeeper {

// `group` runs from now on.
void watch(pid_t group);

// `group`'s leader is about to be reaped: its id may be reused after that.
void forget(pid_t group);

} // namespace GroupKeeper
