#include "tools/ToolAge.h"

#include <gtest/gtest.h>

TEST(ToolAge, YtDlpVersionsNameTheirReleaseDate)
{
    struct Case
    {
        const char *tool;
        const char *version;
        std::optional<QDate> date;
    };
    const Case cases[] = {
        {"yt-dlp", "2023.03.04", QDate(2023, 3, 4)},
        {"yt-dlp", "2026.08.19.232807", QDate(2026, 8, 19)},
        {"yt-dlp", " 2026.08.19\n", QDate(2026, 8, 19)},
        {"yt-dlp", "2026.02.30", std::nullopt},
        {"yt-dlp", "2026.8.19", std::nullopt},
        {"yt-dlp", "", std::nullopt},
        {"yt-dlp", "yt-dlp 2026.08.19", std::nullopt},
        {"deno", "2026.08.19", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ToolAge::releaseDate(c.tool, c.version), c.date) << c.tool << " " << c.version;
}

TEST(ToolAge, AgeInDaysAndTheNinetyDayWarning)
{
    const QDate today(2026, 12, 10);
    EXPECT_EQ(ToolAge::ageInDays(QDate(2023, 3, 4), today), 1377);
    EXPECT_EQ(ToolAge::ageInDays(today, today), 0);
    EXPECT_EQ(ToolAge::ageInDays(today.addDays(3), today), 0) << "a date ahead of the clock is no age";
    EXPECT_FALSE(ToolAge::isStale(90));
    EXPECT_TRUE(ToolAge::isStale(91));
}
