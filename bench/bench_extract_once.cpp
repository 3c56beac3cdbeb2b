// What one extraction per download buys, against the local media server at
// full speed:
//
//  1. Wall time of `tarvelle-cli download` next to bare yt-dlp fetching the
//     same file with the same options, in the same run, interleaved (the
//     order turns each round), for a short clip and for a master playlist of
//     2,500 variants (yt-dlp describes it in about 2 MB). With --before, an
//     older tarvelle-cli is timed in the same rounds.
//  2. yt-dlp runs per job, counted by a wrapper that notes its runs.
//  3. Time from Download to the first progress line after a preview, with
//     the preview's answer handed over, and as the coordinator did before
//     (analyse the link again, then a download that extracts it once more).
//
// usage: bench_extract_once [--rounds N] [--before OLD_TARVELLE_CLI] [--yt-dlp PATH]
#include "analysis/SavedInfo.h"
#include "analysis/YTDLPClient.h"
#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "support/CountingYtDlp.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace TestSupport;

namespace {

const QString kSelector = QStringLiteral("bestvideo[height<=720]+bestaudio/best[height<=720]/best");

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A tree as the package installs it: bin/tarvelle-cli (copied, so it finds
// share/tarvelle beside itself) and the tools, yt-dlp being `ytDlp`.
bool makeTree(const QString &root, const QString &cli, const QString &ytDlp)
{
    const QString tools = root + "/share/tarvelle/Tools";
    if (!QDir().mkpath(root + "/bin") || !QDir().mkpath(tools) || !QFile::copy(cli, root + "/bin/tarvelle-cli"))
        return false;
    QFile::setPermissions(root + "/bin/tarvelle-cli", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!QFile::link(ytDlp, tools + "/yt-dlp"))
        return false;
    for (const char *name : {"ffmpeg", "ffprobe", "deno"}) {
        if (!QFile::link(buildToolsDirectory() + "/" + name, tools + "/" + name))
            return false;
    }
    return true;
}

// Runs a program to its end with HOME (and the XDG folders) at `home`;
// seconds of wall time, or a negative number when it failed.
double timed(const QString &program, const QStringList &arguments, const QString &home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/.config");
    environment.insert("XDG_DATA_HOME", home + "/.local/share");
    environment.insert("XDG_CACHE_HOME", home + "/.cache");
    environment.insert("PATH", buildToolsDirectory() + ":" + qEnvironmentVariable("PATH"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program), process.readAll().constData());
        return -1;
    }
    return clock.nsecsElapsed() / 1e9;
}

struct Contender
{
    QString name;
    QString program;
    // The arguments for a download of `url` into `folder`.
    std::function<QStringList(const QString &url, const QString &folder)> arguments;
    QString home;
};

void compareWallTimes(const QList<Contender> &contenders, const QStringList &urls, int rounds, QTemporaryDir &dir)
{
    std::printf("\n1. Wall time of one download, %d rounds, interleaved (seconds; median, min, max)\n", rounds);
    for (const QString &url : urls) {
        std::map<QString, QList<double>> seconds;
        int folder = 0;
        for (int round = 0; round < rounds; ++round) {
            for (qsizetype i = 0; i < contenders.size(); ++i) {
                const Contender &c = contenders[(i + round) % contenders.size()];
                const QString output = dir.filePath(QStringLiteral("out/%1").arg(++folder));
                QDir().mkpath(output);
                seconds[c.name].append(timed(c.program, c.arguments(url, output), c.home));
            }
        }
        std::printf("  %s\n", qPrintable(url));
        const double bare = median(seconds["bare yt-dlp"]);
        for (const Contender &c : contenders) {
            const QList<double> &values = seconds[c.name];
            if (const auto failed = std::count_if(values.begin(), values.end(), [](double v) { return v < 0; })) {
                std::printf("    %-22s failed %lld of %lld times\n", qPrintable(c.name), static_cast<long long>(failed),
                            static_cast<long long>(values.size()));
                continue;
            }
            std::printf("    %-22s %6.2f  %6.2f  %6.2f   %.2fx bare yt-dlp\n", qPrintable(c.name), median(values),
                        *std::min_element(values.begin(), values.end()),
                        *std::max_element(values.begin(), values.end()), median(values) / bare);
        }
    }
}

void countRuns(const QString &cli, const QString &label, const QString &ytDlp, const QString &url,
               QTemporaryDir &dir)
{
    CountingYtDlp counting(ytDlp);
    const QString root = dir.filePath("counted-" + label);
    const QString tools = root + "/share/tarvelle/Tools";
    if (!counting.isValid() || !QDir().mkpath(root + "/bin") || !QDir().mkpath(QFileInfo(tools).path())
        || !QFile::copy(cli, root + "/bin/tarvelle-cli")
        || !QFile::link(counting.resourcesDirectory() + "/Tools", tools)) {
        std::printf("    %-22s cannot prepare the counting tree\n", qPrintable(label));
        return;
    }
    QFile::setPermissions(root + "/bin/tarvelle-cli", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString output = dir.filePath("counted-out-" + label);
    QDir().mkpath(output);
    const QString home = dir.filePath("counted-home-" + label);
    if (timed(root + "/bin/tarvelle-cli", {"download", "--quality", "720", "--output", output, url}, home) < 0) {
        std::printf("    %-22s failed after %lld run(s) of yt-dlp\n", qPrintable(label),
                    static_cast<long long>(counting.runs().size()));
        return;
    }
    std::printf("    %-22s %lld run(s) of yt-dlp, %d extraction(s)\n", qPrintable(label),
                static_cast<long long>(counting.runs().size()), counting.extractions());
}

// Seconds from queueing the job to its first progress line, after a preview
// analysed `url`. `handOver`: the job gets the preview's answer; otherwise
// the link is analysed again first, as the coordinator did before.
double downloadAfterPreview(const QString &url, bool handOver, QTemporaryDir &dir, int run)
{
    const QString base = dir.filePath(QStringLiteral("preview-%1").arg(run));
    AppSettings settings(base + "/settings.json");
    settings.setDefaultOutputDirectory(base + "/out");
    PersistenceController persistence(base + "/history.sqlite");
    HistoryStore history(persistence.context());
    DownloadCoordinator coordinator(history, settings, nullptr);

    const auto preview = waitFor(coordinator.client().analyze(url, {}, YTDLPClient::KeepInfo::yes), 600s);
    if (!preview || !preview->hasMetadata())
        return -1;
    QElapsedTimer clock;
    clock.start();
    auto job = DownloadJob::create(preview->metadata().webpageUrl, MediaKind::video, VideoQuality::p720,
                                   AudioFormat::best, SubtitleMode::none, QString());
    job->setMetadata(preview->metadata());
    if (handOver) {
        job->setSavedInfo(preview->savedInfo());
    } else if (!waitFor(coordinator.client().analyze(url), 600s)) {
        return -1;
    }
    coordinator.queue().add(job);
    if (!waitUntil([&] { return job->downloadedBytes() > 0 || DownloadStatuses::isTerminal(job->status()); }, 600s)
        || job->downloadedBytes() == 0)
        return -1;
    const double seconds = clock.nsecsElapsed() / 1e9;
    waitUntil([&] { return DownloadStatuses::isTerminal(job->status()); }, 600s);
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"rounds", "Rounds of each comparison.", "N", "5"});
    parser.addOption({"before", "An older tarvelle-cli to time beside this one.", "PATH"});
    parser.addOption({"yt-dlp", "The yt-dlp to use (the build tree's by default).", "PATH"});
    parser.addHelpOption();
    parser.process(app);
    const int rounds = std::max(1, parser.value("rounds").toInt());
    const QString ytDlp = parser.isSet("yt-dlp") ? QFileInfo(parser.value("yt-dlp")).absoluteFilePath()
                                                 : buildToolsDirectory() + "/yt-dlp";
    const QString cli = QStringLiteral(TARVELLE_BUILD_DIR "/bin/tarvelle-cli");

    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
    LocalMediaServer server;
    if (!server.isReady()) {
        std::fprintf(stderr, "no media server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    const QStringList urls{server.url(LocalMediaServer::kVideoPath), server.url(server.addMasterPlaylist(2500))};
    std::printf("yt-dlp: %s\n", qPrintable(ytDlp));

    QList<Contender> contenders;
    const auto cliArguments = [](const QString &url, const QString &folder) {
        return QStringList{"download", "--quality", "720", "--output", folder, url};
    };
    const auto addCli = [&](const QString &name, const QString &program) {
        const QString root = dir.filePath("tree-" + QString::number(contenders.size()));
        if (!makeTree(root, program, ytDlp)) {
            std::fprintf(stderr, "cannot make a tree for %s\n", qPrintable(program));
            return false;
        }
        contenders.append({name, root + "/bin/tarvelle-cli", cliArguments, dir.filePath("home-" + name)});
        return true;
    };
    if (!addCli("tarvelle-cli", cli) || (parser.isSet("before") && !addCli("tarvelle-cli before", parser.value("before"))))
        return 1;
    // The options the download command gives that change what yt-dlp does.
    contenders.append({"bare yt-dlp", ytDlp,
                       [](const QString &url, const QString &folder) {
                           return QStringList{"--no-warnings", "--no-color", "--no-playlist", "--newline", "--progress",
                                              "--ffmpeg-location", buildToolsDirectory(), "-f", kSelector,
                                              "--remux-video", "mp4", "-o",
                                              folder + "/%(title).180B [%(id).40B].%(ext)s", url};
                       },
                       dir.filePath("home-bare")});
    compareWallTimes(contenders, urls, rounds, dir);

    std::printf("\n2. yt-dlp runs per job (tarvelle-cli download of the playlist)\n");
    countRuns(cli, "tarvelle-cli", ytDlp, urls[1], dir);
    if (parser.isSet("before"))
        countRuns(parser.value("before"), "tarvelle-cli before", ytDlp, urls[1], dir);

    std::printf("\n3. Download after a preview: seconds to the first progress line (median, min, max of %d)\n", rounds);
    QTemporaryDir toolsTree;
    QDir(toolsTree.path()).mkpath("Tools");
    QFile::link(ytDlp, toolsTree.filePath("Tools/yt-dlp"));
    for (const char *name : {"ffmpeg", "ffprobe", "deno"})
        QFile::link(buildToolsDirectory() + "/" + name, toolsTree.filePath(QStringLiteral("Tools/") + name));
    AppConfiguration::ScopedResourcesDirectory resources(toolsTree.path());
    int run = 0;
    for (const QString &url : urls) {
        std::map<bool, QList<double>> seconds;
        for (int round = 0; round < rounds; ++round) {
            for (const bool handOver : {round % 2 == 0, round % 2 != 0})
                seconds[handOver].append(downloadAfterPreview(url, handOver, dir, ++run));
        }
        std::printf("  %s\n", qPrintable(url));
        for (const bool handOver : {false, true}) {
            const QList<double> &values = seconds[handOver];
            if (std::any_of(values.begin(), values.end(), [](double v) { return v < 0; })) {
                std::printf("    %-40s failed\n", handOver ? "after" : "before");
                continue;
            }
            std::printf("    %-40s %6.2f  %6.2f  %6.2f\n",
                        handOver ? "after: the preview's answer loaded" : "before: analysed again, then extracted",
                        median(values), *std::min_element(values.begin(), values.end()),
                        *std::max_element(values.begin(), values.end()));
        }
    }
    return 0;
}
