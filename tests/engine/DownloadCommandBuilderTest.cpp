#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadJob.h"
#include "settings/AppConfiguration.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kUrl = QStringLiteral("https://media.example/watch?v=abc&list=x");
const QString kOutput = QStringLiteral("/home/user/Downloads/Korvanth");
const RunMarkers kMarkers(QStringLiteral("5eed"));

const QString kStem = kOutput + QStringLiteral("/Clip [abc]");

// The inputs of a run whose markers carry kMarkers' token: a download under
// kStem unless told otherwise.
DownloadCommandBuilder::RunInputs marked(DownloadCommandBuilder::RunInputs inputs = {})
{
    inputs.markers = kMarkers;
    if (!inputs.decidesName && inputs.fileStem.isEmpty())
        inputs.fileStem = kStem;
    return inputs;
}

// The inputs of the run that decides the name.
DownloadCommandBuilder::RunInputs naming(DownloadCommandBuilder::RunInputs inputs = {})
{
    inputs.decidesName = true;
    return marked(inputs);
}

class DownloadCommandBuilderTest : public ::testing::Test
{
protected:
    QString tools() const { return m_resources.path() + QStringLiteral("/Tools"); }

    QTemporaryDir m_resources;
    AppConfiguration::ScopedResourcesDirectory m_scope{m_resources.path()};
};

// Restores PATH after a test changed it.
class PathGuard
{
public:
    PathGuard()
        : m_had(qEnvironmentVariableIsSet("PATH"))
        , m_value(qgetenv("PATH"))
    {
    }
    ~PathGuard()
    {
        if (m_had)
            qputenv("PATH", m_value);
        else
            qunsetenv("PATH");
    }

private:
    bool m_had;
    QByteArray m_value;
};

QString text(const QStringList &list)
{
    return QLatin1Char('"') + list.join(QStringLiteral("\" \"")) + QLatin1Char('"');
}

} // namespace

