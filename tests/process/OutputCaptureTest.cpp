#include "process/OutputCapture.h"

#include <QList>

#include <gtest/gtest.h>

#include <thread>

TEST(OutputCapture, KeepsEveryByteUpToItsLimit)
{
    struct Case
    {
        const char *name;
        QList<QByteArray> chunks;
        qsizetype limit;
        QByteArray kept;
        bool exceeded;
    };
    const QList<Case> cases = {
        {"chunks joined as they came", {"{\"a\": ", "1}\n", ""}, 64, "{\"a\": 1}\n", false},
        {"exactly the limit", {"12345", "678"}, 8, "12345678", false},
        {"one byte beyond drops everything", {"12345", "6789"}, 8, "", true},
        {"nothing kept after exceeding", {"123456789", "1"}, 8, "", true},
        {"nothing at all", {}, 8, "", false},
    };
    for (const Case &c : cases) {
        int calls = 0;
        OutputCapture capture(c.limit, [&calls] { ++calls; });
        for (const QByteArray &chunk : c.chunks)
            capture.append(chunk.constData(), chunk.size());
        capture.finish();
        EXPECT_EQ(capture.exceeded(), c.exceeded) << c.name;
        EXPECT_EQ(calls, c.exceeded ? 1 : 0) << c.name << ": told once";
        EXPECT_EQ(capture.take(), c.kept) << c.name;
    }
}

TEST(OutputCapture, TakeHandsOverWhatIsKeptAndStartsAfresh)
{
    OutputCapture capture(16);
    capture.append("abc", 3);
    EXPECT_EQ(capture.take(), "abc");
    capture.append("de", 2);
    EXPECT_EQ(capture.take(), "de");
}

TEST(OutputCapture, AnotherThreadMayTakeWhileBytesArrive)
{
    constexpr int kChunks = 20000;
    OutputCapture capture(kChunks * 4);
    QByteArray taken;
    std::thread writer([&] {
        for (int i = 0; i < kChunks; ++i)
            capture.append("abcd", 4);
    });
    for (int i = 0; i < 100; ++i)
        taken += capture.take();
    writer.join();
    taken += capture.take();
    EXPECT_EQ(taken, QByteArray("abcd").repeated(kChunks));
}
