#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/QueueEntry.h"
#include "engine/QueuePersistence.h"
#include "history/PersistenceController.h"
#include "history/QueueStore.h"
#include "support/FileModes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace TestSupport;

namespace {

DownloadJobPtr makeJob(const QString &url, MediaKind kind = MediaKind::video)
{
    return DownloadJob::create(url, kind, VideoQuality::p720, AudioFormat::m4a, SubtitleMode::original,
                               QStringLiteral("en"));
}

// The rows on disk as another connection reads them.
QList<QueueEntry> entriesOnDisk(const QString &databasePath)
{
    const std::unique_ptr<QueueStore> store = QueueStore::open(databasePath);
    if (!store)
        return {};
    QList<QueueEntry> entries;
    for (const QueuedJobRow &row : store->load().value_or(QList<QueuedJobRow>())) {
        if (const std::optional<QueueEntry> entry = QueueEntry::fromRow(row))
            entries.append(*entry);
    }
    return entries;
}

QStringList urlsOnDisk(const QString &databasePath)
{
    QStringList urls;
    for (const QueueEntry &entry : entriesOnDisk(databasePath))
        urls.append(entry.url);
    return urls;
}

QStringList urlsOf(const QList<DownloadJobPtr> &jobs)
{
    QStringList urls;
    for (const DownloadJobPtr &job : jobs)
        urls.append(job->url());
    return urls;
}

qint64 count(const QString &databasePath, const QString &table)
{
    const QString connection = QStringLiteral("queue-test-count");
    qint64 rows = -1;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(databasePath);
        if (database.open()) {
            QSqlQuery query(database);
            if (query.exec(QStringLiteral("SELECT count(*) FROM ") + table) && query.next())
                rows = query.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

// Another connection holding the database's write lock while it lives.
class WriteLock
{
public:
    explicit WriteLock(const QString &databasePath)
    {
        m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("queue-test-lock"));
        m_database.setDatabaseName(databasePath);
        m_locked = m_database.open() && QSqlQuery(m_database).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~WriteLock() { release(); }
    bool isLocked() const { return m_locked; }
    void release()
    {
        if (!m_database.isValid())
            return;
        QSqlQuery(m_database).exec(QStringLiteral("ROLLBACK"));
        m_database.close();
        m_database = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("queue-test-lock"));
    }

private:
    QSqlDatabase m_database;
    bool m_locked = false;
};

// One start of the application's engine side over a data folder: its
// history database, a queue that starts nothing, and the persistence.
class Session
{
public:
    explicit Session(const QString &databasePath)
        : persistence(databasePath), keeper(std::make_unique<QueuePersistence>(queue, persistence.databasePath()))
    {
        queue.setMaxConcurrent(0);
        QObject::connect(keeper.get(), &QueuePersistence::saved, [this] { ++saves; });
    }

    bool waitRestored() { return waitUntil([this] { return keeper->hasRestored(); }); }

    PersistenceController persistence;
    DownloadQueue queue;
    std::unique_ptr<QueuePersistence> keeper;
    int saves = 0;
};

class QueuePersistenceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString databasePath() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }

    QTemporaryDir m_dir;
};

TEST_F(QueuePersistenceTest, AThousandQueuedJobsComeBackInTheirOrder)
{
    QList<QUuid> ids;
    {
        Session first(databasePath());
        ASSERT_TRUE(first.waitRestored());
        EXPECT_TRUE(first.keeper->isKept());
        QList<DownloadJobPtr> jobs;
        for (int i = 0; i < 1000; ++i)
            jobs.append(makeJob(QStringLiteral("https://a.test/%1").arg(i), i % 3 ? MediaKind::video : MediaKind::audio));
        first.queue.append(jobs.mid(0, 600));
        // A batch, a single job and another batch keep one order.
        first.queue.add(jobs.at(600));
        first.queue.append(jobs.mid(601));
        for (const DownloadJobPtr &job : std::as_const(jobs))
            ids.append(job->id());
        ASSERT_TRUE(waitUntil([&] { return entriesOnDisk(databasePath()).size() == 1000; }));
    }

    Session second(databasePath());
    ASSERT_TRUE(second.waitRestored());
    ASSERT_EQ(second.queue.jobs().size(), 1000);
    EXPECT_EQ(second.keeper->restoredJobIds(), ids);
    for (int i = 0; i < 1000; ++i) {
        const DownloadJobPtr &job = second.queue.jobs().at(i);
        ASSERT_EQ(job->id(), ids.at(i)) << i;
        EXPECT_EQ(job->url(), QStringLiteral("https://a.test/%1").arg(i));
        EXPECT_EQ(job->mediaType(), i % 3 ? MediaKind::video : MediaKind::audio);
        EXPECT_EQ(job->status(), DownloadStatus::queued);
    }
    EXPECT_EQ(second.keeper->setAsideCount(), 0);
}

