// The preview of a long list: 10,000 entries (a large channel) shown in the
// list card, then every check set at once (Select None, Select All), a typed
// range, and a scroll to the last row, each timed until the list has
// painted again. Thumbnails point at an address that answers nothing, so
// only the painting of the rows in sight is measured.
//
//   build/bench/bench_ui_listcard [entries, default 10000]

#include "ui/downloads/ListEntriesModel.h"
#include "ui/downloads/ListPreviewCard.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

double msUntilPainted(QListView *view, const std::function<void()> &act)
{
    QElapsedTimer timer;
    timer.start();
    act();
    view->viewport()->repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;

    MediaList list;
    list.title = QStringLiteral("A large channel");
    list.uploader = QStringLiteral("Uploader");
    list.entries.reserve(count);
    for (int i = 1; i <= count; ++i) {
        MediaListEntry entry;
        entry.index = i;
        entry.title = QStringLiteral("Episode %1: a title of ordinary length").arg(i);
        entry.duration = 600 + i;
        entry.thumbnail = QStringLiteral("http://127.0.0.1:9/thumb/%1.jpg").arg(i);
        entry.url = QStringLiteral("https://media.example/watch?v=%1").arg(i);
        list.entries.append(entry);
    }
    ThumbnailLoader thumbnails;

    QElapsedTimer timer;
    timer.start();
    ListPreviewCard card(list, DownloadChoices(), thumbnails);
    card.resize(900, 800);
    card.show();
    // Painting needs the window on screen.
    while (!card.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    auto *view = card.findChild<QListView *>(QStringLiteral("listEntries"));
    view->viewport()->repaint();
    std::printf("%d entries: card shown and painted in %.1f ms\n", count, double(timer.nsecsElapsed()) / 1e6);

    const auto click = [&](const char *name) { card.findChild<QPushButton *>(QLatin1String(name))->click(); };
    std::printf("Select None: %.2f ms\n", msUntilPainted(view, [&] { click("listSelectNone"); }));
    std::printf("Select All: %.2f ms\n", msUntilPainted(view, [&] { click("listSelectAll"); }));
    auto *range = card.findChild<QLineEdit *>(QStringLiteral("listRange"));
    const QString typed = QStringLiteral("1-%1, %2").arg(count / 2).arg(count);
    std::printf("range \"%s\": %.2f ms\n", qPrintable(typed), msUntilPainted(view, [&] {
                    range->setText(typed);
                    emit range->textEdited(typed);
                }));
    std::printf("scroll to the last row: %.2f ms\n", msUntilPainted(view, [&] { view->scrollToBottom(); }));
    std::printf("checked: %d\n", card.entries()->checkedCount());
    return 0;
}
