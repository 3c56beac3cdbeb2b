// The History screen over 100,000 records: the time from making the screen
// to its first painted frame (loading every record included), and the time
// each search keystroke takes until the list has painted again, typing on
// (narrowing) and deleting (widening).
#include "engine/DownloadCoordinator.h"
#include "history/HistoryContext.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryView.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
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
    record.thumbnailURL = QStringLiteral("https://img.example/vi/%1/maxresdefault.jpg").arg(id);
    record.mediaTypeRaw = number % 4 == 0 ? QStringLiteral("audio") : QStringLiteral("video");
    record.selectedQuality = number % 4 == 0 ? QStringLiteral("mp3") : QStringLiteral("p1080");
    record.startedAt = base.addSecs(qint64(number) * 60);
    record.finishedAt = base.addSecs(qint64(number) * 60 + 45);
    record.finalStatusRaw = number % 10 == 0 ? QStringLiteral("failed") : QStringLiteral("completed");
    if (number % 10 != 0)
        record.finalFilePath = QStringLiteral("/nonexistent/Korvanth/%1 [%2].mp4").arg(record.title, id);
    return record;
}

double milliseconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

struct Stats
{
    double median = 0;
    double worst = 0;
};

Stats stats(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples.at(samples.size() / 2), samples.last()};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("history.sqlite"));
    {
        PersistenceController seed(database);
        const QDateTime base = QDateTime::currentDateTimeUtc().addYears(-1);
        for (int i = 0; i < kRecords; ++i)
            seed.context().insert(sampleRecord(i, base));
        seed.context().save();
    }

    PersistenceController persistence(database);
    HistoryStore history(persistence.context());
    AppSettings settings(dir.filePath(QStringLiteral("settings.json")));
    DownloadCoordinator coordinator(history, settings, nullptr);
    AppState state(coordinator, history, settings);
    ThumbnailLoader thumbnails;

    QElapsedTimer timer;
    timer.start();
    HistoryView view(state, thumbnails);
    view.resize(1000, 700);
    view.show();
    view.repaint();
    const double shown = milliseconds(timer);
    std::printf("records loaded: %lld\n", static_cast<long long>(view.model().totalCount()));
    std::printf("show the screen (load + filter + first paint): %.1f ms\n", shown);

    auto *search = view.findChild<QLineEdit *>(QStringLiteral("historySearchField"));
    const QString typed = QStringLiteral("part 4242");
    QList<double> narrowing;
    for (int i = 1; i <= typed.size(); ++i) {
        timer.restart();
        search->setText(typed.left(i));
        view.repaint();
        narrowing << milliseconds(timer);
    }
    std::printf("after typing \"%s\": %d rows\n", qPrintable(typed), view.model().rowCount());
    QList<double> widening;
    for (int i = typed.size() - 1; i >= 0; --i) {
        timer.restart();
        search->setText(typed.left(i));
        view.repaint();
        widening << milliseconds(timer);
    }
    const Stats typing = stats(narrowing);
    const Stats deleting = stats(widening);
    std::printf("search keystroke, typing on:  median %.2f ms, worst %.2f ms (%lld keystrokes)\n", typing.median,
                typing.worst, static_cast<long long>(narrowing.size()));
    std::printf("search keystroke, deleting:   median %.2f ms, worst %.2f ms (%lld keystrokes)\n", deleting.median,
                deleting.worst, static_cast<long long>(widening.size()));
    return 0;
}
