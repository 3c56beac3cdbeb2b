#include "analysis/LineCollector.h"

#include <gtest/gtest.h>

#include <thread>

TEST(LineCollector, KeepsTheLinesInOrderEachFollowedByALineFeed)
{
    LineCollector collector;
    collector.add("WARNING: a");
    collector.add("");
    collector.add("ERROR: b");
    EXPECT_EQ(collector.text(), QStringLiteral("WARNING: a\n\nERROR: b\n"));
}

TEST(LineCollector, LinesMayArriveWhileTheTextIsRead)
{
    LineCollector collector;
    constexpr int kLines = 20000;
    std::thread writer([&] {
        for (int i = 0; i < kLines; ++i)
            collector.add(QString::number(i));
    });
    for (int i = 0; i < 100; ++i) {
        const QString seen = collector.text();
        EXPECT_TRUE(seen.isEmpty() || seen.endsWith(QLatin1Char('\n'))) << "an append is never seen halfway";
    }
    writer.join();
    QString expected;
    for (int i = 0; i < kLines; ++i)
        expected += QString::number(i) + QLatin1Char('\n');
    EXPECT_EQ(collector.text(), expected);
}
