// Only the run's own markers, at the start of a line of standard output, are
// taken for ours; a path they name counts only inside the run's folders.
#include "analysis/SavedInfo.h"
#include "engine/RunOutputReader.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TEST(RunMarkers, EachRunDrawsATokenOfItsOwn)
{
    const RunMarkers first;
    const RunMarkers second;
    EXPECT_NE(first.token(), second.token());
    EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(first.token()).hasMatch()) << first.token().toStdString();
    EXPECT_EQ(first.progressTemplate(), "download:__KV_" + first.token() + "_JSON__%(progress)j");
}

struct ReadCase
{
    const char *name;
    QString line;
    bool standardError;
    bool taken; // read as one of ours
};

TEST(RunOutputReader, TakesOnlyItsOwnMarkersFromTheStartOfStandardOutput)
{
    const RunMarkers markers(QStringLiteral("0123456789abcdef0123456789abcdef"));
    const RunMarkers other;
    const QString path = markers.marker(RunMarkers::Kind::filePath) + "/out/clip.mp4";
    const QString record = markers.marker(RunMarkers::Kind::progress) + R"({"downloaded_bytes": 5})";
    const QList<ReadCase> cases{
        {"the final path", path, false, true},
        {"a progress record", record, false, true},
        {"on standard error", path, true, false},
        {"another run's token", other.marker(RunMarkers::Kind::filePath) + "/out/clip.mp4", false, false},
        {"the token cut short", "__KV_0123456789abcdef_FILEPATH__/out/clip.mp4", false, false},
        {"no token", "__KV_FILEPATH__/out/clip.mp4", false, false},
        {"inside a line", "ERROR: HTTP Error 404: " + path, false, false},
        {"in yt-dlp's error line on standard error", "ERROR: HTTP Error 404: " + record, true, false},
    };
    for (const ReadCase &c : cases) {
        RunOutputReader reader(markers, "/out", QString());
        const OutputLine read = reader.read(c.line, c.standardError);
        EXPECT_EQ(read.event.filepath() != nullptr || read.event.progress() != nullptr, c.taken) << c.name;
        // What is not ours is logged as yt-dlp printed it.
        if (!c.taken) {
            EXPECT_EQ(read.text, c.line) << c.name;
        }
    }
}

TEST(RunOutputReader, ADescriptionCountsOnlyAsTheFileTheRunWasToldToWrite)
{
    QTemporaryDir cache;
    ScopedEnvironment environment("XDG_CACHE_HOME", cache.path());
    const QString own = SavedInfo::newPath() + ".info.json";
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath("notes.info.json");
    for (const QString &file : {own, victim}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(R"({"id": "abc", "title": "Clip"})");
    }
    const RunMarkers markers;
    const QString marker = markers.marker(RunMarkers::Kind::infoFile);
    {
        RunOutputReader reader(markers, "/out", own);
        const OutputLine refused = reader.read(marker + victim, false);
        EXPECT_EQ(refused.savedInfo, nullptr);
        EXPECT_TRUE(refused.text.contains(victim)) << "said in the log";
        const OutputLine taken = reader.read(marker + own, false);
        ASSERT_NE(taken.savedInfo, nullptr);
        EXPECT_EQ(taken.metadata->title, "Clip");
    }
    EXPECT_TRUE(QFileInfo::exists(victim)) << "a file named by the output was deleted";
    EXPECT_FALSE(QFileInfo::exists(own)) << "the run's own description goes with its holder";
    // Taking over a file outside the private folder is refused as such.
    EXPECT_EQ(SavedInfo::adopt(victim), nullptr);
    EXPECT_TRUE(QFileInfo::exists(victim));
}

} // namespace
