#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadJob.h"
#include "engine/RunOutputReader.h"
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

namespace {

// One run of `command` by the process runner, its lines cut as the
// coordinator's reader cuts them.
struct ToolRun
{
    std::optional<ProcessRunResult> result;
    QStringList out;
    QStringList err;
};

ToolRun runOf(const ResolvedCommand &command)
{
    auto log = std::make_shared<LineLog>();
    ProcessRunner runner;
    ToolRun run;
    run.result = waitFor(runner.run(command.executable, command.arguments, command.environment,
                                    [log](const QString &line, bool isErr) {
                                        for (const QString &piece : RunOutputReader::pieces(line))
                                            log->add(piece, isErr);
                                    }),
                         120s);
    run.out = log->lines();
    run.err = log->lines(true);
    return run;
}

} // namespace

// The commands of a job run by the yt-dlp of the build tree against the local
// server: the first names the file and writes nothing into the output folder,
// the second downloads under that name; every media kind gives its file, and
// each post-processing phase shows as a line of its own.
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
        QTemporaryDir saved;
        const DownloadJobPtr job =
            DownloadJob::create(server.url(c.path), c.kind, c.quality, c.audio, SubtitleMode::none, "en");

        DownloadCommandBuilder::RunInputs naming;
        naming.decidesName = true;
        naming.infoTarget = saved.filePath("description");
        const std::optional<ResolvedCommand> namingCommand =
            DownloadCommandBuilder::build(*job, output.path(), "", naming);
        ASSERT_TRUE(namingCommand) << c.name;
        const ToolRun named = runOf(*namingCommand);
        ASSERT_EQ(named.result, ProcessRunResult::exited(0)) << c.name << "\n" << named.err.join('\n').toStdString();
        const QString nameMarker = naming.markers.marker(RunMarkers::Kind::name);
        const auto nameLine = std::find_if(named.out.begin(), named.out.end(),
                                           [&](const QString &line) { return line.startsWith(nameMarker); });
        ASSERT_NE(nameLine, named.out.end()) << c.name << "\n" << named.out.join('\n').toStdString();
        const QString planned = nameLine->mid(nameMarker.size());
        EXPECT_EQ(QFileInfo(planned).path(), output.path()) << c.name;
        EXPECT_TRUE(QDir(output.path()).entryList(QDir::Files | QDir::Hidden).isEmpty())
            << c.name << ": deciding the name writes nothing there";
        ASSERT_TRUE(QFileInfo(naming.infoTarget).size() > 0) << c.name;

        DownloadCommandBuilder::RunInputs download;
        download.fileStem = planned.left(planned.lastIndexOf('.'));
        download.savedInfo = naming.infoTarget;
        const RunMarkers &markers = download.markers;
        const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, output.path(), "", download);
        ASSERT_TRUE(command) << c.name;
        const ToolRun run = runOf(*command);
        EXPECT_EQ(run.result, ProcessRunResult::exited(0)) << c.name << "\n" << run.out.join('\n').toStdString()
                                                           << "\n" << run.err.join('\n').toStdString();
        EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList{c.fileName}) << c.name;
        // yt-dlp writes its progress-template lines for post-processing to
        // either stream, depending on its version.
        EXPECT_TRUE(run.out.contains(c.phase) || run.err.contains(c.phase))
            << c.name << "\n" << run.out.join('\n').toStdString() << "\n" << run.err.join('\n').toStdString();
        // The run's markers start lines of standard output, where the reader takes them.
        EXPECT_TRUE(run.out.contains(markers.marker(RunMarkers::Kind::filePath) + QDir(output.path()).filePath(c.fileName)))
            << c.name << "\n" << run.out.join('\n').toStdString();
        EXPECT_TRUE(std::any_of(run.out.begin(), run.out.end(), [&](const QString &line) {
            return line.startsWith(markers.marker(RunMarkers::Kind::progress) + "{");
        })) << c.name;
    }
}
