#pragma once

#include "engine/DownloadQueue.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QTest>

#include <gtest/gtest.h>

// A job list shown in an active window over a queue that starts nothing, so
// each job stays in the status a test gives it.
class ShownJobList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        queue.setMaxConcurrent(0);
        view.setJobModel(&model);
        view.resize(900, 500);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    DownloadJobPtr addJob(DownloadStatus status)
    {
        auto job = DownloadJob::create(QStringLiteral("https://example.com/%1").arg(queue.jobs().size()),
                                       MediaKind::video, VideoQuality::p1080, AudioFormat::best, SubtitleMode::none,
                                       QStringLiteral("en"));
        job->setStatus(status);
        queue.add(job);
        return job;
    }

    DownloadQueue queue;
    JobListModel model{queue};
    ThumbnailLoader thumbnails;
    JobListView view{thumbnails};
};
