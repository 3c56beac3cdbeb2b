// What the Downloads screen says about the kept queue, and "Remove" of a job
// that left partial files.
#include "engine/QueueEntry.h"
#include "history/QueueStore.h"
#include "ui/UiTestApp.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace TestSupport;

namespace {

class QueueNoticeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.state->setLegalAccepted(true);
        app.keepQueue();
        app.holdQueue();
        ASSERT_TRUE(app.waitRestored());
    }

    // The screen as the window makes it, afresh each time.
    void showScreen()
    {
        view = std::make_unique<DownloadsView>(*app.state, app.thumbnails);
        view->resize(1000, 700);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        return view->findChild<T *>(QLatin1String(name));
    }

    bool shown(const char *name) const { return find(name) && find(name)->isVisible(); }

    // The next start, with the queue this one kept.
    void relaunch()
    {
        view.reset();
        app.relaunch();
        app.holdQueue();
        ASSERT_TRUE(app.waitRestored());
    }

    QList<DownloadJobPtr> jobs() const { return app.coordinator->queue().jobs(); }

    UiTestApp app;
    std::unique_ptr<DownloadsView> view;
};

TEST_F(QueueNoticeTest, SaysHowManyCameBackUntilDismissed)
{
    showScreen();
    EXPECT_FALSE(shown("queueNoticeBar")) << "nothing to say on a first start";

    app.coordinator->addURLs(QStringLiteral("https://a.example/1\nhttps://a.example/2\nhttps://a.example/3"));
    relaunch();
    showScreen();
    ASSERT_TRUE(shown("queueNoticeBar"));
    EXPECT_EQ(find<QLabel>("queueRestoredNotice")->text(), "Restored 3 download(s) from the last session.");
    EXPECT_TRUE(shown("clearRestoredButton"));
    EXPECT_FALSE(shown("queueNotKeptNotice"));

    find<QPushButton>("dismissQueueNoticeButton")->click();
    EXPECT_FALSE(shown("queueNoticeBar"));
    EXPECT_EQ(jobs().size(), 3) << "dismissing keeps the jobs";
    // Made afresh, the screen does not say it again.
    showScreen();
    EXPECT_FALSE(shown("queueNoticeBar"));
}

TEST_F(QueueNoticeTest, ClearThemTakesOutEveryRestoredJobAndNothingElse)
{
    app.coordinator->addURLs(QStringLiteral("https://a.example/1\nhttps://a.example/2"));
    relaunch();
    app.coordinator->queue().setMaxConcurrent(1);
    app.coordinator->queue().pump();
    ASSERT_EQ(jobs().at(0)->status(), DownloadStatus::analyzing);
    app.coordinator->addURLs(QStringLiteral("https://a.example/new"));
    showScreen();

    find<QPushButton>("clearRestoredButton")->click();
    // A restored job that started leaves once its process is gone.
    ASSERT_TRUE(TestSupport::waitUntil([&] { return jobs().size() == 1; }));
    EXPECT_EQ(jobs().first()->url(), "https://a.example/new");
    EXPECT_FALSE(shown("queueNoticeBar"));

    relaunch();
    EXPECT_EQ(app.queuePersistence->restoredJobIds().size(), 1) << "the cleared ones are gone for good";
    EXPECT_EQ(jobs().first()->url(), "https://a.example/new");
}

TEST_F(QueueNoticeTest, TellsOfRowsSetAside)
{
    app.coordinator->addURLs(QStringLiteral("https://a.example/1"));
    view.reset();
    app.relaunch();
    app.queuePersistence.reset();
    {
        const auto store = QueueStore::open(app.persistence->databasePath());
        ASSERT_TRUE(store);
        ASSERT_TRUE(store->write({QueuedJobRow{0, QStringLiteral("broken"), 99, QByteArray("{")}}, {}));
    }
    app.relaunch();
    app.holdQueue();
    ASSERT_TRUE(app.waitRestored());
    showScreen();
    EXPECT_EQ(find<QLabel>("queueRestoredNotice")->text(),
              "Restored 1 download(s) from the last session. 1 saved download(s) could not be read and were set aside.");
}

TEST_F(QueueNoticeTest, SaysWhenTheQueueWillNotBeKept)
{
    view.reset();
    app.state.reset();
    app.shutdown.reset();
    app.queuePersistence.reset();
    // The data folder's queue is another window's.
    DownloadQueue otherQueue;
    otherQueue.setMaxConcurrent(0);
    QueuePersistence otherWindow(otherQueue, app.persistence->databasePath());
    app.relaunch();
    ASSERT_TRUE(app.waitRestored());
    showScreen();
    ASSERT_TRUE(shown("queueNotKeptNotice"));
    EXPECT_EQ(find<QLabel>("queueNotKeptNotice")->text(),
              "Another Tarvelle window keeps the download queue, so the downloads in this window won't be kept "
              "after it quits.");
    EXPECT_FALSE(shown("queueRestoredNotice"));
}