TEST_F(QueuePersistenceTest, WaitingAndRunningJobsWaitAgainAndKeptFailuresStayFailed)
{
    const QString folder = m_dir.filePath(QStringLiteral("out"));
    {
        Session first(databasePath());
        ASSERT_TRUE(first.waitRestored());
        const auto add = [&](const QString &name, DownloadStatus status) {
            DownloadJobPtr job = makeJob(QStringLiteral("https://a.test/") + name);
            first.queue.add(job);
            job->setStatus(status);
            return job;
        };
        add("waiting", DownloadStatus::queued);
        const DownloadJobPtr running = add("running", DownloadStatus::analyzing);
        running->setOutputDirectory(folder);
        running->noteDownloadTarget(folder + "/Clip [r].mp4");
        running->setStatus(DownloadStatus::downloading);
        add("merging", DownloadStatus::merging);
        const DownloadJobPtr failed = add("failed", DownloadStatus::queued);
        failed->appendLog(QStringLiteral("ERROR: gone"));
        failed->setErrorCategory(DownloadErrorCategory::unavailable);
        failed->setErrorSummary(QStringLiteral("This media is unavailable."));
        failed->setStatus(DownloadStatus::failed);
        add("completed", DownloadStatus::completed);
        add("cancelled", DownloadStatus::cancelled);
        // A failure the settings do not keep leaves the queue, and so the disk.
        first.queue.remove(add("failedNotKept", DownloadStatus::failed));
        first.queue.remove(add("removedWhileWaiting", DownloadStatus::queued));
        ASSERT_TRUE(waitUntil([&] {
            return urlsOnDisk(databasePath())
                   == QStringList{"https://a.test/waiting", "https://a.test/running", "https://a.test/merging",
                                  "https://a.test/failed"};
        })) << urlsOnDisk(databasePath()).join(' ').toStdString();
    }

    Session second(databasePath());
    ASSERT_TRUE(second.waitRestored());
    const QList<DownloadJobPtr> &jobs = second.queue.jobs();
    ASSERT_EQ(urlsOf(jobs), (QStringList{"https://a.test/waiting", "https://a.test/running", "https://a.test/merging",
                                         "https://a.test/failed"}));
    EXPECT_EQ(jobs[0]->status(), DownloadStatus::queued);
    EXPECT_EQ(jobs[1]->status(), DownloadStatus::queued);
    EXPECT_EQ(jobs[1]->outputDirectory(), folder) << "its partial files are there";
    EXPECT_EQ(jobs[1]->downloadTargets(), QStringList{folder + "/Clip [r].mp4"});
    EXPECT_EQ(jobs[2]->status(), DownloadStatus::queued);
    EXPECT_EQ(jobs[3]->status(), DownloadStatus::failed);
    EXPECT_EQ(jobs[3]->errorCategory(), DownloadErrorCategory::unavailable);
    EXPECT_EQ(jobs[3]->errorSummary(), "This media is unavailable.");
    EXPECT_EQ(jobs[3]->logLines(), QStringList{"ERROR: gone"});

    // Once started, restored jobs are kept like any other.
    second.queue.setMaxConcurrent(1);
    second.queue.pump();
    EXPECT_EQ(jobs[0]->status(), DownloadStatus::analyzing);
    jobs[0]->setStatus(DownloadStatus::completed);
    ASSERT_TRUE(waitUntil([&] { return urlsOnDisk(databasePath()).size() == 3; }));
}

