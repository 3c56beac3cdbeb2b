#include "engine/PartialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utime.h>

namespace {

// A folder as yt-dlp leaves it after two failed jobs and the user's own
// files, and a job whose targets are named after yt-dlp's names.
class PartialFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_job = makeJob();
        m_job->setStatus(DownloadStatus::failed);
        m_job->setOutputDirectory(m_dir.path());
    }

    DownloadJobPtr makeJob() const
    {
        return DownloadJob::create(QStringLiteral("https://media.test/v"), MediaKind::video, VideoQuality::best,
                                   AudioFormat::best, SubtitleMode::none, QStringLiteral("en"));
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes = "x") const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Changed long before any job of this test was made.
    void makeOld(const QString &name) const
    {
        const utimbuf times{1'000'000'000, 1'000'000'000};
        ASSERT_EQ(::utime(QFile::encodeName(path(name)).constData(), &times), 0);
    }

    QStringList names(const QStringList &paths) const
    {
        QStringList result;
        for (const QString &p : paths) {
            EXPECT_EQ(QFileInfo(p).absolutePath(), QFileInfo(m_dir.path()).absoluteFilePath());
            result.append(QFileInfo(p).fileName());
        }
        return result;
    }

    QStringList left() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::System, QDir::Name); }

    QTemporaryDir m_dir;
    DownloadJobPtr m_job;
};

TEST_F(PartialFilesTest, FindsExactlyTheFilesYtDlpNamesAfterTheJobsTargets)
{
    // The job: a merge of two formats, the video one still downloading in
    // fragments, the audio one done, and ffmpeg's working file.
    m_job->setDownloadTargets({path("Clip [abc].f137.mp4"), path("Clip [abc].f140.m4a")});
    for (const char *name : {"Clip [abc].f137.mp4.part", "Clip [abc].f137.mp4.ytdl",
                             "Clip [abc].f137.mp4.part-Frag3", "Clip [abc].f137.mp4.part-Frag4.part",
                             "Clip [abc].f140.m4a", "Clip [abc].temp.mp4"})
        write(name);
    // Not the job's: a finished file of the same media, another clip's partial
    // file, names that only look alike, a folder, and a link to a file.
    for (const char *name : {"Clip [abc].mp4", "Other [xyz].mp4.part", "Clip [abc].f137.mp4.partial",
                             "Clip [abc].f137.mp4.part-Fragment", "Clip [abc].f137.mp4.part.bak",
                             "Clip [abcd].f137.mp4.part", "notes.txt"})
        write(name);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Clip [abc].f140.m4a.part"));
    write("elsewhere.txt");
    ASSERT_TRUE(QFile::link(path("elsewhere.txt"), path("Clip [abc].f137.mp4.part-Frag1")));
    ASSERT_TRUE(QFile::link(path("elsewhere.txt"), path("Clip [abc].temp.mkv")));

    const QStringList found = PartialFiles::of(*m_job, {m_job});
    EXPECT_EQ(names(found), (QStringList{"Clip [abc].f137.mp4.part", "Clip [abc].f137.mp4.part-Frag3",
                                         "Clip [abc].f137.mp4.part-Frag4.part", "Clip [abc].f137.mp4.ytdl",
                                         "Clip [abc].f140.m4a", "Clip [abc].temp.mp4"}));

    const QStringList before = left();
    EXPECT_TRUE(PartialFiles::remove(found).isEmpty());
    QStringList expected = before;
    for (const QString &name : names(found))
        expected.removeOne(name);
    EXPECT_EQ(left(), expected) << "nothing else removed";
    EXPECT_TRUE(QFileInfo::exists(path("elsewhere.txt")));
    EXPECT_TRUE(QFileInfo(path("Clip [abc].f140.m4a.part")).isDir());
}

TEST_F(PartialFilesTest, ASingleFormatTargetIsItselfNeverPartial)
{
    m_job->setDownloadTargets({path("Clip [abc].mp4")});
    write("Clip [abc].mp4");
    write("Clip [abc].mp4.part");
    EXPECT_EQ(names(PartialFiles::of(*m_job, {m_job})), QStringList{"Clip [abc].mp4.part"});
}

TEST_F(PartialFilesTest, FilesThatWereThereBeforeTheJobAreNotItsOwn)
{
    m_job->setDownloadTargets({path("Clip [abc].mp4")});
    write("Clip [abc].mp4.part");
    write("Clip [abc].mp4.ytdl");
    makeOld("Clip [abc].mp4.ytdl");
    EXPECT_EQ(names(PartialFiles::of(*m_job, {m_job})), QStringList{"Clip [abc].mp4.part"});
}

