#include "engine/DownloadQueue.h"

#include <gtest/gtest.h>

namespace {

DownloadJobPtr makeJob(const QString &url)
{
    return DownloadJob::create(url, MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none,
                               QStringLiteral("en"));
}

// A queue of jobs named "1", "2", ... whose start handler records the order
// in which jobs were handed to it, as the coordinator's would start them.
class QueueScenario
{
public:
    explicit QueueScenario(int jobCount = 0)
    {
        queue.setStartHandler([this](const DownloadJobPtr &job) { started.append(job->url()); });
        QList<DownloadJobPtr> jobs;
        for (int i = 1; i <= jobCount; ++i)
            jobs.append(makeJob(QString::number(i)));
        queue.append(jobs);
    }

    DownloadJobPtr job(int number) const { return queue.jobs().at(number - 1); }

    // One letter per job in list order: q queued, A analyzing, D downloading,
    // M merging, c completed, x cancelled, f failed.
    QString statuses() const
    {
        QString letters;
        for (const DownloadJobPtr &job : queue.jobs())
            letters += letter(job->status());
        return letters;
    }

    QString startOrder() const { return started.join(u' '); }

    DownloadQueue queue;
    QStringList started;

private:
    static QChar letter(DownloadStatus status)
    {
        switch (status) {
        case DownloadStatus::queued: return u'q';
        case DownloadStatus::analyzing: return u'A';
        case DownloadStatus::downloading: return u'D';
        case DownloadStatus::merging: return u'M';
        case DownloadStatus::completed: return u'c';
        case DownloadStatus::cancelled: return u'x';
        case DownloadStatus::failed: return u'f';
        }
        return u'?';
    }
};

} // namespace

TEST(DownloadQueue, StartsWaitingJobsInListOrderWithinTheLimit)
{
    QueueScenario s(5);
    EXPECT_EQ(s.queue.maxConcurrent(), 2);
    EXPECT_EQ(s.statuses(), "qqqqq"); // appending starts nothing by itself

    s.queue.pump();
    EXPECT_EQ(s.statuses(), "AAqqq");
    EXPECT_EQ(s.startOrder(), "1 2");
    EXPECT_EQ(s.queue.activeCount(), 2);

    s.queue.pump(); // no free slot
    EXPECT_EQ(s.startOrder(), "1 2");

    s.job(1)->setStatus(DownloadStatus::downloading);
    s.job(2)->setStatus(DownloadStatus::merging);
    s.queue.pump(); // downloading and merging still hold their slots
    EXPECT_EQ(s.statuses(), "DMqqq");

    s.job(2)->setStatus(DownloadStatus::completed);
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "DcAqq");

    s.job(1)->setStatus(DownloadStatus::failed);
    s.job(3)->setStatus(DownloadStatus::cancelled);
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "fcxAA");
    EXPECT_EQ(s.startOrder(), "1 2 3 4 5");

    s.job(4)->setStatus(DownloadStatus::completed);
    s.job(5)->setStatus(DownloadStatus::completed);
    s.queue.pump(); // every job terminal
    EXPECT_EQ(s.startOrder(), "1 2 3 4 5");
    EXPECT_EQ(s.queue.activeCount(), 0);
}

TEST(DownloadQueue, AddStartsAJobOnlyWhenASlotIsFree)
{
    QueueScenario s;
    s.queue.pump(); // empty list
    EXPECT_EQ(s.startOrder(), "");

    s.queue.add(makeJob("1"));
    s.queue.add(makeJob("2"));
    s.queue.add(makeJob("3"));
    EXPECT_EQ(s.statuses(), "AAq");
    EXPECT_EQ(s.startOrder(), "1 2");

    s.job(1)->setStatus(DownloadStatus::completed);
    s.queue.add(makeJob("4")); // the pump of add also starts the older waiting job first
    EXPECT_EQ(s.statuses(), "cAAq");
    EXPECT_EQ(s.startOrder(), "1 2 3");
}

TEST(DownloadQueue, SkipsCancelledJobsAndRestartsRetriedOnesAtTheirPosition)
{
    QueueScenario s(4);
    s.job(2)->setStatus(DownloadStatus::cancelled); // cancelled while waiting
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "AxAq");

    s.job(1)->setStatus(DownloadStatus::failed);
    s.job(3)->setStatus(DownloadStatus::completed);
    s.job(1)->setStatus(DownloadStatus::queued); // a retry
    s.queue.add(makeJob("5"));
    // The retried job keeps its place ahead of the jobs that came after it.
    EXPECT_EQ(s.statuses(), "AxcAq");
    EXPECT_EQ(s.startOrder(), "1 3 1 4");
}

