// Lines per second delivered by ProcessRunner from a child that writes 10^6
// lines of ~120 bytes, next to `wc -l` reading the same stream through a pipe.
#include "process/ProcessRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cstdio>

namespace {

constexpr int kLines = 1'000'000;

QString writeInput(const QTemporaryDir &dir)
{
    const QString path = dir.filePath("lines.txt");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QByteArray filler(100, 'x');
    QByteArray chunk;
    for (int i = 0; i < kLines; ++i) {
        chunk += "[download]  " + QByteArray::number(i).rightJustified(7, '0') + " " + filler + '\n';
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    return path;
}

double runnerSeconds(const QString &input, qint64 &delivered)
{
    std::atomic<qint64> count{0};
    ProcessRunner runner;
    QElapsedTimer timer;
    timer.start();
    auto future = runner.run("/bin/cat", {input}, {},
                             [&count](const QString &, bool) { count.fetch_add(1, std::memory_order_relaxed); });
    future.waitForFinished();
    const double seconds = timer.nsecsElapsed() / 1e9;
    delivered = count.load();
    return seconds;
}

double wcSeconds(const QString &input, qint64 &counted)
{
    QProcess shell;
    QElapsedTimer timer;
    timer.start();
    shell.start("/bin/sh", {"-c", "cat \"$0\" | wc -l", input});
    shell.waitForFinished(-1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    counted = shell.readAllStandardOutput().trimmed().toLongLong();
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString input = writeInput(dir);
    std::printf("input: %d lines, %.1f MB\n", kLines, QFile(input).size() / 1e6);

    for (int round = 1; round <= 3; ++round) {
        qint64 delivered = 0;
        qint64 counted = 0;
        const double runner = runnerSeconds(input, delivered);
        const double wc = wcSeconds(input, counted);
        std::printf("round %d: ProcessRunner %lld lines in %.3f s = %.0f lines/s | cat | wc -l %lld lines in %.3f s = "
                    "%.0f lines/s | ratio %.2f\n",
                    round, static_cast<long long>(delivered), runner, delivered / runner,
                    static_cast<long long>(counted), wc, counted / wc, runner / wc);
    }
    return 0;
}
