#pragma once

#include "cli/CliArguments.h"

#include <QCommandLineOption>
#include <QList>

class CommandOptions;

// The download command's flags for the advanced options. Values go through
// the same checks as in the window, so a value the window refuses is refused
// here too, with the same sentence.
namespace AdvancedFlags {

// The flags with their help texts, in the order the help lists them.
QList<QCommandLineOption> options();

// Reads the flags given into `overrides`; the first refusal ("--proxy: ..."),
// empty when every value was understood.
QString read(const CommandOptions &options, AdvancedOverrides &overrides);

} // namespace AdvancedFlags
