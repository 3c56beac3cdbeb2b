// The advanced download options with the shipped yt-dlp, ffmpeg and ffprobe
// against the local server: each option set as a stored default (or, for
// the time range, on the job as the preview card sets it) and its effect
// checked on what arrives.
#include "engine/OutputTemplate.h"
#include "support/LocalMediaServer.h"
#include "support/ShippedToolsCoordinatorTest.h"
#include "support/MediaProbe.h"
#include "support/RecordingProxy.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <iostream>

using namespace TestSupport;

namespace {

class DownloadOptionsEndToEnd : public ShippedToolsCoordinatorTest
{
protected:
    LocalMediaServer &server() const { return *s_server; }

    // One link with the stored defaults, as "Download All" queues it.
    DownloadJobPtr download(const QString &url)
    {
        fixture->coordinator->addURLs(url);
        return fixture->coordinator->queue().jobs().last();
    }

    void expectCompleted(const DownloadJobPtr &job, std::chrono::milliseconds timeout = 60s)
    {
        ASSERT_TRUE(fixture->waitForEnd(job, timeout));
        ASSERT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    }

    QStringList outputFiles() const
    {
        QStringList files = QDir(fixture->outputFolder()).entryList(QDir::Files);
        files.sort();
        return files;
    }

};

QStringList chapterTitles(const QJsonObject &probed)
{
    QStringList titles;
    for (const QJsonValue chapter : probed.value("chapters").toArray())
        titles.append(chapter.toObject().value("tags").toObject().value("title").toString());
    return titles;
}

bool hasAttachedPicture(const QJsonObject &probed)
{
    for (const QJsonValue stream : probed.value("streams").toArray()) {
        if (stream.toObject().value("disposition").toObject().value("attached_pic").toInt() == 1)
            return true;
    }
    return false;
}

} // namespace

// The rate yt-dlp fetches at, from the progress the job showed, stays under
// the limit (the server alone sends many times faster). Only the upper bound
// is the feature: a busy machine may fetch slower.
TEST_F(DownloadOptionsEndToEnd, SpeedLimitHoldsTheRate)
{
    ASSERT_EQ(server().addMedia("lossless.mp4", {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=4",
                                                 "-c:v", "libx264", "-preset", "ultrafast", "-qp", "0", "-pix_fmt",
                                                 "yuv420p", "-movflags", "+faststart"}),
              QString());
    const qint64 size = QFileInfo(server().mediaDirectory() + "/lossless.mp4").size();
    ASSERT_GT(size, 600 * 1024);

    AdvancedOptions options;
    options.speedLimit = SpeedLimit{200, SpeedLimit::Unit::kibibytes};
    fixture->settings->setAdvancedDefaults(options);
    const DownloadJobPtr job = download(server().url("/lossless.mp4"));

    QElapsedTimer clock;
    clock.start();
    std::optional<std::pair<qint64, qint64>> first; // (ms, bytes)
    std::pair<qint64, qint64> last;
    QObject::connect(job.get(), &DownloadJob::downloadedBytesChanged, [&] {
        const std::pair<qint64, qint64> now{clock.elapsed(), job->downloadedBytes()};
        if (!first)
            first = now;
        last = now;
    });
    expectCompleted(job);
    ASSERT_TRUE(first);
    const double seconds = (last.first - first->first) / 1000.0;
    ASSERT_GT(seconds, 1.5) << "the download took too little time to measure a rate";
    const double rate = (last.second - first->second) / seconds;
    const double limit = 200 * 1024;
    std::cout << "speed limit " << limit << " B/s: measured " << rate << " B/s over " << seconds << " s, "
              << size << " bytes\n";
    EXPECT_LT(rate, 1.2 * limit);
}

// Metadata, chapters and the thumbnail of a page that describes its video,
// embedded as far as each container holds them.
TEST_F(DownloadOptionsEndToEnd, EmbedsMetadataChaptersAndThumbnailByContainer)
{
    struct Case
    {
        const char *name;
        MediaKind kind;
        AudioFormat audio;
        EmbedChoices embed;
        QString extension;
        QStringList chapters;
        bool thumbnail;
    };
    const EmbedChoices everything{true, true, true, true};
    const QList<Case> cases{
        {"video", MediaKind::video, AudioFormat::best, everything, "mp4", {"Opening", "Ending"}, true},
        {"mp3", MediaKind::audio, AudioFormat::mp3, everything, "mp3", {"Opening", "Ending"}, true},
        {"m4a", MediaKind::audio, AudioFormat::m4a, everything, "m4a", {"Opening", "Ending"}, true},
        {"audio as it comes: no thumbnail", MediaKind::audio, AudioFormat::best, everything, "m4a",
         {"Opening", "Ending"}, false},
        {"metadata without chapters", MediaKind::video, AudioFormat::best, {true, false, false, false}, "mp4", {},
         false},
    };
    for (const Case &c : cases) {
        fixture = std::make_unique<CoordinatorFixture>(QDir(buildToolsDirectory()).absoluteFilePath(".."));
        fixture->settings->setDefaultMediaTypeRaw(MediaKinds::rawValue(c.kind));
        fixture->settings->setDefaultAudioFormatRaw(AudioFormats::rawValue(c.audio));
        AdvancedOptions options;
        options.embed = c.embed;
        fixture->settings->setAdvancedDefaults(options);
        const DownloadJobPtr job = download(server().url(LocalMediaServer::kDescribedPath));
        expectCompleted(job);
        EXPECT_EQ(QFileInfo(job->outputPath()).fileName().toStdString(),
                  (LocalMediaServer::kDescribedTitle + " [described]." + c.extension).toStdString())
            << c.name;

        const QJsonObject probed = MediaProbe::probe(job->outputPath());
        const QJsonObject tags = probed.value("format").toObject().value("tags").toObject();
        EXPECT_EQ(tags.value("title").toString(), LocalMediaServer::kDescribedTitle) << c.name;
        EXPECT_EQ(tags.value("artist").toString(), "Tarvelle Tester") << c.name;
        EXPECT_EQ(chapterTitles(probed), c.chapters) << c.name;
        EXPECT_EQ(hasAttachedPicture(probed), c.thumbnail) << c.name;
    }
}