TEST_F(QueueNoticeTest, AHistoryInMemoryMeansTheQueueIsNotKept)
{
    DownloadQueue queue;
    QueuePersistence inMemory(queue, QString());
    app.state->setQueuePersistence(&inMemory);
    showScreen();
    ASSERT_TRUE(shown("queueNotKeptNotice"));
    EXPECT_EQ(find<QLabel>("queueNotKeptNotice")->text(),
              "The download queue can't be saved (the data folder is read-only or its database is in use), so "
              "these downloads won't be kept after Tarvelle quits.");
    view.reset();
}

// "Remove" on a failed job's row, through the list as the user presses it.
class RemovePartialFilesTest : public QueueNoticeTest
{
protected:
    void SetUp() override
    {
        QueueNoticeTest::SetUp();
        out = QDir(app.outputDir());
        app.coordinator->addURLs(QStringLiteral("https://a.example/1"));
        failed = jobs().first();
        failed->setOutputDirectory(out.path());
        failed->noteDownloadTarget(out.filePath("Clip [abc].f1.mp4"));
        failed->setStatus(DownloadStatus::failed);
        for (const char *name : {"Clip [abc].f1.mp4.part", "Clip [abc].f1.mp4.ytdl", "Clip [abc].mp4", "mine.txt"})
            write(name);
        showScreen();
    }

    void write(const char *name) const
    {
        QFile file(out.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("partial");
    }

    QMessageBox *pressRemove()
    {
        auto *list = find<JobListView>("jobList");
        list->jobModel()->flushChanges();
        const QModelIndex row = list->model()->index(0, 0);
        const auto targets = list->rowTargets(row);
        for (int i = 0; i < targets.size(); ++i) {
            if (targets.at(i).first == QStringLiteral("Remove")) {
                list->triggerTarget(row, i);
                return view->findChild<QMessageBox *>(QStringLiteral("removeJobQuestion"));
            }
        }
        ADD_FAILURE() << "the row offers no Remove";
        return nullptr;
    }

    QStringList files() const { return out.entryList(QDir::Files, QDir::Name); }

    QDir out;
    DownloadJobPtr failed;
};

TEST_F(RemovePartialFilesTest, DeletesThePartialFilesWhenAskedToAndNothingElse)
{
    QMessageBox *question = pressRemove();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), "This download left 2 partial file(s) (14.0 B) in " + out.path() + ".");
    EXPECT_EQ(question->defaultButton(), question->findChild<QPushButton *>(QStringLiteral("removeKeepFilesButton")));
    question->findChild<QPushButton *>(QStringLiteral("removeDeleteFilesButton"))->click();
    EXPECT_TRUE(jobs().isEmpty());
    EXPECT_EQ(files(), (QStringList{"Clip [abc].mp4", "mine.txt"}));
}

TEST_F(RemovePartialFilesTest, RemoveOnlyKeepsTheFilesAndCancelKeepsTheJob)
{
    QMessageBox *question = pressRemove();
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton *>(QStringLiteral("removeCancelButton"))->click();
    EXPECT_EQ(jobs().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    question = pressRemove();
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton *>(QStringLiteral("removeKeepFilesButton"))->click();
    EXPECT_TRUE(jobs().isEmpty());
    EXPECT_EQ(files().size(), 4);
}

TEST_F(RemovePartialFilesTest, AJobWithoutPartialFilesGoesAtOnce)
{
    QFile::remove(out.filePath("Clip [abc].f1.mp4.part"));
    QFile::remove(out.filePath("Clip [abc].f1.mp4.ytdl"));
    EXPECT_EQ(pressRemove(), nullptr);
    EXPECT_TRUE(jobs().isEmpty());
    EXPECT_EQ(files().size(), 2);
}

TEST_F(RemovePartialFilesTest, TheFilesOfAFailureKeptAcrossARestartAreFoundToo)
{
    ASSERT_TRUE(waitUntil([&] { return app.queuePersistence->isKept(); }));
    app.queuePersistence->flush();
    relaunch();
    showScreen();
    failed = jobs().first();
    ASSERT_EQ(failed->status(), DownloadStatus::failed);
    QMessageBox *question = pressRemove();
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton *>(QStringLiteral("removeDeleteFilesButton"))->click();
    EXPECT_EQ(files(), (QStringList{"Clip [abc].mp4", "mine.txt"}));
}

} // namespace