TEST_F(QueuePersistenceTest, ProgressLinesNeverCauseAWrite)
{
    Session session(databasePath());
    ASSERT_TRUE(session.waitRestored());
    const DownloadJobPtr job = makeJob(QStringLiteral("https://a.test/1"));
    session.queue.add(job);
    job->setStatus(DownloadStatus::downloading);
    ASSERT_TRUE(waitUntil([&] { return session.saves > 0 && !entriesOnDisk(databasePath()).isEmpty(); }));
    ASSERT_EQ(entriesOnDisk(databasePath()).constFirst().status, DownloadStatus::downloading);
    const int saves = session.saves;

    for (int i = 1; i <= 5000; ++i) {
        const OutputLine line = readRunLine(
            QStringLiteral(R"(__KVJSON__{"status": "downloading", "downloaded_bytes": %1, "total_bytes": 5000,)"
                           R"( "filename": "/out/Clip [abc].mp4"})")
                .arg(i));
        DownloadCoordinator::handleLine(*job, line.text, line.event);
    }
    ASSERT_EQ(job->downloadedBytes(), 5000);
    waitUntil([] { return false; }, QueuePersistence::kBatchDelay * 4);
    EXPECT_EQ(session.saves, saves) << "a progress line was written";

    // The counter does count: the next change of status is one write.
    job->setStatus(DownloadStatus::merging);
    ASSERT_TRUE(waitUntil([&] { return session.saves == saves + 1; }));
    waitUntil([] { return false; }, QueuePersistence::kBatchDelay * 2);
    EXPECT_EQ(session.saves, saves + 1);
    EXPECT_EQ(entriesOnDisk(databasePath()).constFirst().downloadTargets, QStringList{"/out/Clip [abc].mp4"});
}

TEST_F(QueuePersistenceTest, RowsThatAreNoJobAreSetAsideAndReportedOnce)
{
    {
        Session first(databasePath());
        ASSERT_TRUE(first.waitRestored());
        first.queue.append({makeJob(QStringLiteral("https://a.test/1")), makeJob(QStringLiteral("https://a.test/2"))});
        ASSERT_TRUE(waitUntil([&] { return entriesOnDisk(databasePath()).size() == 2; }));
    }
    {
        // Two rows that went bad, one between the good ones.
        const std::unique_ptr<QueueStore> store = QueueStore::open(databasePath());
        ASSERT_TRUE(store);
        const qint64 middle = store->load()->at(0).position;
        ASSERT_TRUE(store->write({QueuedJobRow{0, QStringLiteral("not-an-id"), middle, R"({"url": "https://a.test/x"})"},
                                  QueuedJobRow{0, QUuid::createUuid().toString(), middle + 1000, "{\"url\": \"https://a"}},
                                 {}));
    }

    {
        Session second(databasePath());
        ASSERT_TRUE(second.waitRestored());
        EXPECT_EQ(urlsOf(second.queue.jobs()), (QStringList{"https://a.test/1", "https://a.test/2"}));
        EXPECT_EQ(second.keeper->restoredJobIds().size(), 2);
        EXPECT_EQ(second.keeper->setAsideCount(), 2);
        EXPECT_TRUE(second.keeper->isKept());
    }
    EXPECT_EQ(count(databasePath(), QStringLiteral("queue")), 2);
    EXPECT_EQ(count(databasePath(), QStringLiteral("queue_set_aside")), 2);

    Session third(databasePath());
    ASSERT_TRUE(third.waitRestored());
    EXPECT_EQ(third.keeper->setAsideCount(), 0) << "reported again";
    EXPECT_EQ(urlsOf(third.queue.jobs()), (QStringList{"https://a.test/1", "https://a.test/2"}));
}

TEST_F(QueuePersistenceTest, ADatabaseLockedAtTheStartLeavesTheQueueInMemory)
{
    {
        Session made(databasePath());
        ASSERT_TRUE(made.waitRestored());
        made.queue.add(makeJob(QStringLiteral("https://a.test/0")));
        ASSERT_TRUE(waitUntil([&] { return urlsOnDisk(databasePath()) == QStringList{"https://a.test/0"}; }));
    }
    WriteLock lock(databasePath());
    ASSERT_TRUE(lock.isLocked());

    {
        Session session(databasePath());
        EXPECT_FALSE(session.persistence.isPersistent());
        ASSERT_TRUE(session.waitRestored());
        EXPECT_FALSE(session.keeper->isKept());
        EXPECT_EQ(session.keeper->notKeptReason(), QueuePersistence::NotKeptReason::unavailable);
        // The queue works all the same.
        session.queue.setMaxConcurrent(1);
        session.queue.append(
            {makeJob(QStringLiteral("https://a.test/1")), makeJob(QStringLiteral("https://a.test/2"))});
        session.queue.pump();
        EXPECT_EQ(session.queue.jobs()[0]->status(), DownloadStatus::analyzing);
        EXPECT_EQ(session.queue.jobs()[1]->status(), DownloadStatus::queued);
        // With the database free again, the session's end (which hands over
        // and waits for any last write) would put its jobs there if it kept them.
        lock.release();
    }
    EXPECT_EQ(urlsOnDisk(databasePath()).join(' ').toStdString(), "https://a.test/0");
}

TEST_F(QueuePersistenceTest, AWriteRefusedByALockIsTriedAgainUntilItGoesThrough)
{
    Session session(databasePath());
    ASSERT_TRUE(session.waitRestored());
    session.queue.add(makeJob(QStringLiteral("https://a.test/1")));
    ASSERT_TRUE(waitUntil([&] { return entriesOnDisk(databasePath()).size() == 1; }));

    auto lock = std::make_unique<WriteLock>(databasePath());
    ASSERT_TRUE(lock->isLocked());
    session.queue.add(makeJob(QStringLiteral("https://a.test/2")));
    ASSERT_TRUE(waitUntil([&] { return session.keeper->notKeptReason() == QueuePersistence::NotKeptReason::writeFailing; }));
    EXPECT_FALSE(session.keeper->isKept());

    lock.reset();
    ASSERT_TRUE(waitUntil([&] { return session.keeper->isKept(); }));
    EXPECT_EQ(urlsOnDisk(databasePath()), (QStringList{"https://a.test/1", "https://a.test/2"}));
}

TEST_F(QueuePersistenceTest, AReadOnlyDataFolderLeavesTheQueueInMemory)
{
    { Session made(databasePath()); }
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QString usablePath = QStringLiteral("unset");
    FileModes::runEnforced([&] {
        PersistenceController persistence(databasePath());
        usablePath = persistence.databasePath();
    });
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(usablePath, QString());

    DownloadQueue queue;
    QueuePersistence keeper(queue, usablePath);
    EXPECT_TRUE(keeper.hasRestored());
    EXPECT_FALSE(keeper.isKept());
    EXPECT_EQ(keeper.notKeptReason(), QueuePersistence::NotKeptReason::unavailable);
    queue.setMaxConcurrent(1);
    queue.add(makeJob(QStringLiteral("https://a.test/1")));
    EXPECT_EQ(queue.jobs()[0]->status(), DownloadStatus::analyzing);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("queue.lock"))));
}

