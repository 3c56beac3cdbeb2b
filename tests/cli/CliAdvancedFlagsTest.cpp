#include "cli/CliArguments.h"
#include "cli/CliHarness.h"
#include "support/LocalMediaServer.h"
#include "support/MediaProbe.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kLink = QStringLiteral("https://media.example/v");

// Stored defaults the flags are laid over.
AdvancedOptions storedDefaults()
{
    AdvancedOptions options;
    options.speedLimit = SpeedLimit{300, SpeedLimit::Unit::kibibytes};
    options.proxy = QStringLiteral("http://stored.example:3128");
    options.browserCookies = BrowserCookies{Browser::firefox, QString()};
    options.embed = {true, false, true, false};
    options.sponsorBlockMark = {QStringLiteral("sponsor")};
    options.outputTemplate = QStringLiteral("%(id)s.%(ext)s");
    options.splitChapters = true;
    options.concurrentFragments = 3;
    options.extraArguments = {QStringLiteral("--no-mtime")};
    return options;
}

} // namespace

// Each flag replaces its stored default for the run; the others are kept.
TEST(CliAdvancedFlags, FlagsReplaceTheirStoredDefaults)
{
    struct Case
    {
        QStringList flags;
        std::function<void(AdvancedOptions &)> expected; // applied to the stored defaults
    };
    const QList<Case> cases{
        {{}, [](AdvancedOptions &) {}},
        {{"--limit-rate", "2M"}, [](auto &o) { o.speedLimit = SpeedLimit{2, SpeedLimit::Unit::mebibytes}; }},
        {{"--limit-rate=none"}, [](auto &o) { o.speedLimit.reset(); }},
        {{"--proxy", "socks5://127.0.0.1:1080"}, [](auto &o) { o.proxy = "socks5://127.0.0.1:1080"; }},
        {{"--proxy", "none"}, [](auto &o) { o.proxy.clear(); }},
        {{"--cookies-from-browser", "chrome:Profile 1"},
         [](auto &o) { o.browserCookies = BrowserCookies{Browser::chrome, "Profile 1"}; }},
        {{"--cookies-from-browser", "none"}, [](auto &o) { o.browserCookies.reset(); }},
        {{"--embed", "thumbnail,subs"}, [](auto &o) { o.embed = {false, true, false, true}; }},
        {{"--embed", "none"}, [](auto &o) { o.embed = {}; }},
        {{"--sponsorblock-mark", "none", "--sponsorblock-remove", "sponsor,outro"},
         [](auto &o) {
             o.sponsorBlockMark.clear();
             o.sponsorBlockRemove = {"sponsor", "outro"};
         }},
        {{"--time-range", "1:30-2:45"}, [](auto &o) { o.timeRange = TimeRange{90, 165}; }},
        {{"--template", "%(uploader)s/%(title)s.%(ext)s"},
         [](auto &o) { o.outputTemplate = "%(uploader)s/%(title)s.%(ext)s"; }},
        {{"--template", "default"}, [](auto &o) { o.outputTemplate.clear(); }},
        {{"--no-split-chapters"}, [](auto &o) { o.splitChapters = false; }},
        {{"--split-chapters"}, [](auto &) {}},
        {{"--concurrent-fragments", "8"}, [](auto &o) { o.concurrentFragments = 8; }},
        {{"--extra-args", "--user-agent 'UA x' -R 3"},
         [](auto &o) { o.extraArguments = {"--user-agent", "UA x", "-R", "3"}; }},
        {{"--extra-args="}, [](auto &o) { o.extraArguments.clear(); }},
    };
    for (const Case &c : cases) {
        const std::string name = c.flags.join(' ').toStdString();
        const CliParseResult result = CliArguments::parse(QStringList{"download"} + c.flags + QStringList{kLink});
        ASSERT_TRUE(result.command) << name << ": " << result.error.toStdString();
        const auto *request = std::get_if<DownloadRequest>(&*result.command);
        ASSERT_NE(request, nullptr) << name;
        AdvancedOptions expected = storedDefaults();
        c.expected(expected);
        EXPECT_TRUE(request->advanced.over(storedDefaults()) == expected) << name;
        EXPECT_EQ(request->urls, QStringList{kLink}) << name;
    }
}

// The stored defaults above already split chapters: this shows the flag
// itself turns splitting on.
TEST(CliAdvancedFlags, SplitChaptersReplacesAStoredNo)
{
    const CliParseResult result = CliArguments::parse({"download", "--split-chapters", kLink});
    ASSERT_TRUE(result.command) << result.error.toStdString();
    const auto *request = std::get_if<DownloadRequest>(&*result.command);
    ASSERT_NE(request, nullptr);
    AdvancedOptions stored = storedDefaults();
    stored.splitChapters = false;
    AdvancedOptions expected = stored;
    expected.splitChapters = true;
    EXPECT_TRUE(request->advanced.over(stored) == expected);
}

