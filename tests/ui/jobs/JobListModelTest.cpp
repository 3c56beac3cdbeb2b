#include "engine/DownloadQueue.h"
#include "support/TestSupport.h"
#include "ui/jobs/JobListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

DownloadJobPtr makeJob(int n)
{
    return DownloadJob::create(QStringLiteral("https://example.com/%1").arg(n), MediaKind::video, VideoQuality::p1080,
                               AudioFormat::best, SubtitleMode::none, QStringLiteral("en"));
}

TEST(JobListModel, FollowsTheQueueAsJobsComeAndGo)
{
    DownloadQueue queue;
    queue.setMaxConcurrent(0);
    queue.add(makeJob(0));
    JobListModel model(queue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 1);

    const QList<DownloadJobPtr> batch{makeJob(1), makeJob(2), makeJob(3)};
    queue.append(batch);
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.jobAt(2), batch.at(1));

    queue.remove(batch.at(0));
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(1), Qt::DisplayRole).toString(), batch.at(1)->url());
}

TEST(JobListModel, ScreenReadersHearWhatTheRowShows)
{
    DownloadQueue queue;
    queue.setMaxConcurrent(0);
    const auto job = makeJob(0);
    job->setStatus(DownloadStatus::failed);
    job->setErrorSummary(QStringLiteral("Something broke"));
    queue.add(job);
    JobListModel model(queue);
    EXPECT_EQ(model.data(model.index(0), Qt::AccessibleTextRole).toString(), job->url() + QStringLiteral(", Failed"));
    EXPECT_EQ(model.data(model.index(0), Qt::AccessibleDescriptionRole).toString(),
              QString::fromUtf8("Video · 1080p. Something broke. Buttons: Retry, Remove"));
}

TEST(JobListModel, ManyChangesOfOneJobAreReportedOnce)
{
    DownloadQueue queue;
    queue.setMaxConcurrent(0);
    const auto job = makeJob(0);
    queue.add(job);
    JobListModel model(queue);
    model.contentAt(0);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    job->setStatus(DownloadStatus::downloading);
    for (int i = 1; i <= 200; ++i)
        job->setProgress(i / 200.0);
    EXPECT_EQ(changed.count(), 0) << "reported before the repaint interval";

    ASSERT_TRUE(TestSupport::waitUntil([&] { return changed.count() > 0; }));
    TestSupport::processEventsBriefly();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.contentAt(0).progress, 1.0);
}

TEST(JobListModel, ARowChangingHeightIsAnnounced)
{
    DownloadQueue queue;
    queue.setMaxConcurrent(0);
    const auto job = makeJob(0);
    queue.add(job);
    JobListModel model(queue);
    model.contentAt(0);
    QSignalSpy reshaped(&model, &JobListModel::rowShapeChanged);

    job->setStatus(DownloadStatus::analyzing);
    model.flushChanges();
    EXPECT_EQ(reshaped.count(), 1) << "a progress bar appears";

    job->setStatus(DownloadStatus::downloading);
    job->setProgress(0.1);
    model.flushChanges();
    job->setProgress(0.2);
    model.flushChanges();
    EXPECT_EQ(reshaped.count(), 2) << "only the headline text changed";
}

TEST(JobListModel, ARemovedJobNoLongerReportsChanges)
{
    DownloadQueue queue;
    queue.setMaxConcurrent(0);
    const auto kept = makeJob(0);
    const auto removed = makeJob(1);
    queue.append({kept, removed});
    JobListModel model(queue);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    removed->setStatus(DownloadStatus::cancelled);
    queue.remove(removed);
    removed->setStatus(DownloadStatus::failed);
    model.flushChanges();
    EXPECT_EQ(changed.count(), 0);
}

} // namespace
