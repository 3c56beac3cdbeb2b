#pragma once

#include <QString>

// Writing to the terminal or to whatever stdout and stderr are.
namespace Terminal {

// UTF-8, flushed at once, so lines appear in order with the other stream.
void out(const QString &text);
void err(const QString &text);

// Whether standard output is a terminal (redrawn progress) or not (plain lines).
bool stdoutIsTerminal();
// Columns of the terminal on standard output; 0 when unknown.
int stdoutColumns();

// Text from outside (titles, paths, messages of tools) with every control
// character removed (line breaks and tabs become spaces), so that it can
// neither move the cursor, change colours nor break a line.
QString plain(const QString &text);

} // namespace Terminal
