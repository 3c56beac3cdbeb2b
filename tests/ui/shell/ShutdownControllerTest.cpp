#include "ui/UiTestApp.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class ShutdownSignalTest : public ::testing::TestWithParam<int>
{
protected:
    UiTestApp app;
};

TEST_P(ShutdownSignalTest, ATerminationSignalStopsEveryJobAndQuits)
{
    app.holdQueue();
    app.coordinator->addURLs(QStringLiteral("https://a.example/1\nhttps://a.example/2"));
    app.shutdown->stopOnTerminationSignals();
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);

    std::raise(GetParam());
    ASSERT_TRUE(TestSupport::waitUntil([&] { return quit.count() == 1; }));
    for (const auto &job : app.coordinator->queue().jobs())
        EXPECT_EQ(job->status(), DownloadStatus::cancelled);
}

INSTANTIATE_TEST_SUITE_P(Signals, ShutdownSignalTest, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

TEST(ShutdownSignals, ThePreviousHandlerReturnsWithTheController)
{
    struct sigaction before = {};
    ::sigaction(SIGTERM, nullptr, &before);
    {
        UiTestApp app;
        app.shutdown->stopOnTerminationSignals();
        struct sigaction during = {};
        ::sigaction(SIGTERM, nullptr, &during);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after = {};
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
