#pragma once

// How one child process run ended.
struct ProcessRunResult
{
    enum class Kind { exited, cancelled };

    Kind kind = Kind::exited;
    // For exited: the exit status, the signal number for a child ended by a
    // signal, 127 when the program does not exist, 1 for any other launch failure.
    int code = 0;

    static ProcessRunResult exited(int status) { return {Kind::exited, status}; }
    static ProcessRunResult cancelled() { return {Kind::cancelled, 0}; }

    bool isCancelled() const { return kind == Kind::cancelled; }
    bool operator==(const ProcessRunResult &) const = default;
};
