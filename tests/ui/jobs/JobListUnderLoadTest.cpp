#include "engine/DownloadQueue.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kRows = 1500;

// Moves jobs through the life a download gives them, a step at a time:
// analysing, downloading with the size first unknown and then known,
// completed with its file. Each of those changes the row's height.
void advance(DownloadJob &job, int step)
{
    switch (step % 5) {
    case 0:
        job.setStatus(DownloadStatus::analyzing);
        break;
    case 1:
        job.setStatus(DownloadStatus::downloading);
        job.setDownloadedBytes(4096);
        job.setSpeed(QStringLiteral("1.00MiB/s"));
        break;
    case 2:
        job.setTotalBytes(1048576);
        job.setProgress(0.5);
        job.setEta(QStringLiteral("00:12"));
        break;
    case 3:
        job.setOutputPath(QStringLiteral("/tmp/clip %1.mp4").arg(step));
        break;
    case 4:
        job.setStatus(DownloadStatus::completed);
        break;
    }
}

struct ScrollAction
{
    const char *name;
    std::function<void(JobListView &)> scroll;
};

void PrintTo(const ScrollAction &action, std::ostream *out)
{
    *out << action.name;
}

class JobListUnderLoadTest : public ::testing::TestWithParam<ScrollAction>
{
protected:
    void SetUp() override
    {
        queue.setMaxConcurrent(0);
        QList<DownloadJobPtr> jobs;
        for (int i = 0; i < kRows; ++i) {
            jobs << DownloadJob::create(QStringLiteral("https://example.com/watch?v=%1").arg(i), MediaKind::video,
                                        VideoQuality::p1080, AudioFormat::best, SubtitleMode::none,
                                        QStringLiteral("en"));
        }
        queue.append(jobs);
        view.setJobModel(&model);
        view.resize(900, 600);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QModelIndex firstShown() const { return view.indexAt(QPoint(1, 1)); }

    bool lastRowShown() const
    {
        const QRect last = view.visualRect(model.index(model.rowCount() - 1));
        return last.isValid() && view.viewport()->rect().intersects(last);
    }

    std::string scrollPosition() const
    {
        const QScrollBar *bar = view.verticalScrollBar();
        return QStringLiteral("scroll bar at %1 of %2").arg(bar->value()).arg(bar->maximum()).toStdString();
    }

    // Changes rows in view and out of it, as running jobs do, and reports
    // them as the repaint interval would.
    void runJobs(int step)
    {
        const QModelIndex shown = firstShown();
        const int onScreen = shown.isValid() ? shown.row() : 0;
        for (const int row : {onScreen, onScreen + 1, kRows / 3, kRows / 2 + step, 7 * kRows / 8})
            advance(*model.jobAt(qMin(row, model.rowCount() - 1)), step);
        model.flushChanges();
    }

    void settle()
    {
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
    }

    DownloadQueue queue;
    JobListModel model{queue};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    ThumbnailLoader thumbnails;
    JobListView view{thumbnails};
};

TEST_P(JobListUnderLoadTest, TheLastRowIsReachedWhileJobsRunAndRowsGo)
{
    const ScrollAction &action = GetParam();
    for (int step = 0; step < 20; ++step) {
        view.scrollToTop();
        settle();
        runJobs(step);
        action.scroll(view);
        settle();
        ASSERT_TRUE(lastRowShown()) << action.name << ", step " << step << ", " << scrollPosition();

        // A row above the view goes while the end is in view.
        const int above = firstShown().row() / 2;
        queue.remove(model.jobAt(above));
        runJobs(step + 1);
        action.scroll(view);
        settle();
        ASSERT_TRUE(lastRowShown()) << action.name << ", step " << step << " after a removal, " << scrollPosition();
    }
    EXPECT_EQ(model.rowCount(), kRows - 20);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayDown, JobListUnderLoadTest,
    ::testing::Values(
        ScrollAction{"End key", [](JobListView &view) { QTest::keyClick(&view, Qt::Key_End); }},
        ScrollAction{"wheel",
                     [](JobListView &view) {
                         // Far more than the list is long, in notches as a mouse sends them.
                         const QPoint centre = view.viewport()->rect().center();
                         for (int notch = 0; notch < 1500; ++notch) {
                             QWheelEvent wheel(centre, view.viewport()->mapToGlobal(centre), QPoint(),
                                               QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                               false);
                             QCoreApplication::sendEvent(view.viewport(), &wheel);
                         }
                     }},
        ScrollAction{"scroll bar",
                     [](JobListView &view) {
                         QScrollBar *bar = view.verticalScrollBar();
                         bar->setValue(bar->maximum());
                     }}),
    [](const ::testing::TestParamInfo<ScrollAction> &info) {
        QString name = QString::fromLatin1(info.param.name);
        name.remove(QLatin1Char(' '));
        return name.toStdString();
    });

} // namespace
