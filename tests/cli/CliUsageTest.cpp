#include "cli/CliHarness.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// Command lines tarvelle-cli refuses: a clear message on stderr, exit 2,
// nothing on stdout, and no settings file written.
TEST(CliUsage, RefusedCommandLinesExitWithTwo)
{
    ASSERT_TRUE(QFileInfo(cliPath()).isExecutable()) << "build the tarvelle-cli target first";
    struct Case
    {
        QStringList arguments;
        QString message;
    };
    const QList<Case> cases{
        {{}, "No command given"},
        {{"frobnicate"}, "Unknown command: frobnicate"},
        {{"--frobnicate"}, "Unknown option: --frobnicate"},
        {{"--version", "extra"}, "--version takes no arguments: extra"},
        {{"analyze"}, "analyze needs exactly one URL"},
        {{"analyze", "http://127.0.0.1/a", "http://127.0.0.1/b"}, "analyze needs exactly one URL"},
        {{"analyze", "--xml", "http://127.0.0.1/a"}, "Unknown option for analyze: --xml"},
        {{"analyze", "--json=yes", "http://127.0.0.1/a"}, "--json takes no value"},
        {{"download"}, "download needs at least one URL or --batch"},
        {{"download", "--audio", "flac", "http://127.0.0.1/a"},
         "Invalid value for --audio: 'flac' (expected best, mp3 or m4a)"},
        {{"download", "--quality=1080p", "http://127.0.0.1/a"},
         "Invalid value for --quality: '1080p' (expected best, 2160, 1440, 1080, 720 or 480)"},
        {{"download", "--subs", "all", "http://127.0.0.1/a"},
         "Invalid value for --subs: 'all' (expected none, original or auto)"},
        {{"download", "http://127.0.0.1/a", "--output"}, "--output needs a value"},
        {{"download", "--lang=", "http://127.0.0.1/a"},
         "Invalid value for --lang: '' (expected language codes such as en or en,de)"},
        {{"download", "--audio", "mp3", "--quality", "720", "http://127.0.0.1/a"},
         "--audio and --quality exclude each other"},
        {{"download", "--resume", "http://127.0.0.1/a"}, "Unknown option for download: --resume"},
        {{"download", "--extra-args", "--exec 'touch x'", "http://127.0.0.1/a"},
         "--extra-args: --exec runs other programs or code, which Tarvelle does not pass on."},
        {{"download", "--extra-args=--ignore-config", "http://127.0.0.1/a"},
         "--extra-args: --ignore-config changes where or how yt-dlp reads its configuration."},
        {{"download", "--limit-rate", "0K", "http://127.0.0.1/a"},
         "--limit-rate: A speed limit must be at least 1 KB/s; choose \"No limit\" for none."},
        {{"download", "http://127.0.0.1/a", "--time-range"}, "--time-range needs a value"},
        {{"download", "--items", "1-3", "http://127.0.0.1/a"}, "--items applies to a list: add --playlist"},
        {{"download", "--new-only", "http://127.0.0.1/a"}, "--new-only applies to a list: add --playlist"},
        {{"download", "--playlist", "http://127.0.0.1/a", "http://127.0.0.1/b"},
         "--playlist takes exactly one URL and no --batch"},
        {{"download", "--playlist", "--batch", "-", "http://127.0.0.1/a"},
         "--playlist takes exactly one URL and no --batch"},
        {{"download", "--playlist", "--items=", "http://127.0.0.1/a"},
         "Invalid value for --items: '' (expected entries such as 1-5,7)"},
        {{"download", "--to-window", "--playlist", "http://127.0.0.1/a"},
         "--to-window uses the window's default options: leave out --playlist"},
        {{"history", "--failed", "--success"}, "--failed and --success exclude each other"},
        {{"history", "--search"}, "--search needs a value"},
        {{"history", "everything"}, "history takes no arguments: everything"},
        {{"history", "--all"}, "Unknown option for history: --all"},
        {{"diagnostics", "--verbose"}, "Unknown option for diagnostics: --verbose"},
        {{"diagnostics", "now"}, "diagnostics takes no arguments: now"},
    };
    CliUser user;
    ASSERT_TRUE(user.isValid());
    for (const Case &c : cases) {
        const std::string name = c.arguments.join(' ').toStdString();
        const CliResult result = user.run(c.arguments);
        EXPECT_EQ(result.exitCode, 2) << name;
        EXPECT_TRUE(result.err.startsWith("tarvelle-cli: " + c.message)) << name << "\n" << result.err.toStdString();
        EXPECT_TRUE(result.err.contains("--help")) << name;
        EXPECT_TRUE(result.out.isEmpty()) << name << "\n" << result.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(user.settingsFile()));
}

