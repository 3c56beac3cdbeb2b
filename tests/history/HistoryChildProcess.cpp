// Helper tests that other tests run in a process of their own (see
// HistoryTest::HelperProcess). Disabled, so a plain run of the suite skips them.

#include "HistoryTestSupport.h"

#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

QString helperDatabase()
{
    return qEnvironmentVariable(HistoryTest::kDatabaseVariable);
}

// Adds numbered records, one save each, and reports each one once add() has
// returned, until it is killed.
TEST(HistoryChildProcess, DISABLED_AddsRecordsUntilKilled)
{
    if (helperDatabase().isEmpty())
        GTEST_SKIP() << "run by HistoryCrashTest";
    PersistenceController controller(helperDatabase());
    ASSERT_TRUE(controller.isPersistent());
    HistoryStore store(controller.context());
    for (qsizetype number = store.all().size() + 1; number < 10'000'000; ++number) {
        store.add(HistoryTest::record(QStringLiteral("record %1").arg(number), int(number),
                                      int(number)));
        std::printf("added %lld\n", static_cast<long long>(number));
        std::fflush(stdout);
    }
}

// Prints "ready", waits for a line on its standard input, then opens the
// database and adds one record named after its process, as a program started
// at the same moment as others would.
TEST(HistoryChildProcess, DISABLED_AddsOneRecordOnCue)
{
    if (helperDatabase().isEmpty())
        GTEST_SKIP() << "run by the sharing tests";
    std::printf("ready\n");
    std::fflush(stdout);
    std::string cue;
    std::getline(std::cin, cue);
    PersistenceController controller(helperDatabase());
    HistoryStore store(controller.context());
    store.add(HistoryTest::record(QStringLiteral("process %1").arg(QCoreApplication::applicationPid()), 1, 1));
    std::printf("%s\n", controller.isPersistent() ? "persistent" : "in memory");
    std::fflush(stdout);
}

// Holds the database's write lock from "locked" until its standard input closes.
TEST(HistoryChildProcess, DISABLED_HoldsTheWriteLock)
{
    if (helperDatabase().isEmpty())
        GTEST_SKIP() << "run by the locking tests";
    const QString connection = QStringLiteral("lock-holder");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(helperDatabase());
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        std::printf("locked\n");
        std::fflush(stdout);
        for (std::string line; std::getline(std::cin, line);) {
        }
        EXPECT_TRUE(query.exec(QStringLiteral("ROLLBACK")));
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace
