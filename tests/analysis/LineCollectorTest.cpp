#include "analysis/LineCollector.h"

#include <gtest/gtest.h>

#include <thread>

TEST(LineCollector, EachStreamKeepsItsLinesInOrderEachFollowedByALineFeed)
{
    LineCollector collector;
    collector.add("{", false);
    collector.add("WARNING: a", true);
    collector.add("", false);
    collector.add("}", false);
    EXPECT_EQ(collector.out(), QStringLiteral("{\n\n}\n"));
    EXPECT_EQ(collector.err(), QStringLiteral("WARNING: a\n"));
}

TEST(LineCollector, BothStreamsMayAppendAtOnce)
{
    LineCollector collector;
    constexpr int kLines = 20000;
    auto writer = [&](bool isErr) {
        for (int i = 0; i < kLines; ++i)
            collector.add(QString::number(i), isErr);
    };
    std::thread out(writer, false);
    std::thread err(writer, true);
    out.join();
    err.join();
    QString expected;
    for (int i = 0; i < kLines; ++i)
        expected += QString::number(i) + QLatin1Char('\n');
    EXPECT_EQ(collector.out(), expected);
    EXPECT_EQ(collector.err(), expected);
}
