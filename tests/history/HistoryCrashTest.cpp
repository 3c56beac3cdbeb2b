#include "HistoryTestSupport.h"

#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using HistoryTest::HelperProcess;
using HistoryTest::record;
using HistoryTest::titles;
using HistoryTest::WriteLockHolder;

qsizetype lastAdded(const QStringList &lines)
{
    qsizetype last = 0;
    for (const QString &line : lines) {
        if (line.startsWith(u"added "))
            last = line.mid(6).toLongLong();
    }
    return last;
}

TEST(HistoryCrashTest, AProcessKilledWhileAddingLeavesEveryEarlierRecord)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));

    // Three runs, each killed with SIGKILL in the middle of its stream of adds;
    // each run goes on numbering where the records on disk end.
    qsizetype reported = 0;
    for (int run = 0; run < 3; ++run) {
        HelperProcess adder(QStringLiteral("DISABLED_AddsRecordsUntilKilled"), path);
        const qsizetype target = reported + 200;
        ASSERT_TRUE(adder.waitForLine([&](const QString &line) {
            return line.startsWith(u"added ") && line.mid(6).toLongLong() >= target;
        })) << "run " << run;
        adder.kill();
        reported = std::max(reported, lastAdded(adder.lines()));

        PersistenceController reopened(path);
        ASSERT_TRUE(reopened.isPersistent()) << "run " << run;
        const QStringList stored = titles(HistoryStore(reopened.context()).all());
        const QSet<QString> storedSet(stored.cbegin(), stored.cend());
        for (qsizetype number = 1; number <= reported; ++number)
            ASSERT_TRUE(storedSet.contains(QStringLiteral("record %1").arg(number)))
                << "record " << number << " of " << reported << " lost in run " << run;
        // At most the add that was cut short may be there as well.
        EXPECT_LE(stored.size(), reported + 1);
        EXPECT_EQ(storedSet.size(), stored.size());
    }
}

TEST(HistoryCrashTest, ChangesASaveCouldNotWriteAreWrittenByTheNextSave)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    PersistenceController controller(path);
    ASSERT_TRUE(controller.isPersistent());
    HistoryStore store(controller.context());
    store.add(record(QStringLiteral("A"), 1, 100));
    store.add(record(QStringLiteral("B"), 3, 300));

    WriteLockHolder holder(path);
    ASSERT_TRUE(holder.locked());
    store.add(record(QStringLiteral("C"), 2, 200));
    store.remove(store.all().last()); // A

    // The list shows the changes; the file does not have them yet.
    EXPECT_EQ(titles(store.all()), (QStringList{"B", "C"}));
    EXPECT_TRUE(controller.context().hasChanges());
    EXPECT_EQ(HistoryTest::titlesOnDisk(path), (QStringList{"A", "B"}));

    ASSERT_TRUE(holder.finish());
    store.add(record(QStringLiteral("D"), 0, 50));

    EXPECT_FALSE(controller.context().hasChanges());
    EXPECT_EQ(titles(store.all()), (QStringList{"B", "C", "D"}));
    EXPECT_EQ(HistoryTest::titlesOnDisk(path), (QStringList{"B", "C", "D"}));
}

// Programs started together (the window and command-line runs) all open a
// new history file at the same instant; every one of them keeps its record.
TEST(HistoryCrashTest, ProcessesOpeningANewFileTogetherAllKeepTheirRecords)
{
    constexpr int kRounds = 8;
    constexpr int kProcesses = 4;
    for (int round = 0; round < kRounds; ++round) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        std::vector<std::unique_ptr<HelperProcess>> helpers;
        for (int i = 0; i < kProcesses; ++i) {
            helpers.push_back(std::make_unique<HelperProcess>(QStringLiteral("DISABLED_AddsOneRecordOnCue"), path));
            ASSERT_TRUE(helpers.back()->waitForLine([](const QString &line) { return line == u"ready"; }));
        }
        for (const auto &helper : helpers)
            helper->cue();
        for (const auto &helper : helpers) {
            EXPECT_TRUE(helper->finish()) << "round " << round;
            EXPECT_TRUE(helper->lines().contains(QStringLiteral("persistent")))
                << "round " << round << ": " << helper->lines().join(' ').toStdString();
        }
        EXPECT_EQ(HistoryTest::titlesOnDisk(path).size(), kProcesses) << "round " << round;
    }
}

// A program that quits right after a save was refused still writes the
// record: closing the history is the last save.
TEST(HistoryCrashTest, ClosingWritesWhatARefusedSaveKept)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        PersistenceController controller(path);
        ASSERT_TRUE(controller.isPersistent());
        HistoryStore store(controller.context());
        WriteLockHolder holder(path);
        ASSERT_TRUE(holder.locked());
        store.add(record(QStringLiteral("kept"), 1, 100));
        ASSERT_TRUE(controller.context().hasChanges());
        ASSERT_TRUE(holder.finish());
    }
    EXPECT_EQ(HistoryTest::titlesOnDisk(path), (QStringList{"kept"}));
}

} // namespace
