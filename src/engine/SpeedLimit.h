#pragma once

#include "engine/OptionCheck.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// The most a download may fetch per second (yt-dlp's --limit-rate), a whole
// number of kibibytes or mebibytes per second. No value means no limit.
struct SpeedLimit
{
    enum class Unit { kibibytes, mebibytes };

    static constexpr qint64 kMaxAmount = 9'999'999;

    qint64 amount = 0; // 1 to kMaxAmount
    Unit unit = Unit::kibibytes;

    bool operator==(const SpeedLimit &) const = default;

    // yt-dlp's form, also the stored one: "500K", "2M".
    QString text() const;

    // "500K", "2M", "1.5M", "800 KB/s", "2 MiB/s" (case does not matter). A
    // fraction is turned into whole kibibytes ("1.5M" is 1536K); no unit,
    // zero, or more than kMaxAmount is refused.
    static Checked<SpeedLimit> parse(const QString &text);
    // An amount typed beside a chosen unit.
    static Checked<SpeedLimit> make(qint64 amount, Unit unit);

    // "KB/s", "MB/s": the unit names the byte formatter uses for the same steps.
    static QString unitText(Unit unit);
    static const QList<Unit> &units();
};
