#pragma once

#include "engine/OptionCheck.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// The part of a medium to download (yt-dlp's --download-sections), in whole
// seconds from the start; without an end it runs to the end of the medium.
struct TimeRange
{
    qint64 start = 0;
    std::optional<qint64> end;

    bool operator==(const TimeRange &) const = default;

    // The --download-sections value: "*90-165", "*90-inf".
    QString argument() const;
    // "1:30-2:45", "1:30-": what parse() reads back.
    QString text() const;

    // "START-END" with times as mm:ss or hh:mm:ss; either side may be left
    // out (from the start, to the end), not both.
    static Checked<TimeRange> parse(const QString &text);
    // A start and an end typed in fields of their own, either may be empty.
    // With the medium's duration known, a range beyond it is refused too.
    static Checked<TimeRange> make(const QString &start, const QString &end,
                                   std::optional<double> duration = std::nullopt);

    // "1:30", "1:02:03".
    static QString clockText(qint64 seconds);
    // Seconds of "m:ss" or "h:mm:ss" (minutes and seconds below 60 after the
    // first field); nothing for any other text.
    static std::optional<qint64> parseClock(const QString &text);
};
