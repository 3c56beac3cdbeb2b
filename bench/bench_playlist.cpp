// A list of 1,000 entries (an RSS feed on the local media server, listed by
// the real yt-dlp), through the real window:
//
//  1. From Analyze to the list card shown, next to bare
//     `yt-dlp -J --flat-playlist` of the same link in the same run
//     (interleaved, the order turning each round; medians);
//  2. "Download 1000 selected": the longest the GUI thread is held up and
//     when the job list has painted its rows.
//
// usage: bench_playlist [--rounds N] [--entries N]
#include "settings/AppConfiguration.h"
#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include "DownloadsScreen.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

using namespace TestSupport;

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the GUI thread's events until `done` or the time is up.
template <typename Done>
bool spinUntil(Done done, qint64 limitMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        // Outside an event loop nothing else deletes what was let go.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// Seconds bare yt-dlp takes to list the link flat, its answer read whole.
double bareListing(const QString &ytDlp, const QString &url)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(ytDlp, {"-J", "--no-warnings", "--flat-playlist", url});
    QByteArray answer;
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        process.waitForReadyRead(50);
        answer += process.readAllStandardOutput();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (process.exitCode() != 0 || answer.isEmpty())
        std::fprintf(stderr, "bare yt-dlp failed: %s\n", process.readAllStandardError().constData());
    return seconds;
}

// The downloads screen of bench_ui_joblist, with its list card.
struct Window : Screen
{
    explicit Window(const QTemporaryDir &dir)
        : Screen(dir, QStringLiteral("playlist"))
    {
    }

    // A card that goes is hidden at once and deleted later.
    QWidget *shownCard() const
    {
        const QList<QWidget *> cards = view->findChildren<QWidget *>(QStringLiteral("listPreviewCard"));
        const auto shown = std::find_if(cards.begin(), cards.end(), [](QWidget *card) { return card->isVisible(); });
        return shown == cards.end() ? nullptr : *shown;
    }

    // Seconds from Analyze to a new list card on screen.
    double analyze(const QString &url)
    {
        view->findChild<QLineEdit *>(QStringLiteral("urlInput"))->setText(url);
        QElapsedTimer timer;
        timer.start();
        view->findChild<QPushButton *>(QStringLiteral("analyzeButton"))->click();
        // Analyze hides the card shown before.
        const bool shown = spinUntil([&] { return shownCard() != nullptr; }, 120000);
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!shown)
            std::fprintf(stderr, "the list card never showed\n");
        return seconds;
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"rounds", "Rounds of the comparison.", "N", "5"});
    parser.addOption({"entries", "Entries of the list.", "N", "1000"});
    parser.addHelpOption();
    parser.process(application);
    const int rounds = std::max(1, parser.value("rounds").toInt());
    const int entries = std::max(1, parser.value("entries").toInt());

    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    AppConfiguration::ScopedResourcesDirectory resources(QFileInfo(buildToolsDirectory()).path());
    LocalMediaServer server;
    if (!server.isReady()) {
        std::fprintf(stderr, "no media server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    const QString url = server.url(LocalMediaServer::kFeedPath + QStringLiteral("?count=%1").arg(entries));
    const QString ytDlp = buildToolsDirectory() + QStringLiteral("/yt-dlp");

    Window window(dir);
    QList<double> bare;
    QList<double> shown;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2) {
            shown.append(window.analyze(url));
            bare.append(bareListing(ytDlp, url));
        } else {
            bare.append(bareListing(ytDlp, url));
            shown.append(window.analyze(url));
        }
    }
    std::printf("a list of %d entries, %d rounds (medians)\n", entries, rounds);
    std::printf("  bare yt-dlp -J --flat-playlist %8.3f s\n", median(bare));
    std::printf("  Analyze to the list card shown %8.3f s  (%.2fx)\n", median(shown), median(shown) / median(bare));

    auto *download = window.view->findChild<QPushButton *>(QStringLiteral("listDownloadSelected"));
    if (!download || !download->isEnabled()) {
        std::fprintf(stderr, "no enabled Download button on the list card\n");
        return 1;
    }
    const QAbstractItemModel *jobs = window.view->jobList()->model();
    const int paintsBefore = window.meter.paints;
    PingProbe probe;
    QElapsedTimer timer;
    probe.start();
    timer.start();
    const double cpuBefore = threadCpuSeconds();
    download->click();
    spinUntil([&] { return jobs->rowCount() >= entries && window.meter.paints > paintsBefore; }, 60000);
    const double paintedMs = timer.nsecsElapsed() / 1e6;
    const double cpuMs = (threadCpuSeconds() - cpuBefore) * 1000;
    spin(500);
    const double stallMs = probe.stopLongestMs();
    std::printf("Download %d selected\n", entries);
    std::printf("  rows in the job list           %8d\n", jobs->rowCount());
    std::printf("  rows painted after             %8.1f ms\n", paintedMs);
    std::printf("  GUI thread CPU until then      %8.1f ms\n", cpuMs);
    std::printf("  longest GUI stall (incl. 0.5 s after) %5.1f ms\n", stallMs);
    return 0;
}
