#pragma once

#include <functional>

namespace FileModes {

// Runs `work` on a thread of its own whose effective capabilities lack the
// permission overrides (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH), so that file
// and folder modes apply even when the tests run as root. Other threads keep
// their capabilities. Returns after `work` has finished.
void runEnforced(const std::function<void()> &work);

} // namespace FileModes
