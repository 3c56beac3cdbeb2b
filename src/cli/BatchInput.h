#pragma once

#include "batch/BatchURLParser.h"

#include <QByteArray>
#include <QString>

#include <variant>

// A batch of links from a file or standard input, sorted by the batch parser.
namespace BatchInput {

// Decodes strict UTF-8 (a leading byte order mark is dropped) and parses;
// a translated error when the bytes are not UTF-8.
std::variant<BatchParseResult, QString> parse(const QByteArray &bytes);

// Reads `source` ("-" is standard input, anything else a file read as
// BatchFile reads it), then parse(); a translated error when it cannot be
// read or is not UTF-8.
std::variant<BatchParseResult, QString> read(const QString &source);

// One line on stderr per invalid and per duplicate line, with its number.
QString problems(const BatchParseResult &result);

} // namespace BatchInput
