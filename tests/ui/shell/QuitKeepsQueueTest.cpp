// Quitting while downloads run or wait: keep them for next time (the default)
// or stop and forget them; either way no tool process outlives the quit.
#include "support/CoordinatorFixture.h"
#include "ui/UiTestApp.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <csignal>

using namespace TestSupport;

namespace {

class QuitKeepsQueueTest : public ::testing::Test
{
protected:
    QuitKeepsQueueTest()
        : m_marker(QStringLiteral("tarvelle-quit-%1").arg(QCoreApplication::applicationPid())),
          m_tools("sh -c 'sleep 60' " + m_marker.toUtf8() + " & wait"), app(m_tools.resourcesDirectory())
    {
    }

    void SetUp() override
    {
        app.keepQueue();
        ASSERT_TRUE(app.waitRestored());
        // One download running, one waiting.
        app.coordinator->queue().setMaxConcurrent(1);
        app.coordinator->addURLs(QStringLiteral("https://media.test/running\nhttps://media.test/waiting"));
        ASSERT_TRUE(waitUntil([&] { return !processesMatching(m_marker).isEmpty(); }));
        // Running (analysing, as yt-dlp has described nothing yet).
        ASSERT_TRUE(job(0)->isActive()) << DownloadStatuses::rawValue(job(0)->status()).toStdString();
        ASSERT_EQ(job(1)->status(), DownloadStatus::queued);
        // Everything the queue holds is on disk before the question is asked.
        app.queuePersistence->flush();
        QSignalSpy saved(app.queuePersistence.get(), &QueuePersistence::saved);
        ASSERT_TRUE(waitUntil([&] { return saved.count() > 0; }));
    }

    DownloadJobPtr job(int index) const { return app.coordinator->queue().jobs().value(index); }

    QMessageBox *askToQuit()
    {
        app.shutdown->requestQuit(&m_window);
        return m_window.findChild<QMessageBox *>(QStringLiteral("quitConfirmation"));
    }

    // The application ends: its objects go, the coordinator last.
    void end()
    {
        app.state.reset();
        app.shutdown.reset();
        app.queuePersistence.reset();
        app.coordinator.reset();
    }

    QStringList urls() const
    {
        QStringList result;
        for (const DownloadJobPtr &j : app.coordinator->queue().jobs())
            result.append(j->url());
        return result;
    }

    QString m_marker;
    FakeTools m_tools;
    UiTestApp app;
    QWidget m_window;
};

TEST_F(QuitKeepsQueueTest, KeepForNextTimeIsTheDefaultAndTheNextStartContinues)
{
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);
    QMessageBox *question = askToQuit();
    ASSERT_NE(question, nullptr);
    auto *keep = question->findChild<QPushButton *>(QStringLiteral("quitKeepButton"));
    ASSERT_NE(keep, nullptr);
    EXPECT_EQ(question->defaultButton(), keep);
    ASSERT_NE(question->findChild<QPushButton *>(QStringLiteral("quitConfirmButton")), nullptr);
    ASSERT_NE(question->findChild<QPushButton *>(QStringLiteral("quitCancelButton")), nullptr);

    keep->click();
    EXPECT_EQ(quit.count(), 1) << "keeping quits at once";
    // Nothing was cancelled: no run ended, none is recorded.
    EXPECT_TRUE(job(0)->isActive()) << DownloadStatuses::rawValue(job(0)->status()).toStdString();
    EXPECT_TRUE(app.history->all().isEmpty());

    end();
    EXPECT_TRUE(waitUntil([&] { return processesMatching(m_marker).isEmpty(); }, 5s)) << "a tool outlived the quit";

    app.relaunch();
    app.holdQueue();
    ASSERT_TRUE(app.waitRestored());
    EXPECT_EQ(urls(), (QStringList{"https://media.test/running", "https://media.test/waiting"}));
    EXPECT_EQ(job(0)->status(), DownloadStatus::queued);
    EXPECT_EQ(job(1)->status(), DownloadStatus::queued);
    EXPECT_TRUE(app.history->all().isEmpty());
}

TEST_F(QuitKeepsQueueTest, StopAndForgetCancelsEverythingAndTheNextStartHasNothing)
{
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);
    QMessageBox *question = askToQuit();
    ASSERT_NE(question, nullptr);
    const DownloadJobPtr running = job(0);
    question->findChild<QPushButton *>(QStringLiteral("quitConfirmButton"))->click();
    ASSERT_TRUE(waitUntil([&] { return quit.count() == 1; }));
    EXPECT_EQ(running->status(), DownloadStatus::cancelled);
    EXPECT_TRUE(app.coordinator->queue().jobs().isEmpty()) << "forgotten jobs leave the list";
    EXPECT_TRUE(processesMatching(m_marker).isEmpty());
    ASSERT_EQ(app.history->all().size(), 1);
    EXPECT_EQ(app.history->all().first().finalStatusRaw, "cancelled");

    end();
    app.relaunch();
    ASSERT_TRUE(app.waitRestored());
    EXPECT_TRUE(app.coordinator->queue().jobs().isEmpty());
    EXPECT_TRUE(app.queuePersistence->restoredJobIds().isEmpty());
}

TEST_F(QuitKeepsQueueTest, CancellingTheQuestionChangesNothing)
{
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);
    askToQuit()->findChild<QPushButton *>(QStringLiteral("quitCancelButton"))->click();
    EXPECT_EQ(quit.count(), 0);
    EXPECT_TRUE(job(0)->isActive()) << DownloadStatuses::rawValue(job(0)->status()).toStdString();
    EXPECT_FALSE(processesMatching(m_marker).isEmpty());
    app.coordinator->cancelAll();
}

TEST_F(QuitKeepsQueueTest, ATerminationSignalKeepsTheQueue)
{
    app.shutdown->stopOnTerminationSignals();
    QSignalSpy quit(app.shutdown.get(), &ShutdownController::quitApproved);
    std::raise(SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return quit.count() == 1; }));
    EXPECT_TRUE(job(0)->isActive()) << DownloadStatuses::rawValue(job(0)->status()).toStdString();
    EXPECT_EQ(job(1)->status(), DownloadStatus::queued);

    end();
    EXPECT_TRUE(waitUntil([&] { return processesMatching(m_marker).isEmpty(); }, 5s));
    app.relaunch();
    app.holdQueue();
    ASSERT_TRUE(app.waitRestored());
    EXPECT_EQ(urls(), (QStringList{"https://media.test/running", "https://media.test/waiting"}));
}

TEST_F(QuitKeepsQueueTest, AQueueThatIsNotKeptIsOnlyOfferedToStop)
{
    end();
    // Another window keeps this data folder's queue.
    DownloadQueue otherQueue;
    otherQueue.setMaxConcurrent(0);
    QueuePersistence otherWindow(otherQueue, app.persistence->databasePath());
    app.relaunch();
    ASSERT_TRUE(app.waitRestored());
    ASSERT_EQ(app.queuePersistence->notKeptReason(), QueuePersistence::NotKeptReason::otherWindow);
    app.holdQueue();
    app.coordinator->addURLs(QStringLiteral("https://media.test/waiting"));

    QMessageBox *question = askToQuit();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->findChild<QPushButton *>(QStringLiteral("quitKeepButton")), nullptr);
    ASSERT_NE(question->findChild<QPushButton *>(QStringLiteral("quitConfirmButton")), nullptr);
    question->findChild<QPushButton *>(QStringLiteral("quitCancelButton"))->click();
}

} // namespace
