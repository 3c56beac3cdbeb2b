#include "engine/YtDlpOptions.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

// Asks a yt-dlp's own parser (in the interpreter its first line names) for
// every option it declares ("ARITY SPELLING..." lines), then how it reads
// each probe spelling ("PROBE OPTION-NAME", "PROBE ambiguous", "PROBE unknown").
const char *const kIntrospection = R"(
import optparse, sys
sys.path.insert(0, sys.argv[1])
from yt_dlp.options import create_parser
parser = create_parser()
for option in parser._get_all_options():
    print(option.nargs if option.takes_value() else 0, *option._short_opts, *option._long_opts)
for probe in sys.argv[2:]:
    try:
        print('PROBE', probe, parser._match_long_opt(probe))
    except optparse.AmbiguousOptionError:
        print('PROBE', probe, 'ambiguous')
    except optparse.BadOptionError:
        print('PROBE', probe, 'unknown')
)";

const QStringList kProbes{"--exec",       "--exec-b",   "--exe",        "--netrc-c",     "--config-loc",
                          "--no-config",  "--no-con",   "--ignore-c",   "--use-post",    "--limit",
                          "--output",     "--out",      "--print",      "--print-to",    "--downl",
                          "--ffmpeg-loc", "--alia",     "--frobnicate", "--batch",       "--load-info"};

struct Introspection
{
    QStringList declarations;
    QHash<QString, QString> probes; // spelling -> option spelling, "ambiguous" or "unknown"
};

std::optional<Introspection> introspect(const QString &tool, QString &error)
{
    QFile file(tool);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + tool;
        return std::nullopt;
    }
    const QString shebang = QString::fromUtf8(file.readLine()).trimmed();
    QStringList interpreter = shebang.mid(2).split(' ', Qt::SkipEmptyParts);
    if (!shebang.startsWith("#!") || interpreter.isEmpty()) {
        error = tool + " is no script";
        return std::nullopt;
    }
    QProcess python;
    const QString program = interpreter.takeFirst();
    python.start(program, interpreter + QStringList{"-c", kIntrospection, tool} + kProbes);
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        error = QString::fromUtf8(python.readAllStandardError());
        return std::nullopt;
    }
    Introspection result;
    for (const QString &line : QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("PROBE ")) {
            const QStringList parts = line.split(' ');
            result.probes.insert(parts.value(1), parts.value(2));
        } else {
            result.declarations.append(line);
        }
    }
    return result;
}

// Every option the tool declares is in the table with the same value count,
// all its spellings on one entry; abbreviations are read as the tool reads them.
void expectTableMatches(const QString &tool)
{
    QString error;
    const std::optional<Introspection> tool_ = introspect(tool, error);
    ASSERT_TRUE(tool_) << error.toStdString();
    ASSERT_GT(tool_->declarations.size(), 250);
    for (const QString &line : tool_->declarations) {
        QStringList parts = line.split(' ');
        const int arity = parts.takeFirst().toInt();
        const YtDlpOptions::Option *first = nullptr;
        for (const QString &spelling : parts) {
            const YtDlpOptions::Option *option = spelling.startsWith("--")
                                                     ? YtDlpOptions::matchLong(spelling).option
                                                     : YtDlpOptions::findShort(spelling.at(1));
            ASSERT_NE(option, nullptr) << spelling.toStdString();
            EXPECT_TRUE(option->names.contains(spelling)) << spelling.toStdString();
            EXPECT_EQ(option->arity, arity) << spelling.toStdString();
            if (!first)
                first = option;
            EXPECT_EQ(option, first) << line.toStdString();
        }
    }
    // The table holds the options of both versions, so it may know an
    // option this tool does not (and then refuses an abbreviation the tool
    // alone would read as another option): never the other way round.
    QSet<QString> declared;
    for (const QString &line : tool_->declarations) {
        const QStringList parts = line.split(' ');
        declared.unite(QSet<QString>(parts.begin() + 1, parts.end()));
    }
    const auto knownToTool = [&declared](const YtDlpOptions::Option *option) {
        return std::any_of(option->names.begin(), option->names.end(),
                           [&declared](const QString &name) { return declared.contains(name); });
    };
    for (const QString &probe : kProbes) {
        const YtDlpOptions::LongMatch match = YtDlpOptions::matchLong(probe);
        const QString reading = tool_->probes.value(probe);
        const std::string name = probe.toStdString() + " is " + reading.toStdString() + " to the tool";
        if (reading == "unknown") {
            EXPECT_TRUE(!match.option || !knownToTool(match.option)) << name;
            for (const YtDlpOptions::Option *candidate : match.candidates)
                EXPECT_FALSE(knownToTool(candidate)) << name;
        } else if (reading == "ambiguous") {
            EXPECT_EQ(match.option, nullptr) << name;
            EXPECT_GE(match.candidates.size(), 2) << name;
        } else if (match.option) {
            EXPECT_TRUE(match.option->names.contains(reading)) << name;
        } else {
            for (const YtDlpOptions::Option *candidate : match.candidates)
                EXPECT_TRUE(candidate->names.contains(reading) || !knownToTool(candidate)) << name;
        }
    }
}

} // namespace

TEST(YtDlpOptions, TableMatchesTheShippedYtDlp)
{
    const QString tool = TestSupport::buildToolsDirectory() + "/yt-dlp";
    ASSERT_TRUE(QFileInfo(tool).isExecutable()) << "run scripts/bootstrap-tools.sh on the build tree first";
    expectTableMatches(tool);
}

TEST(YtDlpOptions, TableMatchesACurrentYtDlp)
{
    const QString tool = TestSupport::currentYtDlp();
    if (tool.isEmpty())
        GTEST_SKIP() << "no current yt-dlp at ../shared/tools/yt-dlp-2026.08.19 to compare with";
    expectTableMatches(tool);
}

TEST(YtDlpOptions, ShortSpellingsAndSpellingsOfOneOption)
{
    ASSERT_NE(YtDlpOptions::findShort('o'), nullptr);
    EXPECT_EQ(YtDlpOptions::findShort('o')->name(), "--output");
    EXPECT_EQ(YtDlpOptions::findShort('o')->arity, 1);
    EXPECT_EQ(YtDlpOptions::findShort('Z'), nullptr);
    EXPECT_EQ(YtDlpOptions::matchLong(u"--rate-limit").option, YtDlpOptions::matchLong(u"--limit-rate").option);
    EXPECT_EQ(YtDlpOptions::matchLong(u"--replace-in-metadata").option->arity, 3);
}