TEST_F(QueuePersistenceTest, OneWindowKeepsTheQueueOfADataFolder)
{
    Session first(databasePath());
    ASSERT_TRUE(first.waitRestored());
    first.queue.add(makeJob(QStringLiteral("https://a.test/first")));
    ASSERT_TRUE(waitUntil([&] { return entriesOnDisk(databasePath()).size() == 1; }));

    {
        Session second(databasePath());
        ASSERT_TRUE(second.waitRestored());
        EXPECT_EQ(second.keeper->notKeptReason(), QueuePersistence::NotKeptReason::otherWindow);
        EXPECT_TRUE(second.queue.jobs().isEmpty()) << "the first window runs those";
        second.queue.add(makeJob(QStringLiteral("https://a.test/second")));
        waitUntil([] { return false; }, QueuePersistence::kBatchDelay * 2);
    }
    first.queue.add(makeJob(QStringLiteral("https://a.test/third")));
    ASSERT_TRUE(waitUntil([&] { return entriesOnDisk(databasePath()).size() == 2; }));
    EXPECT_EQ(urlsOnDisk(databasePath()), (QStringList{"https://a.test/first", "https://a.test/third"}));
}

TEST_F(QueuePersistenceTest, KeptAsItIsTheQueueIgnoresWhatHappensToItsJobsAfterwards)
{
    {
        Session first(databasePath());
        ASSERT_TRUE(first.waitRestored());
        const DownloadJobPtr running = makeJob(QStringLiteral("https://a.test/running"));
        const DownloadJobPtr waiting = makeJob(QStringLiteral("https://a.test/waiting"));
        first.queue.append({running, waiting});
        running->setStatus(DownloadStatus::downloading);
        first.keeper->keepAsItIs();
        // Quitting stops the processes; the application goes on to end.
        running->setStatus(DownloadStatus::cancelled);
        waiting->setStatus(DownloadStatus::cancelled);
        first.queue.remove(waiting);
        first.queue.add(makeJob(QStringLiteral("https://a.test/late")));
    }
    const QList<QueueEntry> entries = entriesOnDisk(databasePath());
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].url, "https://a.test/running");
    EXPECT_EQ(entries[0].status, DownloadStatus::downloading);
    EXPECT_EQ(entries[1].url, "https://a.test/waiting");
}

} // namespace
