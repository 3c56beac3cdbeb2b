#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadJob.h"
#include "process/ProcessRunner.h"
#include "settings/AppConfiguration.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace TestSupport;

// The download commands run by the yt-dlp of the build tree against the local
// server: every media kind gives its file, and the post-processing phases show
// in the output.
TEST(DownloadCommandEndToEnd, EachKindOfJobGivesItsFile)
{
    ASSERT_TRUE(QFileInfo(buildToolsDirectory() + "/yt-dlp").isExecutable())
        << "run scripts/bootstrap-tools.sh on the build tree first";
    AppConfiguration::ScopedResourcesDirectory scope(QFileInfo(buildToolsDirectory()).absolutePath());
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();

    struct Case
    {
        const char *name;
        QString path;
        MediaKind kind;
        VideoQuality quality;
        AudioFormat audio;
        QString fileName;
        QString phase; // a post-processing line the output must hold
    };
    const QList<Case> cases{
        {"audio as it comes, from a file without a separate audio stream", LocalMediaServer::kVideoPath,
         MediaKind::audio, VideoQuality::best, AudioFormat::best, "video [video].m4a",
         "[ExtractAudio] postprocess finished"},
        {"audio as mp3", LocalMediaServer::kVideoPath, MediaKind::audio, VideoQuality::best, AudioFormat::mp3,
         "video [video].mp3", "[ExtractAudio] postprocess finished"},
        {"audio as m4a from HLS", LocalMediaServer::kHlsPath, MediaKind::audio, VideoQuality::best,
         AudioFormat::m4a, "index [index].m4a", "[ExtractAudio] postprocess finished"},
        {"video at 1080p from HLS", LocalMediaServer::kHlsPath, MediaKind::video, VideoQuality::p1080,
         AudioFormat::best, "index [index].mp4", "[VideoRemuxer] postprocess finished"},
    };
    for (const Case &c : cases) {
        QTemporaryDir output;
        const DownloadJobPtr job =
            DownloadJob::create(server.url(c.path), c.kind, c.quality, c.audio, SubtitleMode::none, "en");
        DownloadCommandBuilder::RunInputs inputs;
        const RunMarkers &markers = inputs.markers;
        const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, output.path(), "", inputs);
        ASSERT_TRUE(command) << c.name;

        auto log = std::make_shared<LineLog>();
        ProcessRunner runner;
        const std::optional<ProcessRunResult> result =
            waitFor(runner.run(command->executable, command->arguments, command->environment,
                               [log](const QString &line, bool isErr) { log->add(line, isErr); }),
                    120s);
        ASSERT_TRUE(result) << c.name;
        const QString out = log->lines().join('\n');
        // yt-dlp writes its progress-template lines for post-processing to
        // standard error (older versions without ending them).
        const QString err = log->lines(true).join('\n');
        EXPECT_EQ(*result, ProcessRunResult::exited(0)) << c.name << "\n" << out.toStdString() << "\n"
                                                        << err.toStdString();
        EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList{c.fileName}) << c.name;
        EXPECT_TRUE(out.contains(c.phase) || err.contains(c.phase)) << c.name << "\n" << err.toStdString();
        // The run's markers start lines of standard output, where the reader takes them.
        const QStringList lines = log->lines();
        EXPECT_TRUE(lines.contains(markers.marker(RunMarkers::Kind::filePath) + QDir(output.path()).filePath(c.fileName)))
            << c.name << "\n" << out.toStdString();
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString &line) {
            return line.startsWith(markers.marker(RunMarkers::Kind::progress) + "{");
        })) << c.name;
    }
}