// The informational options: stdout, exit 0, whatever follows --help. After
// a command word, --help explains that command and each of its options.
TEST(CliUsage, HelpAndVersion)
{
    struct Case
    {
        QStringList arguments;
        QString startOfOutput;
        QStringList alsoShown;
    };
    const QList<Case> cases{
        {{"--help"}, "Usage: tarvelle-cli COMMAND [OPTIONS]\n", {"analyze", "download", "history", "diagnostics"}},
        {{"-h"}, "Usage: tarvelle-cli COMMAND [OPTIONS]\n", {"tarvelle-cli COMMAND --help"}},
        {{"frobnicate", "--help"}, "Usage: tarvelle-cli COMMAND [OPTIONS]\n", {}},
        {{"download", "--quality", "9999", "--help"},
         "Usage: tarvelle-cli download [OPTIONS] URL...\n",
         {"--audio best|mp3|m4a", "--quality best|2160|1440|1080|720|480", "--subs none|original|auto",
          "--lang CODES", "--output DIR", "--batch FILE", "--limit-rate RATE", "--proxy URL",
          "--cookies-from-browser BROWSER[:PROFILE]", "--embed PARTS", "--sponsorblock-mark CATEGORIES",
          "--sponsorblock-remove CATEGORIES", "--time-range START-END", "--template TEMPLATE", "--split-chapters",
          "--no-split-chapters", "--concurrent-fragments N", "--extra-args ARGS", "--playlist", "--items RANGE",
          "--new-only", "--help, -h"}},
        {{"download", "--bogus", "-h"}, "Usage: tarvelle-cli download [OPTIONS] URL...\n", {}},
        {{"analyze", "--help"}, "Usage: tarvelle-cli analyze [--json] [--playlist] URL\n", {"--json", "--playlist"}},
        {{"history", "--help"},
         "Usage: tarvelle-cli history [--json] [--failed|--success] [--search TEXT]\n",
         {"--failed", "--success", "--search TEXT"}},
        {{"diagnostics", "-h"}, "Usage: tarvelle-cli diagnostics\n", {"--help, -h"}},
        {{"--version"}, QStringLiteral("tarvelle-cli %1 (%2)\n").arg(TARVELLE_VERSION, TARVELLE_BUILD_NUMBER), {}},
    };
    CliUser user;
    for (const Case &c : cases) {
        const std::string name = c.arguments.join(' ').toStdString();
        const CliResult result = user.run(c.arguments);
        EXPECT_EQ(result.exitCode, 0) << name;
        EXPECT_TRUE(result.out.startsWith(c.startOfOutput)) << name << "\n" << result.out.toStdString();
        for (const QString &text : c.alsoShown)
            EXPECT_TRUE(result.out.contains(text)) << name << ": " << text.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << name;
    }
}

// "--" ends the options: what follows is a link even when it looks like one.
TEST(CliUsage, DoubleDashEndsTheOptions)
{
    CliUser user;
    const CliResult result = user.run({"analyze", "--", "--help"});
    EXPECT_EQ(result.exitCode, 1) << result.out.toStdString();
    EXPECT_FALSE(result.out.contains("Usage:"));
}