TEST_F(DownloadCommandBuilderTest, DownloadArgumentsForEachOptionCombination)
{
    struct Case
    {
        const char *name;
        MediaKind kind;
        VideoQuality quality;
        AudioFormat audio;
        SubtitleMode subtitles;
        QString lang;
        QString cookies;
        QStringList middle; // between the ffmpeg location and "-P"
    };
    const QString best1080 = "bestvideo[height<=1080]+bestaudio/best[height<=1080]/best";
    const QList<Case> cases{
        {"video best", MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none, "en", "",
         {"-f", "bestvideo+bestaudio/best", "--remux-video", "mp4"}},
        {"video 2160", MediaKind::video, VideoQuality::p2160, AudioFormat::best, SubtitleMode::none, "en", "",
         {"-f", "bestvideo[height<=2160]+bestaudio/best[height<=2160]/best", "--remux-video", "mp4"}},
        {"video 1440", MediaKind::video, VideoQuality::p1440, AudioFormat::best, SubtitleMode::none, "en", "",
         {"-f", "bestvideo[height<=1440]+bestaudio/best[height<=1440]/best", "--remux-video", "mp4"}},
        {"video 1080", MediaKind::video, VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, "en", "",
         {"-f", best1080, "--remux-video", "mp4"}},
        {"video 720", MediaKind::video, VideoQuality::p720, AudioFormat::best, SubtitleMode::none, "en", "",
         {"-f", "bestvideo[height<=720]+bestaudio/best[height<=720]/best", "--remux-video", "mp4"}},
        {"video 480", MediaKind::video, VideoQuality::p480, AudioFormat::best, SubtitleMode::none, "en", "",
         {"-f", "bestvideo[height<=480]+bestaudio/best[height<=480]/best", "--remux-video", "mp4"}},
        {"video ignores the audio format", MediaKind::video, VideoQuality::p1080, AudioFormat::mp3,
         SubtitleMode::none, "en", "", {"-f", best1080, "--remux-video", "mp4"}},
        {"audio best", MediaKind::audio, VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, "en", "",
         {"-f", "bestaudio/best", "-x"}},
        {"audio mp3", MediaKind::audio, VideoQuality::p1080, AudioFormat::mp3, SubtitleMode::none, "en", "",
         {"-f", "bestaudio/best", "-x", "--audio-format", "mp3", "--audio-quality", "192K"}},
        {"audio m4a ignores the quality", MediaKind::audio, VideoQuality::p480, AudioFormat::m4a,
         SubtitleMode::none, "en", "",
         {"-f", "bestaudio/best", "-x", "--audio-format", "m4a", "--audio-quality", "192K"}},
        {"original subtitles", MediaKind::video, VideoQuality::p1080, AudioFormat::best, SubtitleMode::original,
         "en", "",
         {"-f", best1080, "--remux-video", "mp4", "--write-subs", "--sub-format", "srt", "--sub-langs", "en"}},
        {"original subtitles without a language", MediaKind::video, VideoQuality::p1080, AudioFormat::best,
         SubtitleMode::original, "", "",
         {"-f", best1080, "--remux-video", "mp4", "--write-subs", "--sub-format", "srt", "--sub-langs", "all"}},
        {"auto subtitles, language passed untrimmed", MediaKind::video, VideoQuality::best, AudioFormat::best,
         SubtitleMode::automatic, " de,en ", "",
         {"-f", "bestvideo+bestaudio/best", "--remux-video", "mp4", "--write-auto-subs", "--sub-format", "srt",
          "--sub-langs", " de,en "}},
        {"auto subtitles without a language, audio", MediaKind::audio, VideoQuality::best, AudioFormat::mp3,
         SubtitleMode::automatic, "", "",
         {"-f", "bestaudio/best", "-x", "--audio-format", "mp3", "--audio-quality", "192K", "--write-auto-subs",
          "--sub-format", "srt", "--sub-langs", "all"}},
        {"cookies trimmed", MediaKind::video, VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, "en",
         "  /home/user/cookies file.txt \n",
         {"--cookies", "/home/user/cookies file.txt", "-f", best1080, "--remux-video", "mp4"}},
        {"blank cookies", MediaKind::video, VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, "en",
         "  \n", {"-f", best1080, "--remux-video", "mp4"}},
    };
    for (const Case &c : cases) {
        const DownloadJobPtr job = DownloadJob::create(kUrl, c.kind, c.quality, c.audio, c.subtitles, c.lang);
        const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, kOutput, c.cookies, marked());
        ASSERT_TRUE(command) << c.name;
        QStringList expected{"--ignore-config", "--no-warnings", "--no-color", "--no-playlist", "--playlist-items", "1", "--newline", "--progress",
                             "--ffmpeg-location", tools()};
        expected += c.middle;
        expected += QStringList{"-P", "home:" + kOutput, "-o",
                                kStem + ".%(ext)s",
                                "--progress-template",
                                kMarkers.progressTemplate(),
                                "--progress-template",
                                DownloadCommandBuilder::kPostprocessTemplate,
                                "--print",
                                kMarkers.filePathTemplate(),
                                kUrl};
        EXPECT_EQ(command->arguments, expected) << c.name << "\n got: " << text(command->arguments).toStdString()
                                                << "\nwant: " << text(expected).toStdString();
        EXPECT_EQ(command->executable, tools() + "/yt-dlp") << c.name;
        EXPECT_EQ(command->outputDirectory, kOutput) << c.name;
        EXPECT_EQ(command->environment, DownloadCommandBuilder::environment()) << c.name;
    }
}