// A value the window would refuse is refused here, with the same sentence.
TEST(CliAdvancedFlags, RefusedValuesNameTheirFlag)
{
    struct Case
    {
        QStringList flags;
        QString message;
    };
    const QList<Case> cases{
        {{"--limit-rate", "fast"},
         "--limit-rate: Give a speed such as 500K or 2M (kilobytes or megabytes per second)."},
        {{"--proxy", "proxy.example:3128"}, "--proxy: A proxy starts with http://, https://, socks4://, socks4a://, "
                                            "socks5:// or socks5h://, as in socks5://127.0.0.1:1080."},
        {{"--proxy", ""}, "--proxy: give a proxy URL, or none"},
        {{"--cookies-from-browser", "safari"},
         "--cookies-from-browser: Name one of these browsers: firefox, chromium, chrome, brave, edge, opera, "
         "vivaldi."},
        {{"--embed", "lyrics"},
         "--embed: \"lyrics\" cannot be embedded; use metadata, thumbnail, chapters, subs, all or none."},
        {{"--sponsorblock-remove", "chapter"},
         "--sponsorblock-remove: \"chapter\" is no SponsorBlock category here; use sponsor, intro, outro, selfpromo, "
         "preview, filler, interaction, music_offtopic, all or none."},
        {{"--time-range", "2:00-1:00"}, "--time-range: The end must come after the start."},
        {{"--template", "/tmp/%(title)s.%(ext)s"},
         "--template: The template names a file inside the output folder: do not start it with / or ~."},
        {{"--template", ""}, "--template: give a template, or default"},
        {{"--concurrent-fragments", "64"}, "--concurrent-fragments: Concurrent fragments are a whole number from 1 "
                                           "to 16."},
        {{"--extra-args", "--exec 'rm -rf ~'"},
         "--extra-args: --exec runs other programs or code, which Tarvelle does not pass on."},
        {{"--extra-args", "--config-locations x.conf"},
         "--extra-args: --config-locations changes where or how yt-dlp reads its configuration."},
        {{"--extra-args", "--cookies c.txt"},
         "--extra-args: --cookies has a setting of its own: use \"Cookies file\"."},
        {{"--extra-args", "-o 'x.%(ext)s'"}, "--extra-args: -o decides where the file goes or what it is called: the "
                                           "output folder and the file name template do that."},
        {{"--extra-args", "--batch-file links.txt"},
         "--extra-args: --batch-file would make yt-dlp fetch other links than this one."},
        {{"--extra-args", "'unclosed"}, "--extra-args: A quote (') is not closed."},
        {{"--split-chapters", "--no-split-chapters"}, "--split-chapters and --no-split-chapters exclude each other"},
    };
    for (const Case &c : cases) {
        const std::string name = c.flags.join(' ').toStdString();
        const CliParseResult result = CliArguments::parse(QStringList{"download"} + c.flags + QStringList{kLink});
        EXPECT_FALSE(result.command) << name;
        EXPECT_EQ(result.error.toStdString(), c.message.toStdString()) << name;
    }
}

// The flags reach the download: the template names the file, the embedded
// metadata is in it, the time range cut it.
TEST(CliAdvancedFlags, ADownloadWithFlags)
{
    ASSERT_TRUE(QFileInfo(TestSupport::buildToolsDirectory() + "/yt-dlp").isExecutable())
        << "run scripts/bootstrap-tools.sh on the build tree first";
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    CliUser user;
    QTemporaryDir output;
    const CliResult result =
        user.run({"download", "--audio", "m4a", "--output", output.path(), "--template", "%(id)s - %(title)s.%(ext)s",
                  "--embed", "metadata", "--time-range", "0:01-", "--limit-rate", "1M", "--extra-args",
                  "--no-mtime", server.url(LocalMediaServer::kDescribedPath)});
    ASSERT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
    const QString file = QDir(output.path()).filePath("described - " + LocalMediaServer::kDescribedTitle + ".m4a");
    ASSERT_TRUE(QFileInfo::exists(file)) << QDir(output.path()).entryList().join(", ").toStdString();
    const QJsonObject probed = MediaProbe::probe(file);
    EXPECT_EQ(probed.value("format").toObject().value("tags").toObject().value("title").toString().toStdString(),
              LocalMediaServer::kDescribedTitle.toStdString());
    EXPECT_LT(MediaProbe::duration(probed), 1.3);
    EXPECT_FALSE(QFileInfo::exists(user.settingsFile()));
}