TEST(DownloadQueue, LimitCanChangeWhileJobsRun)
{
    QueueScenario s(6);
    int limitChanges = 0;
    QObject::connect(&s.queue, &DownloadQueue::maxConcurrentChanged, [&] { ++limitChanges; });

    s.queue.setMaxConcurrent(1);
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "Aqqqqq");

    s.queue.setMaxConcurrent(3); // raising starts nothing by itself
    EXPECT_EQ(s.statuses(), "Aqqqqq");
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "AAAqqq");

    s.queue.setMaxConcurrent(1); // lowering stops nothing
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "AAAqqq");
    s.job(1)->setStatus(DownloadStatus::completed);
    s.queue.pump(); // two still active, above the new limit
    EXPECT_EQ(s.statuses(), "cAAqqq");
    s.job(2)->setStatus(DownloadStatus::completed);
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "ccAqqq");
    s.job(3)->setStatus(DownloadStatus::completed);
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "cccAqq");

    s.queue.setMaxConcurrent(0); // not clamped: nothing more starts
    s.job(4)->setStatus(DownloadStatus::completed);
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "ccccqq");

    s.queue.setMaxConcurrent(0);
    EXPECT_EQ(limitChanges, 4); // assigning the same value is no change
    EXPECT_EQ(s.startOrder(), "1 2 3 4");
}

TEST(DownloadQueue, RemoveTakesJobsOutWithoutStoppingOrStartingAnything)
{
    QueueScenario s(3);
    s.queue.pump();
    const DownloadJobPtr busy = s.job(1);
    busy->setStatus(DownloadStatus::downloading);

    QList<int> aboutToRemove;
    QList<int> removed;
    QObject::connect(&s.queue, &DownloadQueue::jobAboutToBeRemoved, [&](int index) {
        aboutToRemove.append(index);
        EXPECT_EQ(s.queue.jobs().size(), 3); // still there for the model's beginRemoveRows
    });
    QObject::connect(&s.queue, &DownloadQueue::jobRemoved, [&](int index) { removed.append(index); });
    s.queue.remove(makeJob("not listed"));
    s.queue.remove(nullptr);
    EXPECT_EQ(removed, QList<int>());
    EXPECT_EQ(s.statuses(), "DAq");

    s.queue.remove(busy);
    EXPECT_EQ(busy->status(), DownloadStatus::downloading); // its run goes on
    EXPECT_EQ(s.statuses(), "Aq");                          // and no pump started job 3
    EXPECT_EQ(s.queue.activeCount(), 1);
    EXPECT_EQ(aboutToRemove, QList<int>({0}));
    EXPECT_EQ(removed, QList<int>({0}));

    s.queue.pump();
    EXPECT_EQ(s.statuses(), "AA");
    EXPECT_EQ(s.startOrder(), "1 2 3");
}

TEST(DownloadQueue, AJobWithoutAStartHandlerKeepsItsSlot)
{
    DownloadQueue queue;
    const DownloadJobPtr first = makeJob("1");
    const DownloadJobPtr second = makeJob("2");
    queue.setMaxConcurrent(1);
    queue.add(first);
    queue.add(second);
    EXPECT_EQ(first->status(), DownloadStatus::analyzing);
    EXPECT_EQ(second->status(), DownloadStatus::queued);
}

TEST(DownloadQueue, HandlersThatChangeTheQueueKeepTheLimitAndTheOrder)
{
    QueueScenario s(5);
    s.queue.setMaxConcurrent(4);
    const DownloadJobPtr third = s.job(3);
    // Job 1's handler takes waiting job 3 out of the list, fails job 1 at once
    // and pumps again (as a run that cannot start would).
    s.queue.setStartHandler([&s](const DownloadJobPtr &job) {
        s.started.append(job->url());
        if (job->url() == u"1") {
            s.queue.remove(s.job(3));
            job->setStatus(DownloadStatus::failed);
            s.queue.pump();
        }
    });
    s.queue.pump();
    EXPECT_EQ(s.statuses(), "fAAA");
    EXPECT_EQ(s.startOrder(), "1 2 4 5");
    EXPECT_EQ(third->status(), DownloadStatus::queued); // removed jobs are never started
    EXPECT_EQ(s.queue.activeCount(), 3);
}

TEST(DownloadQueue, ReportsInsertedRowsAndKeepsEachJobOnce)
{
    QueueScenario s;
    // Each signal with its rows and the list's size at that moment: a model
    // must see the list unchanged before and changed after.
    QList<QList<qsizetype>> aboutToInsert;
    QList<QList<qsizetype>> inserted;
    QObject::connect(&s.queue, &DownloadQueue::jobsAboutToBeInserted,
                     [&](int first, int last) { aboutToInsert.append({first, last, s.queue.jobs().size()}); });
    QObject::connect(&s.queue, &DownloadQueue::jobsInserted,
                     [&](int first, int last) { inserted.append({first, last, s.queue.jobs().size()}); });

    const DownloadJobPtr one = makeJob("1");
    const DownloadJobPtr two = makeJob("2");
    s.queue.append({one, two, one, nullptr});
    s.queue.add(two);
    s.queue.append({makeJob("3")});

    EXPECT_EQ(s.queue.jobs().size(), 3);
    EXPECT_EQ(aboutToInsert, QList<QList<qsizetype>>({{0, 1, 0}, {2, 2, 2}}));
    EXPECT_EQ(inserted, QList<QList<qsizetype>>({{0, 1, 2}, {2, 2, 3}}));
    EXPECT_EQ(s.queue.indexOf(two->id()), 1);
    EXPECT_EQ(s.queue.indexOf(makeJob("x")->id()), -1);
    EXPECT_EQ(s.startOrder(), "1 2"); // add of a listed job still pumps
}
