#pragma once

#include <optional>

// Answers --help and --version without a display: it runs before any Qt
// application object exists. Returns the exit code when the program should
// stop; nothing when the window should start. Every other argument is left
// for QApplication (Qt's own options such as -platform).
std::optional<int> handleCommandLine(int argc, char **argv);
