#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One usable link of a batch, with the line it came from (counting from 1).
struct ParsedBatchURL
{
    QString url;
    int line = 0;

    bool operator==(const ParsedBatchURL &) const = default;
};

struct InvalidBatchLine
{
    int line = 0;
    QString url;

    bool operator==(const InvalidBatchLine &) const = default;
};

struct BatchParseResult
{
    QList<ParsedBatchURL> valid;      // first occurrence of each usable link, in line order
    QList<ParsedBatchURL> duplicates; // later occurrences, ignoring letter case
    QList<InvalidBatchLine> invalid;  // non-blank, non-comment lines that are no http(s) link

    // What gets queued: the links of `valid`, in order.
    QStringList uniqueValidURLs() const;
};

namespace BatchURLParser {

// Every newline character splits (a CR LF pair leaves an empty line between
// them, which is counted); blank lines and lines starting with "#" are skipped.
BatchParseResult parse(const QString &text);

// True for an absolute http or https link with a host.
bool isUsableLink(const QString &trimmed);

} // namespace BatchURLParser
