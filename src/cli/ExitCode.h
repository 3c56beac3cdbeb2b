#pragma once

// What tarvelle-cli returns to its caller.
namespace ExitCode {
inline constexpr int success = 0;
inline constexpr int failure = 1;
inline constexpr int usage = 2;
// 128 + SIGINT, what shells report for a program stopped by Ctrl+C.
inline constexpr int interrupted = 130;
} // namespace ExitCode
