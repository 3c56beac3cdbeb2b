#pragma once

namespace DiagnosticsCommand {

// Examines the shipped tools and prints the report text; always succeeds
// (every problem is part of the report).
int run();

} // namespace DiagnosticsCommand
