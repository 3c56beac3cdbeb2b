#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// yt-dlp's command-line grammar: every option of the yt-dlp versions
// Tarvelle runs (Debian 12's 2023.03.04 and current releases), with its
// spellings and how many values follow it. Enough to read an argument list
// the way yt-dlp's parser will: which option each word is, which words are
// its values, and which would be taken for links.
namespace YtDlpOptions {

struct Option
{
    QStringList names; // short spellings ("-r") first, then long ones ("--limit-rate")
    int arity = 0;     // values that follow it

    // The first long spelling, the one messages name.
    QString name() const;
};

// How yt-dlp reads a long spelling ("--limit-rate", without "=value").
struct LongMatch
{
    // The option meant: an exact spelling, or an abbreviation that stands for
    // one option only (yt-dlp accepts those). Null otherwise.
    const Option *option = nullptr;
    // For an ambiguous abbreviation: the options it could mean.
    QList<const Option *> candidates;
};

LongMatch matchLong(QStringView spelling);

// The option of a one-letter spelling ('r' for -r), or null.
const Option *findShort(QChar letter);

// Every option, for tests that compare the table with a real yt-dlp.
const QList<Option> &all();

} // namespace YtDlpOptions
