#pragma once

#include "engine/OptionCheck.h"

#include <QString>
#include <QStringList>

// Command-line text split into words the way a POSIX shell splits a command
// line, without running anything: white space separates words; single quotes
// keep everything literally; double quotes keep everything but the
// backslash escapes of $, `, ", \ and a line break; a backslash outside
// quotes keeps the next character; quotes next to each other join into one
// word ('' is an empty word). Nothing is expanded, so what a shell would
// treat specially (operators, $ and ` expansions, a # comment) is refused
// unless it is quoted, rather than passed on with another meaning.
namespace ShellWords {

Checked<QStringList> split(const QString &text);

// The words as text that split() reads back into the same words: plain
// words as they are, others in single quotes.
QString join(const QStringList &words);

} // namespace ShellWords
