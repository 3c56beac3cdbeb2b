#include "ui/jobs/JobLogText.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

struct LogUpdate
{
    const char *name;
    QStringList before;
    QStringList after;
    // A line shown before and after, selected before the update; empty: none.
    QString kept;
};

class JobLogTextTest : public ::testing::TestWithParam<LogUpdate>
{
};

// Whatever the change, the viewer shows exactly the job's lines; where the
// new lines continue the shown ones, a selection made on a kept line stays.
TEST_P(JobLogTextTest, ShowsTheNewLinesAndKeepsTheSelection)
{
    const LogUpdate &update = GetParam();
    JobLogText log;
    log.resize(400, 200);
    log.showLines(update.before);
    ASSERT_EQ(log.toPlainText(), update.before.join(QLatin1Char('\n')));
    if (!update.kept.isEmpty()) {
        QTextCursor cursor = log.document()->find(update.kept);
        ASSERT_FALSE(cursor.isNull());
        log.setTextCursor(cursor);
    }

    log.showLines(update.after);

    EXPECT_EQ(log.toPlainText(), update.after.join(QLatin1Char('\n')));
    if (!update.kept.isEmpty()) {
        EXPECT_EQ(log.textCursor().selectedText(), update.kept);
    }
}

const LogUpdate kLogUpdates[] = {
    {"firstLines", {}, {"[youtube] abc: Downloading webpage", "[info] abc: Downloading 1 format(s)"}, ""},
    {"appended", {"one", "two"}, {"one", "two", "three", "four"}, "two"},
    {"oldestDroppedAtTheLimit", {"one", "two", "three"}, {"two", "three", "four"}, "three"},
    {"repeatedLines", {"same", "same"}, {"same", "same", "same"}, ""},
    {"repeatedLastLineEarlierInTheNewLines", {"a", "b"}, {"b", "c", "b"}, ""},
    {"replacedByAnotherRun", {"old run", "ERROR: boom"}, {"new run"}, ""},
    {"cleared", {"one"}, {}, ""},
    {"lineWithItsOwnBreak", {"first\nsecond"}, {"first\nsecond", "third"}, ""},
};

INSTANTIATE_TEST_SUITE_P(Updates, JobLogTextTest, ::testing::ValuesIn(kLogUpdates),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(JobLogText, ProgressReadsAsYtDlpPrintsItAndCopyGivesTheRawLog)
{
    const QString first = QStringLiteral(R"([progress] {"status": "downloading", "downloaded_bytes": 1024, )"
                                         R"("_default_template": "  1.4% of   71.39KiB at  Unknown B/s ETA Unknown"})");
    const QString last = QStringLiteral(R"([progress] {"status": "finished", )"
                                        R"("_default_template": "100% of   71.39KiB in 00:00:00 at 20.02MiB/s"})");
    const QString merger = QStringLiteral("[Merger] postprocess started");
    JobLogText log;
    log.showLines({first, merger});
    EXPECT_EQ(log.toPlainText(),
              QStringLiteral("[download]   1.4% of   71.39KiB at  Unknown B/s ETA Unknown\n[Merger] postprocess started"));
    log.showLines({first, merger, last});
    EXPECT_EQ(log.toPlainText().split(u'\n').last(), QStringLiteral("[download] 100% of   71.39KiB in 00:00:00 at 20.02MiB/s"));

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    auto *copy = log.findChild<QAction *>(QStringLiteral("copyRawLogAction"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->text(), QStringLiteral("Copy Raw Log"));
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringList({first, merger, last}).join(u'\n'));
}

} // namespace