// The advanced options, each in its group: connection (in place of the
// cookies file), transfer (after it), processing (after the subtitles), the
// template (in -o of the run that decides the name). At their defaults
// nothing changes.
TEST_F(DownloadCommandBuilderTest, AdvancedOptionsArguments)
{
    struct Case
    {
        const char *name;
        AdvancedOptions options;
        MediaKind kind = MediaKind::video;
        AudioFormat audio = AudioFormat::best;
        SubtitleMode subtitles = SubtitleMode::none;
        QString cookies = {};
        QStringList connection = {}; // after the ffmpeg location
        QStringList processing = {}; // after the format and subtitle arguments
        QString outputTemplate = {}; // empty: the default one
        QStringList afterOutput = {}; // after the template
    };
    const auto with = [](auto change) {
        AdvancedOptions options;
        change(options);
        return options;
    };
    const EmbedChoices everything{true, true, true, true};
    const QList<Case> cases{
        {"all defaults", {}},
        {"defaults keep the cookies file", {}, MediaKind::video, AudioFormat::best, SubtitleMode::none, " /c.txt ",
         {"--cookies", "/c.txt"}},
        {"speed limit", with([](auto &o) { o.speedLimit = SpeedLimit{500, SpeedLimit::Unit::kibibytes}; }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "", {"--limit-rate", "500K"}},
        {"speed limit and fragments", with([](auto &o) {
             o.speedLimit = SpeedLimit{2, SpeedLimit::Unit::mebibytes};
             o.concurrentFragments = 4;
         }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "", {"--limit-rate", "2M", "-N", "4"}},
        {"proxy beside the cookies file", with([](auto &o) { o.proxy = "socks5://127.0.0.1:1080"; }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "/c.txt",
         {"--cookies", "/c.txt", "--proxy", "socks5://127.0.0.1:1080"}},
        {"browser cookies replace the cookies file", with([](auto &o) {
             o.browserCookies = BrowserCookies{Browser::firefox, "Profile 1"};
             o.proxy = "http://p.example:3128";
         }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "/c.txt",
         {"--cookies-from-browser", "firefox:Profile 1", "--proxy", "http://p.example:3128"}},
        {"metadata alone keeps chapters out", with([](auto &o) { o.embed.metadata = true; }), MediaKind::video,
         AudioFormat::best, SubtitleMode::none, "", {}, {"--embed-metadata", "--no-embed-chapters"}},
        {"everything into a video with subtitles", with([&](auto &o) { o.embed = everything; }), MediaKind::video,
         AudioFormat::best, SubtitleMode::original, "", {},
         {"--embed-metadata", "--embed-chapters", "--embed-thumbnail", "--embed-subs"}},
        {"no subtitles to embed without subtitles", with([&](auto &o) { o.embed = everything; }), MediaKind::video,
         AudioFormat::best, SubtitleMode::none, "", {}, {"--embed-metadata", "--embed-chapters", "--embed-thumbnail"}},
        {"mp3 holds metadata, chapters and a thumbnail", with([&](auto &o) { o.embed = everything; }),
         MediaKind::audio, AudioFormat::mp3, SubtitleMode::automatic, "", {},
         {"--embed-metadata", "--embed-chapters", "--embed-thumbnail"}},
        {"m4a too", with([&](auto &o) { o.embed = everything; }), MediaKind::audio, AudioFormat::m4a,
         SubtitleMode::none, "", {}, {"--embed-metadata", "--embed-chapters", "--embed-thumbnail"}},
        {"audio as it comes gets no thumbnail", with([&](auto &o) { o.embed = everything; }), MediaKind::audio,
         AudioFormat::best, SubtitleMode::none, "", {}, {"--embed-metadata", "--embed-chapters"}},
        {"marked segments are chapters", with([](auto &o) {
             o.embed.metadata = true;
             o.sponsorBlockMark = {"sponsor", "intro"};
         }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "", {},
         {"--embed-metadata", "--sponsorblock-mark", "sponsor,intro"}},
        {"removed segments", with([](auto &o) { o.sponsorBlockRemove = {"sponsor", "selfpromo"}; }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "", {},
         {"--sponsorblock-remove", "sponsor,selfpromo"}},
        {"time range", with([](auto &o) { o.timeRange = TimeRange{90, 165}; }), MediaKind::video, AudioFormat::best,
         SubtitleMode::none, "", {}, {"--download-sections", "*90-165"}},
        {"split by chapters", with([](auto &o) { o.splitChapters = true; }), MediaKind::audio, AudioFormat::mp3,
         SubtitleMode::none, "", {}, {"--split-chapters"}},
        {"only what the archive does not hold", with([](auto &o) { o.skipDownloaded = true; }), MediaKind::video,
         AudioFormat::best, SubtitleMode::none, "", {"--download-archive", AppConfiguration::downloadArchivePath(), "--break-on-existing"}},
        {"extra arguments", with([](auto &o) { o.extraArguments = {"--no-mtime", "--user-agent", "UA x"}; }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "", {},
         {"--no-mtime", "--user-agent", "UA x"}},
        {"template", with([](auto &o) { o.outputTemplate = "%(uploader)s/%(title)s.%(ext)s"; }), MediaKind::video,
         AudioFormat::best, SubtitleMode::none, "", {}, {}, "%(uploader)s/%(title)s.%(ext)s",
         {"--replace-in-metadata", "uploader", "^\\.{1,2}$", "_"}},
        {"template with folders of several fields",
         with([](auto &o) { o.outputTemplate = "%(channel,uploader|x)s/%(upload_date>%Y)s %(formats.0.id)s/%(title)s.%(ext)s"; }),
         MediaKind::video, AudioFormat::best, SubtitleMode::none, "", {}, {},
         "%(channel,uploader|x)s/%(upload_date>%Y)s %(formats.0.id)s/%(title)s.%(ext)s",
         {"--replace-in-metadata", "channel,uploader,upload_date,formats", "^\\.{1,2}$", "_"}},
        {"all at once", with([](auto &o) {
             o.speedLimit = SpeedLimit{1, SpeedLimit::Unit::mebibytes};
             o.concurrentFragments = 8;
             o.proxy = "https://p.example";
             o.browserCookies = BrowserCookies{Browser::vivaldi, ""};
             o.embed = {true, false, false, false};
             o.sponsorBlockMark = {"chapter"};
             o.sponsorBlockRemove = {"outro"};
             o.timeRange = TimeRange{5, std::nullopt};
             o.splitChapters = true;
             o.outputTemplate = "%(id)s.%(ext)s";
             o.extraArguments = {"-R", "3"};
         }),
         MediaKind::audio, AudioFormat::m4a, SubtitleMode::automatic, "/c.txt",
         {"--cookies-from-browser", "vivaldi", "--proxy", "https://p.example", "--limit-rate", "1M", "-N", "8"},
         {"--embed-metadata", "--sponsorblock-mark", "chapter", "--sponsorblock-remove", "outro",
          "--download-sections", "*5-inf", "--split-chapters", "-R", "3"},
         "%(id)s.%(ext)s"},
    };
    for (const Case &c : cases) {
        const DownloadJobPtr job = DownloadJob::create(kUrl, c.kind, VideoQuality::p720, c.audio, c.subtitles, "en");
        job->setAdvancedOptions(c.options);
        const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, kOutput, c.cookies, naming());
        ASSERT_TRUE(command) << c.name;

        QStringList expected{"--ignore-config", "--no-warnings", "--no-color", "--no-playlist", "--playlist-items", "1", "--newline", "--progress",
                             "--ffmpeg-location", tools()};
        expected += c.connection;
        if (c.kind == MediaKind::video)
            expected += QStringList{"-f", "bestvideo[height<=720]+bestaudio/best[height<=720]/best", "--remux-video",
                                    "mp4"};
        else if (c.audio == AudioFormat::best)
            expected += QStringList{"-f", "bestaudio/best", "-x"};
        else
            expected += QStringList{"-f", "bestaudio/best", "-x", "--audio-format", AudioFormats::rawValue(c.audio),
                                    "--audio-quality", "192K"};
        if (c.subtitles == SubtitleMode::original)
            expected += QStringList{"--write-subs", "--sub-format", "srt", "--sub-langs", "en"};
        if (c.subtitles == SubtitleMode::automatic)
            expected += QStringList{"--write-auto-subs", "--sub-format", "srt", "--sub-langs", "en"};
        expected += c.processing;
        expected += QStringList{"-P", "home:" + kOutput, "-o",
                                kOutput + "/" +
                                    (c.outputTemplate.isEmpty() ? "%(title).180B [%(id).40B].%(ext)s" : c.outputTemplate)};
        expected += c.afterOutput;
        expected += QStringList{"--print", kMarkers.nameTemplate(), kUrl};
        EXPECT_TRUE(command->arguments == expected) << c.name << "\n got: " << text(command->arguments).toStdString()
                                                    << "\nwant: " << text(expected).toStdString();
    }
    // One archive for every download, in the user's data folder.
    EXPECT_TRUE(AppConfiguration::downloadArchivePath().endsWith("/tarvelle/download-archive.txt"));
}

// A job fetches one item: its own link's first, or, for an entry that lives
// on its list's page, that list's item of the entry's number.
TEST_F(DownloadCommandBuilderTest, AListEntryFetchesItsItem)
{
    struct Case
    {
        const char *name;
        std::optional<ListPlacement> placement;
        QStringList start;
    };
    const QList<Case> cases{
        {"a link of its own", std::nullopt, {"--ignore-config", "--no-warnings", "--no-color", "--no-playlist", "--playlist-items", "1"}},
        {"an entry with its own page", ListPlacement{"Feed", 4, false},
         {"--ignore-config", "--no-warnings", "--no-color", "--no-playlist", "--playlist-items", "1"}},
        {"an entry on the list's page", ListPlacement{"Playlist Page", 12, true},
         {"--ignore-config", "--no-warnings", "--no-color", "--yes-playlist", "--playlist-items", "12"}},
    };
    for (const Case &c : cases) {
        const DownloadJobPtr job = DownloadJob::create(kUrl, MediaKind::video, VideoQuality::p720, AudioFormat::best,
                                                       SubtitleMode::none, "en");
        job->setListPlacement(c.placement);
        const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, kOutput, "", marked());
        ASSERT_TRUE(command) << c.name;
        EXPECT_EQ(command->arguments.mid(0, 6), c.start) << c.name << ": " << text(command->arguments).toStdString();
        EXPECT_EQ(command->arguments.count("--playlist-items"), 1) << c.name;
        EXPECT_EQ(command->arguments.constLast(), kUrl) << c.name;
    }
}

// The analysis reads the site as the download will: the same cookies,
// proxy and extra arguments; at their defaults nothing changes.
TEST_F(DownloadCommandBuilderTest, AnalyzeCommandWithAdvancedOptions)
{
    AdvancedOptions options;
    options.browserCookies = BrowserCookies{Browser::chrome, "Work"};
    options.proxy = "socks5h://gate.example:9050";
    options.extraArguments = {"--user-agent", "UA x"};
    options.embed.metadata = true; // no part of the analysis
    options.speedLimit = SpeedLimit{10, SpeedLimit::Unit::kibibytes};
    const std::optional<ResolvedCommand> command = DownloadCommandBuilder::analyzeCommand(kUrl, "/c.txt", options);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->arguments,
              (QStringList{"--ignore-config", "-J", "--no-warnings", "--no-color", "--flat-playlist", "--yes-playlist", "--cookies-from-browser", "chrome:Work",
                           "--proxy", "socks5h://gate.example:9050", "--user-agent", "UA x", kUrl}));
    EXPECT_EQ(DownloadCommandBuilder::analyzeCommand(kUrl, "/c.txt", AdvancedOptions{})->arguments,
              (QStringList{"--ignore-config", "-J", "--no-warnings", "--no-color", "--flat-playlist", "--yes-playlist", "--cookies", "/c.txt", kUrl}));
}

TEST_F(DownloadCommandBuilderTest, OutputTemplateJoinsWithOneSeparator)
{
    const DownloadJobPtr job =
        DownloadJob::create(kUrl, MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none, "");
    const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, "/data/out/", "", naming());
    ASSERT_TRUE(command);
    const qsizetype at = command->arguments.indexOf("-o");
    ASSERT_GE(at, 0);
    EXPECT_EQ(command->arguments.value(at + 1), QStringLiteral("/data/out/%(title).180B [%(id).40B].%(ext)s"));
}

// After the output name: what the run is given. The run that decides the
// name prints it and saves the description (printing makes it simulate);
// a download reports its progress and final path.
TEST_F(DownloadCommandBuilderTest, RunInputsLoadOrWriteTheDescriptionAndNameTheFile)
{
    const DownloadJobPtr job =
        DownloadJob::create(kUrl, MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none, "");
    const QString template_ = "%(title).180B [%(id).40B].%(ext)s";
    const QStringList reports{"--progress-template",
                              kMarkers.progressTemplate(),
                              "--progress-template",
                              DownloadCommandBuilder::kPostprocessTemplate,
                              "--print",
                              kMarkers.filePathTemplate()};
    const auto downloadInputs = [](QString savedInfo, QString infoTarget, QString stem) {
        DownloadCommandBuilder::RunInputs inputs;
        inputs.savedInfo = std::move(savedInfo);
        inputs.infoTarget = std::move(infoTarget);
        inputs.fileStem = std::move(stem);
        return marked(inputs);
    };
    const auto namingInputs = [](QString savedInfo, QString infoTarget) {
        DownloadCommandBuilder::RunInputs inputs;
        inputs.savedInfo = std::move(savedInfo);
        inputs.infoTarget = std::move(infoTarget);
        return naming(inputs);
    };
    struct Case
    {
        const char *name;
        QString outputDir;
        DownloadCommandBuilder::RunInputs inputs;
        QString output;   // the argument after the first "-o"
        QStringList tail; // after it
    };
    const QList<Case> cases{
        {"deciding the name from the page", kOutput, namingInputs({}, "/home/user/.cache/tarvelle/info/1234"),
         kOutput + "/" + template_,
         {"--print", kMarkers.nameTemplate(), "--print-to-file", "after_filter:%()j", "/home/user/.cache/tarvelle/info/1234",
          kUrl}},
        {"deciding the name from a saved description", kOutput, namingInputs("/cache/info/1234", {}),
         kOutput + "/" + template_, {"--print", kMarkers.nameTemplate(), "--load-info-json", "/cache/info/1234", kUrl}},
        {"downloading under the name", kOutput, downloadInputs({}, {}, kOutput + "/Clip [abc] (2)"),
         kOutput + "/Clip [abc] (2).%(ext)s", reports + QStringList{kUrl}},
        {"downloading, description written", kOutput,
         downloadInputs({}, "/home/user/.cache/tarvelle/info/1234", kStem), kStem + ".%(ext)s",
         reports + QStringList{"-o", "infojson:/home/user/.cache/tarvelle/info/1234", "--write-info-json",
                               "--no-write-playlist-metafiles", "--print", kMarkers.infoFileTemplate(), kUrl}},
        {"downloading, description loaded", kOutput, downloadInputs("/cache/info/1234.info.json", {}, kStem),
         kStem + ".%(ext)s", reports + QStringList{"--load-info-json", "/cache/info/1234.info.json", kUrl}},
        {"percent signs stay literal", "/data/100%(sure)",
         downloadInputs({}, "/cache/50%/1234", "/data/100%(sure)/50%(x) [abc] (2)"),
         "/data/100%%(sure)/50%%(x) [abc] (2).%(ext)s",
         reports + QStringList{"-o", "infojson:/cache/50%%/1234", "--write-info-json", "--no-write-playlist-metafiles",
                               "--print", kMarkers.infoFileTemplate(), kUrl}},
        {"percent signs stay literal where the description goes", "/data/100%(sure)",
         namingInputs({}, "/cache/50%/1234"), "/data/100%%(sure)/" + template_,
         {"--print", kMarkers.nameTemplate(), "--print-to-file", "after_filter:%()j", "/cache/50%%/1234", kUrl}},
    };
    for (const Case &c : cases) {
        const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, c.outputDir, "", c.inputs);
        ASSERT_TRUE(command) << c.name;
        const QStringList &arguments = command->arguments;
        const qsizetype output = arguments.indexOf("-o");
        ASSERT_GE(output, 0) << c.name;
        EXPECT_EQ(arguments.value(output + 1), c.output) << c.name;
        EXPECT_EQ(arguments.mid(output + 2), c.tail) << c.name << "\n got: " << text(arguments.mid(output + 2)).toStdString();
        EXPECT_EQ(command->outputDirectory, c.outputDir) << c.name;
    }
}

TEST_F(DownloadCommandBuilderTest, NoCommandForABadLinkOrWithoutTools)
{
    const DownloadJobPtr bad =
        DownloadJob::create("ftp://media.example/a", MediaKind::video, VideoQuality::best, AudioFormat::best,
                            SubtitleMode::none, "");
    EXPECT_FALSE(DownloadCommandBuilder::build(*bad, kOutput, ""));
    EXPECT_FALSE(DownloadCommandBuilder::analyzeCommand("ftp://media.example/a", ""));

    const DownloadJobPtr good =
        DownloadJob::create(kUrl, MediaKind::video, VideoQuality::best, AudioFormat::best, SubtitleMode::none, "");
    AppConfiguration::ScopedResourcesDirectory none(std::nullopt);
    EXPECT_FALSE(DownloadCommandBuilder::build(*good, kOutput, ""));
    EXPECT_FALSE(DownloadCommandBuilder::analyzeCommand(kUrl, ""));
    EXPECT_TRUE(DownloadCommandBuilder::environment().isEmpty());
}

TEST_F(DownloadCommandBuilderTest, AnalyzeCommand)
{
    struct Case
    {
        QString cookies;
        QStringList expected;
    };
    const QList<Case> cases{
        {"", {"--ignore-config", "-J", "--no-warnings", "--no-color", "--flat-playlist", "--yes-playlist", kUrl}},
        {" \n", {"--ignore-config", "-J", "--no-warnings", "--no-color", "--flat-playlist", "--yes-playlist", kUrl}},
        {"\t/c/cookies.txt  ", {"--ignore-config", "-J", "--no-warnings", "--no-color", "--flat-playlist", "--yes-playlist", "--cookies", "/c/cookies.txt", kUrl}},
    };
    for (const Case &c : cases) {
        const std::optional<ResolvedCommand> command = DownloadCommandBuilder::analyzeCommand(kUrl, c.cookies);
        ASSERT_TRUE(command);
        EXPECT_EQ(command->arguments, c.expected) << text(command->arguments).toStdString();
        EXPECT_EQ(command->executable, tools() + "/yt-dlp");
        EXPECT_EQ(command->outputDirectory, AppConfiguration::defaultOutputDir());
        EXPECT_EQ(command->environment, DownloadCommandBuilder::environment());
    }
}

TEST_F(DownloadCommandBuilderTest, EnvironmentPutsTheToolsFirstOnThePath)
{
    PathGuard guard;
    qputenv("PATH", "/usr/local/bin:/usr/bin");
    EXPECT_EQ(DownloadCommandBuilder::environment(),
              (QHash<QString, QString>{{"PATH", tools() + ":/usr/local/bin:/usr/bin"}}));
    qunsetenv("PATH");
    EXPECT_EQ(DownloadCommandBuilder::environment(), (QHash<QString, QString>{{"PATH", tools() + ":"}}));
}

TEST(DownloadCommandBuilder, CookieArguments)
{
    EXPECT_EQ(DownloadCommandBuilder::cookieArguments(""), QStringList());
    EXPECT_EQ(DownloadCommandBuilder::cookieArguments("  \n\t"), QStringList());
    EXPECT_EQ(DownloadCommandBuilder::cookieArguments(" /a b/c.txt\n"), (QStringList{"--cookies", "/a b/c.txt"}));
    EXPECT_EQ(DownloadCommandBuilder::cookieArguments("-c.txt"), (QStringList{"--cookies", "-c.txt"}));
}

TEST(DownloadCommandBuilder, ValidateURL)
{
    struct Case
    {
        QString text;
        bool valid;
    };
    const QList<Case> cases{
        {"https://www.example.com/watch?v=abc", true},
        {"http://example.com", true},
        {"HTTPS://EXAMPLE.COM/A", true},
        {"hTtP://example.com/", true},
        {"http://127.0.0.1:8080/video.mp4", true},
        {"http://[::1]:8080/v", true},
        {"https://user:pw@example.com/v", true},
        {"https://例え.jp/パス", true},
        {"ftp://example.com/file", false},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"data:text/html,hi", false},
        {"mailto:someone@example.com", false},
        {"example.com/watch", false},
        {"www.example.com", false},
        {"//example.com/path", false},
        {"https://", false},
        {"https:///path", false},
        {"https:example.com", false},
        {" https://example.com", false},
        {"https://example.com ", false},
        {"https://example.com/a b", false},
        {"https://example.com/\nhttps://other.example", false},
        {"https://exa\tmple.com", false},
        {"https://example.com/%zz", false},
        {"", false},
        {"-https://example.com", false},
        {"--exec=rm", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DownloadCommandBuilder::validateURL(c.text), c.valid) << c.text.toStdString();
}
