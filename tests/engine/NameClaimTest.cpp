#include "engine/NameClaim.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class NameClaimTest : public ::testing::Test
{
protected:
    QString stem(const QString &name = QStringLiteral("Clip [abc123]")) const { return m_dir.filePath(name); }

    void write(const QString &name) const
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("data");
    }

    QStringList claimFiles() const
    {
        QStringList found;
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (NameClaim::isClaimFile(name))
                found << m_dir.filePath(name);
        }
        return found;
    }

    QTemporaryDir m_dir;
    const QUuid m_first = QUuid::createUuid();
    const QUuid m_second = QUuid::createUuid();
};

// Who may claim a name, by what is there already.
TEST_F(NameClaimTest, ANameIsFreeForItsOwnerOrWhenNothingOfItIsOnDisk)
{
    struct Case
    {
        const char *what;
        // What stands before the second job asks: the first job's claim
        // (held by a live run, or left by one that ended) and files.
        bool firstClaims;
        bool firstStillRuns;
        QStringList files;
        bool secondGetsIt;
    };
    const QList<Case> cases{
        {"nothing there", false, false, {}, true},
        {"a finished file of the name", false, false, {"Clip [abc123].mp4"}, false},
        {"a subtitle of the name", false, false, {"Clip [abc123].en.srt"}, false},
        {"another name that only starts alike", false, false, {"Clip [abc123] (2).mp4"}, true},
        {"a running job holds it, nothing written yet", true, true, {}, false},
        {"a job that ended left its claim, no file", true, false, {}, true},
        {"a job that ended left its claim and partial file", true, false, {"Clip [abc123].mp4.part"}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Clip [abc123]"));
        std::unique_ptr<NameClaim> first;
        if (c.firstClaims) {
            first = NameClaim::claim(name, m_first);
            ASSERT_TRUE(first);
        }
        if (!c.firstStillRuns)
            first.reset();
        for (const QString &file : c.files) {
            QFile written(dir.filePath(file));
            ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        }
        const auto second = NameClaim::claim(name, m_second);
        EXPECT_EQ(bool(second), c.secondGetsIt);
        if (!second) {
            // The next free one is numbered.
            const auto numbered = NameClaim::claimFree(name, m_second);
            ASSERT_TRUE(numbered);
            EXPECT_EQ(numbered->stem(), name + " (2)");
        }
    }
}

TEST_F(NameClaimTest, AJobThatEndedGoesOnWithItsOwnPartialFileUnderItsName)
{
    std::unique_ptr<NameClaim> claim = NameClaim::claim(stem(), m_first);
    ASSERT_TRUE(claim);
    write("Clip [abc123].mp4.part");
    claim.reset();
    EXPECT_TRUE(NameClaim::claim(stem(), m_first));
    EXPECT_FALSE(NameClaim::claim(stem(), m_second));
}

TEST_F(NameClaimTest, OnlyItsOwnerForgetsAClaim)
{
    ASSERT_TRUE(NameClaim::claim(stem(), m_first));
    write("Clip [abc123].mp4.part");
    NameClaim::forget(stem(), m_second);
    ASSERT_EQ(claimFiles().size(), 1);
    EXPECT_FALSE(NameClaim::claim(stem(), m_second));

    NameClaim::forget(stem(), m_first);
    EXPECT_TRUE(claimFiles().isEmpty());
    // The partial file, now no one's, still keeps the name from others.
    EXPECT_FALSE(NameClaim::claim(stem(), m_second));
}

TEST_F(NameClaimTest, ARefusedClaimLeavesNoClaimFileBehind)
{
    write("Clip [abc123].mp4");
    EXPECT_FALSE(NameClaim::claim(stem(), m_first));
    EXPECT_TRUE(claimFiles().isEmpty());
}

TEST_F(NameClaimTest, AClaimInASubfolderMakesTheFolder)
{
    const QString nested = stem("Uploader/Clip [abc123]");
    const auto claim = NameClaim::claim(nested, m_first);
    ASSERT_TRUE(claim);
    EXPECT_TRUE(QDir(m_dir.filePath("Uploader")).exists());
    EXPECT_FALSE(NameClaim::claim(QStringLiteral("relative/name"), m_first));
}

// The lock is the operating system's: another process holding it keeps the
// name even from its owner's id, and its death frees the name.
TEST_F(NameClaimTest, AnotherProcessHoldingTheClaimKeepsTheNameUntilItDies)
{
    ASSERT_TRUE(NameClaim::claim(stem(), m_first));
    const QStringList files = claimFiles();
    ASSERT_EQ(files.size(), 1);

    QProcess holder;
    // -o: the lock is flock's own, not inherited by the command it runs.
    holder.start(QStringLiteral("flock"), {QStringLiteral("-o"), files.first(), QStringLiteral("sh"), QStringLiteral("-c"),
                                           QStringLiteral("echo held; exec sleep 60")});
    ASSERT_TRUE(holder.waitForStarted());
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readAll().trimmed(), "held");

    EXPECT_FALSE(NameClaim::claim(stem(), m_first));
    const auto numbered = NameClaim::claimFree(stem(), m_second);
    ASSERT_TRUE(numbered);
    EXPECT_EQ(numbered->stem(), stem("Clip [abc123] (2)"));

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_TRUE(NameClaim::claim(stem(), m_first));
}

TEST_F(NameClaimTest, AStrayFileOfAClaimsNameThatIsNoRegularFileIsNoClaim)
{
    ASSERT_TRUE(NameClaim::claim(stem(), m_first));
    const QString path = claimFiles().value(0);
    ASSERT_FALSE(path.isEmpty());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(m_dir.filePath("elsewhere"), path));
    // Never followed, never written through.
    EXPECT_FALSE(NameClaim::claim(stem(), m_first));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("elsewhere")));
}

} // namespace
