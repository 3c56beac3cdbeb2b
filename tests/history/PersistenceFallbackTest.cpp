#include "support/FileModes.h"
#include "HistoryTestSupport.h"

#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <memory>

namespace {

using HistoryTest::record;
using HistoryTest::runSql;
using HistoryTest::titles;

// Every operation of a history that fell back to memory.
void expectWorkingHistoryInMemory(PersistenceController &controller)
{
    EXPECT_FALSE(controller.isPersistent());
    HistoryStore store(controller.context());
    EXPECT_TRUE(store.all().isEmpty());

    store.add(record(QStringLiteral("one"), 1, 1));
    store.add(record(QStringLiteral("two"), 2, 2));
    EXPECT_EQ(titles(store.all()), (QStringList{"two", "one"}));
    store.remove(store.all().first());
    EXPECT_EQ(titles(store.all()), QStringList{"one"});
    store.clear();
    EXPECT_TRUE(store.all().isEmpty());
    store.add(record(QStringLiteral("three"), 3, 3));
    EXPECT_EQ(titles(store.all()), QStringList{"three"});
    EXPECT_FALSE(controller.context().hasChanges());
}

void overwrite(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

enum class Opening { inThisThread, withFileModesEnforced, whileAnotherProcessHoldsTheLock };

struct FallbackCase
{
    const char *name;
    std::function<void(const QString &path)> prepare; // makes the unusable file
    Opening opening;
    bool seededRecordsReadableAfterwards; // once the obstacle is gone
};

// The case's name where gtest (and ctest) show the parameter.
void PrintTo(const FallbackCase &c, std::ostream *out)
{
    *out << c.name;
}

class PersistenceFallbackTest : public ::testing::TestWithParam<FallbackCase>
{
};

TEST_P(PersistenceFallbackTest, RunsInMemoryAndLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    GetParam().prepare(path);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    const QByteArray before = HistoryTest::fileBytes(path);

    const auto openInMemory = [&] {
        PersistenceController controller(path);
        expectWorkingHistoryInMemory(controller);
    };
    switch (GetParam().opening) {
    case Opening::inThisThread:
        openInMemory();
        break;
    case Opening::withFileModesEnforced:
        FileModes::runEnforced(openInMemory);
        break;
    case Opening::whileAnotherProcessHoldsTheLock: {
        HistoryTest::WriteLockHolder holder(path);
        ASSERT_TRUE(holder.locked());
        openInMemory();
        EXPECT_TRUE(holder.finish());
        break;
    }
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    EXPECT_EQ(HistoryTest::fileBytes(path), before);
    if (GetParam().seededRecordsReadableAfterwards) {
        PersistenceController reopened(path);
        ASSERT_TRUE(reopened.isPersistent());
        EXPECT_EQ(titles(HistoryStore(reopened.context()).all()),
                  (QStringList{"third", "second", "first"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PersistenceFallbackTest,
    ::testing::Values(
        FallbackCase{"notADatabase",
                     [](const QString &path) {
                         overwrite(path, 0, QByteArray("these are not the pages you want\n").repeated(200));
                     },
                     Opening::inThisThread, false},
        FallbackCase{"damagedPages",
                     [](const QString &path) {
                         HistoryTest::seedDatabase(path);
                         overwrite(path, 4096, QByteArray(4096, '\x5a'));
                     },
                     Opening::inThisThread, false},
        FallbackCase{"otherSchemaVersion",
                     [](const QString &path) {
                         HistoryTest::seedDatabase(path);
                         runSql(path, {u"UPDATE meta SET value = '2.0.0' WHERE key = 'schemaVersion'"_qs,
                                       u"PRAGMA journal_mode = DELETE"_qs});
                     },
                     Opening::inThisThread, false},
        FallbackCase{"newerMinorVersion",
                     [](const QString &path) {
                         HistoryTest::seedDatabase(path);
                         runSql(path, {u"UPDATE meta SET value = '1.9.0' WHERE key = 'schemaVersion'"_qs,
                                       u"PRAGMA journal_mode = DELETE"_qs});
                     },
                     Opening::inThisThread, false},
        // The step to the next version cannot run (the column it adds is
        // there already): nothing of it stays, the old version included.
        FallbackCase{"migrationThatFails",
                     [](const QString &path) {
                         HistoryTest::writeVersion100Database(path);
                         runSql(path, {u"ALTER TABLE history ADD COLUMN subtitleLang TEXT"_qs});
                     },
                     Opening::inThisThread, false},
        FallbackCase{"foreignDatabase",
                     [](const QString &path) {
                         runSql(path, {u"CREATE TABLE notes (body TEXT)"_qs,
                                       u"INSERT INTO notes VALUES ('keep me')"_qs});
                     },
                     Opening::inThisThread, false},
        FallbackCase{"readOnly",
                     [](const QString &path) {
                         HistoryTest::seedDatabase(path);
                         ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
                         ASSERT_TRUE(QFile::setPermissions(QFileInfo(path).absolutePath(),
                                                           QFile::ReadOwner | QFile::ExeOwner));
                     },
                     Opening::withFileModesEnforced, true},
        FallbackCase{"lockedByAnotherProcess", HistoryTest::seedDatabase,
                     Opening::whileAnotherProcessHoldsTheLock, true}),
    [](const ::testing::TestParamInfo<FallbackCase> &info) { return std::string(info.param.name); });

} // namespace
