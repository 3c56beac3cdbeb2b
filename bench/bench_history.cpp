// The download history at 100,000 records: adding them one save at a time (as
// the coordinator does at the end of each job), then the newest-first list the
// history screen loads, opening the file again, and the size on disk.
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int kRecords = 100'000;

DownloadHistory sampleRecord(int number, const QDateTime &base)
{
    const QString id = QStringLiteral("v%1").arg(number, 10, 10, QLatin1Char('0'));
    DownloadHistory record;
    record.uuid = QUuid::createUuid();
    record.sourceURL = QStringLiteral("https://media.example/watch?v=") + id;
    record.title = QStringLiteral("A fairly ordinary video title, part %1 of the series").arg(number);
    record.uploader = QStringLiteral("Some Channel");
    record.thumbnailURL = QStringLiteral("https://img.example/vi/%1/maxresdefault.jpg").arg(id);
    record.mediaTypeRaw = number % 4 == 0 ? QStringLiteral("audio") : QStringLiteral("video");
    record.selectedQuality = number % 4 == 0 ? QStringLiteral("mp3") : QStringLiteral("p1080");
    record.startedAt = base.addSecs(number * 60);
    record.finishedAt = base.addSecs(number * 60 + 45);
    if (number % 10 == 0) {
        record.finalStatusRaw = QStringLiteral("failed");
        record.errorType = QStringLiteral("network");
        record.errorSummary = QStringLiteral("ERROR: unable to download video data: timed out");
    } else {
        record.finalStatusRaw = QStringLiteral("completed");
        record.finalFilePath = QStringLiteral("/home/user/Downloads/Korvanth/%1 [%2].mp4")
                                   .arg(record.title, id);
    }
    return record;
}

qint64 sizeOnDisk(const QString &path)
{
    qint64 total = 0;
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        total += QFileInfo(path + suffix).size();
    return total;
}

double secondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    const QDateTime base = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, Qt::UTC);

    auto controller = std::make_unique<PersistenceController>(path);
    if (!controller->isPersistent()) {
        std::fprintf(stderr, "could not open %s\n", qPrintable(path));
        return 1;
    }
    auto store = std::make_unique<HistoryStore>(controller->context());

    QElapsedTimer timer;
    timer.start();
    for (int number = 1; number <= kRecords; ++number)
        store->add(sampleRecord(number, base));
    const double addSeconds = secondsSince(timer);
    std::printf("add():        %d records in %.2f s (%.1f us per record, one transaction each)\n",
                kRecords, addSeconds, addSeconds * 1e6 / kRecords);
    std::printf("size on disk: %.1f MiB (database, WAL and shared memory files while open)\n",
                double(sizeOnDisk(path)) / (1 << 20));

    for (int round = 1; round <= 3; ++round) {
        timer.restart();
        const qsizetype count = store->all().size();
        std::printf("all():        %lld records in %.0f ms (round %d)\n",
                    static_cast<long long>(count), secondsSince(timer) * 1e3, round);
    }

    store.reset();
    controller.reset();
    std::printf("size on disk: %.1f MiB (closed)\n", double(sizeOnDisk(path)) / (1 << 20));

    timer.restart();
    controller = std::make_unique<PersistenceController>(path);
    std::printf("open:         %.0f ms (schema and page check of the existing file, persistent: %s)\n",
                secondsSince(timer) * 1e3, controller->isPersistent() ? "yes" : "no");
    store = std::make_unique<HistoryStore>(controller->context());
    timer.restart();
    const qsizetype count = store->all().size();
    std::printf("all():        %lld records in %.0f ms (after reopening)\n",
                static_cast<long long>(count), secondsSince(timer) * 1e3);
    return 0;
}