TEST_F(PartialFilesTest, FilesAnotherJobClaimsAreLeftAlone)
{
    m_job->setDownloadTargets({path("Clip [abc].mp4"), path("Clip [abc].f1.mp4"), path("Clip [abc].f2.m4a")});
    for (const char *name : {"Clip [abc].mp4.part", "Clip [abc].f1.mp4.part", "Clip [abc].f2.m4a"})
        write(name);
    // The same link queued again into the same folder: the files are both jobs'.
    const DownloadJobPtr sameLink = makeJob();
    sameLink->setDownloadTargets({path("Clip [abc].mp4")});
    // A job whose finished file happens to carry a partial file's name.
    const DownloadJobPtr finished = makeJob();
    finished->setStatus(DownloadStatus::completed);
    finished->setOutputPath(path("Clip [abc].f2.m4a"));

    EXPECT_EQ(names(PartialFiles::of(*m_job, {sameLink, m_job, finished})), QStringList{"Clip [abc].f1.mp4.part"});
}

// A completed job's files are its result; any other job's unfinished files
// are its own, also while it waits or runs (Remove offers them).
TEST_F(PartialFilesTest, OnlyACompletedJobHasNone)
{
    m_job->setDownloadTargets({path("Clip [abc].mp4")});
    write("Clip [abc].mp4.part");
    const std::pair<DownloadStatus, bool> cases[] = {
        {DownloadStatus::failed, true},      {DownloadStatus::cancelled, true},  {DownloadStatus::completed, false},
        {DownloadStatus::queued, true},      {DownloadStatus::analyzing, true},  {DownloadStatus::downloading, true},
        {DownloadStatus::merging, true},
    };
    for (const auto &[status, has] : cases) {
        m_job->setStatus(status);
        EXPECT_EQ(PartialFiles::of(*m_job, {m_job}).size(), has ? 1 : 0)
            << DownloadStatuses::rawValue(status).toStdString();
    }
}

// A job with its name owns what yt-dlp wrote under it before reporting any
// file (killed early), whenever it was written; the finished file, a
// subtitle, and another job's name that only starts alike are not its own.
TEST_F(PartialFilesTest, AJobsNameFindsItsUnfinishedFilesToo)
{
    for (const char *name : {"Clip [abc].mp4.part", "Clip [abc].f137.mp4.part", "Clip [abc].f140.m4a",
                             "Clip [abc].mp4.ytdl", "Clip [abc].mp4.part-Frag3.part", "Clip [abc].temp.mp4",
                             "Clip [abc].mp4", "Clip [abc].en.srt", "Clip [abc].fr.srt", "Clip [abc].fr.vtt.part",
                             "Clip [abc] (2).mp4.part", "Clip [abc].x.y.part"})
        write(name);
    makeOld("Clip [abc].mp4.part");
    m_job->setFileStem(path("Clip [abc]"));
    const DownloadJobPtr other = makeJob();
    other->setFileStem(path("Clip [abc] (2)"));
    EXPECT_EQ(names(PartialFiles::of(*m_job, {m_job, other})),
              (QStringList{"Clip [abc].f137.mp4.part", "Clip [abc].f140.m4a", "Clip [abc].fr.vtt.part", "Clip [abc].mp4.part",
                           "Clip [abc].mp4.part-Frag3.part", "Clip [abc].mp4.ytdl", "Clip [abc].temp.mp4"}));
    // A name outside its folder finds nothing.
    m_job->setFileStem(QStringLiteral("/etc/passwd"));
    EXPECT_TRUE(PartialFiles::of(*m_job, {m_job}).isEmpty());
}

// At start: the unfinished files no kept job owns, for the user to see.
TEST_F(PartialFilesTest, UnownedAreTheUnfinishedFilesNoPrefixClaims)
{
    for (const char *name : {"Mine [a].mp4.part", "Mine [a].f1.mp4.part", "Orphan [b].mp4.part", "Orphan [b].temp.mp4",
                             "Orphan [c].mp4.ytdl", "Finished [d].mp4", "notes.txt", ".tarvelle-claim-0123"})
        write(name);
    ASSERT_TRUE(QFile::link(path("Orphan [b].mp4.part"), path("Link [e].mp4.part")));
    EXPECT_EQ(names(PartialFiles::unowned(m_dir.path(), {path("Mine [a].")})),
              (QStringList{"Orphan [b].mp4.part", "Orphan [b].temp.mp4", "Orphan [c].mp4.ytdl"}));
}

TEST_F(PartialFilesTest, RelativeTargetsAreInTheJobsFolderAndOthersAreNotLookedFor)
{
    m_job->setDownloadTargets({QStringLiteral("Clip [abc].mp4")});
    write("Clip [abc].mp4.part", QByteArray(1500, 'x'));
    const QStringList found = PartialFiles::of(*m_job, {m_job});
    EXPECT_EQ(names(found), QStringList{"Clip [abc].mp4.part"});
    EXPECT_EQ(PartialFiles::totalSize(found), 1500);

    m_job->setOutputDirectory(QString());
    EXPECT_TRUE(PartialFiles::of(*m_job, {m_job}).isEmpty());
}

TEST_F(PartialFilesTest, RemoveReportsWhatItCouldNotDeleteAndSkipsWhatIsGone)
{
    write("a.part");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("b.part"));
    const QStringList failed = PartialFiles::remove({path("a.part"), path("b.part"), path("gone.part")});
    EXPECT_EQ(failed, QStringList{path("b.part")});
    EXPECT_FALSE(QFileInfo::exists(path("a.part")));
}

} // namespace