// The time range as the preview card sets it on one job: the file holds
// that second only.
TEST_F(DownloadOptionsEndToEnd, TimeRangeCutsTheMedium)
{
    const DownloadJobPtr job = DownloadJob::create(server().url(LocalMediaServer::kVideoPath), MediaKind::video,
                                                   VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, "en");
    AdvancedOptions options;
    options.timeRange = TimeRange::parse("0:01-0:02").value();
    job->setAdvancedOptions(options);
    fixture->coordinator->queue().add(job);
    expectCompleted(job);
    const double seconds = MediaProbe::duration(MediaProbe::probe(job->outputPath()));
    std::cout << "time range 0:01-0:02 of a 2 s clip: " << seconds << " s\n";
    EXPECT_GT(seconds, 0.8);
    EXPECT_LT(seconds, 1.3);
}

// One file per chapter beside the whole, in the output folder.
TEST_F(DownloadOptionsEndToEnd, SplitByChaptersGivesOneFilePerChapter)
{
    fixture->settings->setDefaultMediaTypeRaw("audio");
    fixture->settings->setDefaultAudioFormatRaw("mp3");
    AdvancedOptions options;
    options.splitChapters = true;
    fixture->settings->setAdvancedDefaults(options);
    const DownloadJobPtr job = download(server().url(LocalMediaServer::kDescribedPath));
    expectCompleted(job);

    const QString title = LocalMediaServer::kDescribedTitle;
    EXPECT_EQ(outputFiles(), (QStringList{title + " - 001 Opening [described].mp3",
                                          title + " - 002 Ending [described].mp3", title + " [described].mp3"}));
    for (const QString &chapter : {title + " - 001 Opening [described].mp3", title + " - 002 Ending [described].mp3"}) {
        const double seconds = MediaProbe::duration(MediaProbe::probe(fixture->outputFolder() + "/" + chapter));
        EXPECT_GT(seconds, 0.8) << chapter.toStdString();
        EXPECT_LT(seconds, 1.3) << chapter.toStdString();
    }
}

// Every request of the analysis and of the download goes through the proxy:
// the link names a host only the proxy can reach.
TEST_F(DownloadOptionsEndToEnd, ProxySeesTheAnalysisAndTheDownload)
{
    RecordingProxy proxy(QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(proxy.isReady()) << proxy.errorString().toStdString();
    AdvancedOptions options;
    options.proxy = proxy.url();
    fixture->settings->setAdvancedDefaults(options);
    fixture->settings->setDefaultMediaTypeRaw("audio");
    fixture->settings->setDefaultAudioFormatRaw("m4a");

    const QString port = server().baseUrl().section(':', -1);
    const QString link = "http://tarvelle-media.invalid:" + port + LocalMediaServer::kVideoPath;
    const DownloadJobPtr job = download(link);
    expectCompleted(job);
    EXPECT_TRUE(QFileInfo(job->outputPath()).size() > 1000);
    const QStringList requests = proxy.requests();
    EXPECT_GE(requests.count("GET " + link), 2) << requests.join('\n').toStdString();
}

// The file name template names the file (subfolders included, always inside
// the output folder), and extra arguments reach yt-dlp.
TEST_F(DownloadOptionsEndToEnd, TemplateAndExtraArgumentsNameTheFile)
{
    struct Case
    {
        QString outputTemplate;
        QStringList extraArguments;
        QString path;
        QString file; // relative to the output folder
    };
    const QList<Case> cases{
        {"%(title)s - %(id)s.%(ext)s", {}, LocalMediaServer::kDescribedPath,
         "Tarvelle Described Clip - described.mp4"},
        {"%(extractor)s/%(id)s.%(ext)s", {}, LocalMediaServer::kVideoPath, "generic/video.mp4"},
        {"", {"--restrict-filenames"}, LocalMediaServer::kDescribedPath, "Tarvelle_Described_Clip [described].mp4"},
        // An uploader may call itself "..": that is no way out of the folder.
        {"%(uploader)s/%(title)s.%(ext)s", {}, LocalMediaServer::kDescribedPath + "?uploader=..",
         "_/Tarvelle Described Clip.mp4"},
    };
    for (const Case &c : cases) {
        fixture = std::make_unique<CoordinatorFixture>(QDir(buildToolsDirectory()).absoluteFilePath(".."));
        AdvancedOptions options;
        options.outputTemplate = OutputTemplate::check(c.outputTemplate).value();
        options.extraArguments = c.extraArguments;
        fixture->settings->setAdvancedDefaults(options);
        const DownloadJobPtr job = download(server().url(c.path));
        expectCompleted(job);
        const QString expected = QDir(fixture->outputFolder()).filePath(c.file);
        EXPECT_EQ(job->outputPath().toStdString(), expected.toStdString());
        EXPECT_TRUE(QFileInfo::exists(expected)) << c.file.toStdString() << " among "
                                                 << outputFiles().join(", ").toStdString();
    }
}
