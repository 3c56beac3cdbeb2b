#include "diagnostics/DiagnosticsPresentation.h"

#include <gtest/gtest.h>

namespace {

ToolDiagnostic present(const QString &name, std::optional<QString> version, std::optional<bool> matches,
                       bool executable = true)
{
    ToolDiagnostic tool;
    tool.name = name;
    tool.exists = true;
    tool.executable = executable;
    tool.version = std::move(version);
    tool.path = "/home/ana/tarvelle/share/tarvelle/Tools/" + name;
    tool.matchesManifest = matches;
    return tool;
}

ToolDiagnostic missing(const QString &name)
{
    ToolDiagnostic tool;
    tool.name = name;
    tool.note = "Not found in app bundle Resources/Tools";
    return tool;
}

TEST(DiagnosticsPresentation, ToolStatus)
{
    const QList<std::pair<ToolDiagnostic, DiagnosticStatusInfo>> cases = {
        {missing("deno"), {"xmark.circle", "Missing", SemanticColor::red, "deno Missing"}},
        {present("ffmpeg", "5.1", false, false),
         {"exclamationmark.triangle", "Warning", SemanticColor::orange, "ffmpeg warning: SHA-256 mismatch"}},
        {present("yt-dlp", "2023.03.04", true),
         {"checkmark.circle", "Available", SemanticColor::green, "yt-dlp Available, version 2023.03.04"}},
        {present("yt-dlp", std::nullopt, std::nullopt),
         {"checkmark.circle", "Available", SemanticColor::green, "yt-dlp Available, version unknown"}},
        {present("yt-dlp", "", true),
         {"checkmark.circle", "Available", SemanticColor::green, "yt-dlp Available, version "}},
        {present("ffprobe", "5.1", std::nullopt, false),
         {"exclamationmark.triangle", "Not executable", SemanticColor::orange, "ffprobe present but not executable"}},
    };
    for (const auto &[tool, expected] : cases)
        EXPECT_EQ(DiagnosticsPresentation::statusFor(tool), expected) << expected.accessibilityLabel.toStdString();
}

TEST(DiagnosticsPresentation, ManifestLabel)
{
    EXPECT_EQ(DiagnosticsPresentation::manifestLabel(true), (ManifestCheckLabel{"Verified", SemanticColor::green}));
    EXPECT_EQ(DiagnosticsPresentation::manifestLabel(false), (ManifestCheckLabel{"Mismatch", SemanticColor::red}));
    EXPECT_EQ(DiagnosticsPresentation::manifestLabel(std::nullopt),
              (ManifestCheckLabel{"n/a", SemanticColor::secondary}));
}

TEST(DiagnosticsPresentation, PathsShortenedAndRedacted)
{
    const QList<std::pair<std::optional<QString>, QString>> shortened = {
        {std::nullopt, "-"},
        {"/usr/bin/uname", "/usr/bin/uname"},
        {"/opt/tarvelle/share/tarvelle/Tools/yt-dlp", QString::fromUtf8("\xe2\x80\xa6/Tools/yt-dlp")},
        {"a/b/c/d", QString::fromUtf8("\xe2\x80\xa6/c/d")},
        {"//a//b//c", "//a//b//c"},
    };
    for (const auto &[path, expected] : shortened)
        EXPECT_EQ(DiagnosticsPresentation::displayPath(path), expected) << path.value_or("(none)").toStdString();

    const QList<std::tuple<QString, QString, QString>> redacted = {
        {"/home/ana/Tools/yt-dlp", "/home/ana", "/home/<user>/Tools/yt-dlp"},
        {"/home/anabel/x", "/home/ana", "/home/anabel/x"},
        {"/home/anabel", "/home/ana", "/home/anabel"},
        {"/home/ana", "/home/ana", "/home/<user>"},
        {"/home/ana/", "/home/ana", "/home/<user>/"},
        {"/home/ana/x", "/home/ana/", "/home/<user>/x"},
        {"/home/ana.old/x", "/home/ana", "/home/ana.old/x"},
        {"/usr/bin/uname", "/", "/usr/bin/uname"},
        {"/opt/x/home/ana", "/home/ana", "/opt/x/home/ana"},
        {"/usr/bin/uname", "/home/ana", "/usr/bin/uname"},
        {"/home/ana/x", "", "/home/ana/x"},
    };
    for (const auto &[path, home, expected] : redacted)
        EXPECT_EQ(DiagnosticsPresentation::redactedPath(path, home), expected) << path.toStdString();
}

TEST(DiagnosticsPresentation, RowIdentifiers)
{
    const QList<std::pair<QString, QString>> cases = {
        {"yt-dlp", "diagnosticsYTDLP"}, {"ffmpeg", "diagnosticsFFmpeg"}, {"ffprobe", "diagnosticsFFprobe"},
        {"deno", "diagnosticsDeno"},    {"FFmpeg", "diagnosticsTool-FFmpeg"},
    };
    for (const auto &[name, expected] : cases)
        EXPECT_EQ(DiagnosticsPresentation::identifier(name), expected);
}

TEST(DiagnosticsPresentation, ReportTextWhole)
{
    EngineDiagnosticsReport report;
    report.architecture = "x86_64";
    report.manifestPresent = true;
    report.tools = {present("yt-dlp", "2023.03.04", true), present("ffmpeg", "", false),
                    present("ffprobe", std::nullopt, std::nullopt), missing("deno")};
    report.tools[2].path = "/home/anabel/bin/ffprobe"; // a neighbour of the home folder

    EXPECT_EQ(DiagnosticsPresentation::reportText(report, "/home/ana"),
              "Tarvelle Diagnostics\n"
              "Architecture: x86_64\n"
              "Manifest present: true\n"
              "- yt-dlp: exists=true version=2023.03.04 path=/home/<user>/tarvelle/share/tarvelle/Tools/yt-dlp "
              "shaMatch=true\n"
              "- ffmpeg: exists=true version= path=/home/<user>/tarvelle/share/tarvelle/Tools/ffmpeg shaMatch=false\n"
              "- ffprobe: exists=true version=- path=/home/anabel/bin/ffprobe shaMatch=n/a\n"
              "- deno: exists=false version=- path=- shaMatch=n/a\n"
              "JavaScript challenges: not ready (deno is missing)\n");

    // A user copy in use, its age at the report's time, and a passed-over copy.
    report.generatedAt = QDateTime(QDate(2026, 12, 10), QTime(12, 0));
    report.tools[0].source = ToolSource::user;
    report.tools[0].releaseDate = QDate(2026, 9, 1);
    report.tools[3].userCopyIgnored = "Its file in the user tool folder is missing or not executable.";
    const QStringList lines = DiagnosticsPresentation::reportText(report, "/home/ana").split('\n');
    EXPECT_TRUE(lines[3].endsWith(" shaMatch=true source=user age=100d outdated")) << lines[3].toStdString();
    EXPECT_EQ(lines[6], "- deno: exists=false version=- path=- shaMatch=n/a");
    EXPECT_EQ(lines[7], "  user copy not used: Its file in the user tool folder is missing or not executable.");
    report.tools[0].releaseDate = QDate(2026, 10, 1);
    EXPECT_TRUE(DiagnosticsPresentation::reportText(report, "/home/ana").contains("source=user age=70d\n"));

    EngineDiagnosticsReport empty;
    EXPECT_EQ(DiagnosticsPresentation::reportText(empty, "/home/ana"),
              "Tarvelle Diagnostics\nArchitecture: \nManifest present: false\n"
              "JavaScript challenges: not ready (deno is missing)\n");
}

// Ready names the deno version that runs the solver; otherwise the reason.
TEST(DiagnosticsPresentation, JavaScriptChallengesLine)
{
    using JsChallenges::Readiness;
    const QList<std::pair<Readiness, QString>> cases = {
        {Readiness::ready, "JavaScript challenges: ready (deno 2.9.6, solver fetched when needed)"},
        {Readiness::turnedOff, "JavaScript challenges: not ready (turned off in Settings)"},
        {Readiness::ytDlpTooOld, "JavaScript challenges: not ready (yt-dlp is too old; update it)"},
        {Readiness::denoMissing, "JavaScript challenges: not ready (deno is missing)"},
        {Readiness::ytDlpMissing, "JavaScript challenges: not ready (yt-dlp is missing)"},
    };
    for (const auto &[readiness, line] : cases) {
        EngineDiagnosticsReport report;
        report.tools = {present("yt-dlp", "2026.10.26", true),
                        present("deno", "deno 2.9.6 (stable, release, x86_64-unknown-linux-gnu)", true)};
        report.jsChallenges = readiness;
        EXPECT_EQ(DiagnosticsPresentation::jsChallengesLine(report), line);
        EXPECT_TRUE(DiagnosticsPresentation::reportText(report, "/home/ana").endsWith(line + "\n"));
    }
}

} // namespace
