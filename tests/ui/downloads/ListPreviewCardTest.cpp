#include "engine/DownloadCommandBuilder.h"
#include "engine/ListPlacement.h"
#include "support/CountingYtDlp.h"
#include "support/LocalMediaServer.h"
#include "ui/UiTestApp.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/downloads/ListEntriesModel.h"
#include "ui/downloads/ListPreviewCard.h"
#include "ui/downloads/PreviewCard.h"
#include "ui/widgets/SegmentedPicker.h"
#include "ui/widgets/ThumbnailLoader.h"
#include "ui/widgets/WrappedLabel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

QList<MediaListEntry> entries(int count)
{
    QList<MediaListEntry> result;
    for (int i = 1; i <= count; ++i) {
        MediaListEntry entry;
        entry.index = i;
        entry.title = QStringLiteral("Entry %1").arg(i);
        entry.duration = 62;
        entry.url = QStringLiteral("https://media.example/watch?v=%1").arg(i);
        result.append(entry);
    }
    return result;
}

QList<int> oneTo(int count)
{
    QList<int> indices;
    for (int i = 1; i <= count; ++i)
        indices.append(i);
    return indices;
}

// The card of an analysed list in the Downloads screen, over the local
// media server and the shipped yt-dlp.
class ListPreviewWindow
{
public:
    // `resources`: the tools the window runs (the build tree's by default).
    explicit ListPreviewWindow(std::optional<QString> resources = UiTestApp::shippedResources())
        : app(std::move(resources))
    {
        app.state->setLegalAccepted(true);
        view.resize(1000, 1600);
        view.show();
    }

    // The card for `path` on the server; null (with the reason logged)
    // when the analysis gave none.
    ListPreviewCard *analyze(const QString &path)
    {
        QSignalSpy finished(&view, &DownloadsView::analysisFinished);
        view.findChild<QLineEdit *>(QStringLiteral("urlInput"))->setText(server.url(path));
        view.analyze();
        if (!TestSupport::waitUntil([&] { return finished.count() > 0; }, std::chrono::seconds(60)))
            ADD_FAILURE() << "no end of the analysis";
        if (!view.listPreviewCard())
            ADD_FAILURE() << view.findChild<QLabel *>(QStringLiteral("analyzeErrorLabel"))->text().toStdString();
        return view.listPreviewCard();
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *found = view.listPreviewCard()->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void typeRange(const QString &text)
    {
        auto *range = find<QLineEdit>("listRange");
        range->selectAll();
        QTest::keyClick(range, Qt::Key_Delete);
        QTest::keyClicks(range, text);
    }

    QList<int> checked() const { return view.listPreviewCard()->entries()->checkedEntries(); }
    QList<DownloadJobPtr> jobs() const { return app.coordinator->queue().jobs(); }

    LocalMediaServer server;
    UiTestApp app;
    DownloadsView view{*app.state, app.thumbnails};
};

} // namespace

// Checks one by one, all, none and by range; each change of many rows is
// one announcement, however long the list.
TEST(ListEntriesModel, ChecksThousandsOfEntriesAtOnce)
{
    constexpr int count = 1200;
    ListEntriesModel model(entries(count));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), count);
    EXPECT_EQ(model.checkedEntries(), oneTo(count));
    EXPECT_TRUE(model.flags(model.index(7)) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(model.data(model.index(7)).toString(), QStringLiteral("Entry 8"));
    EXPECT_EQ(model.data(model.index(7), ListEntriesModel::entryIndexRole).toInt(), 8);
    EXPECT_EQ(model.data(model.index(7), ListEntriesModel::durationTextRole).toString(), QStringLiteral("1:02"));

    struct Case
    {
        const char *name;
        std::function<void()> change;
        QList<int> expected;
        int announcedRows; // rows the one dataChanged spans
    };
    const QList<Case> cases{
        {"none", [&] { model.setAllChecked(false); }, {}, count},
        {"a range", [&] { model.setCheckedEntries({2, 3, 1199, 1200}); }, {2, 3, 1199, 1200}, count},
        {"one more", [&] { model.setData(model.index(9), Qt::Checked, Qt::CheckStateRole); }, {2, 3, 10, 1199, 1200}, 1},
        {"one less", [&] { model.setData(model.index(1), Qt::Unchecked, Qt::CheckStateRole); }, {3, 10, 1199, 1200}, 1},
        {"all", [&] { model.setAllChecked(true); }, oneTo(count), count},
    };
    for (const Case &c : cases) {
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy counted(&model, &ListEntriesModel::checkedCountChanged);
        c.change();
        EXPECT_EQ(model.checkedEntries(), c.expected) << c.name;
        EXPECT_EQ(model.checkedCount(), c.expected.size()) << c.name;
        ASSERT_EQ(changed.count(), 1) << c.name;
        const auto first = changed.first().at(0).value<QModelIndex>();
        const auto last = changed.first().at(1).value<QModelIndex>();
        EXPECT_EQ(last.row() - first.row() + 1, c.announcedRows) << c.name;
        ASSERT_EQ(counted.count(), 1) << c.name;
        EXPECT_EQ(counted.first().at(0).toInt(), c.expected.size()) << c.name;
    }

    // Checking what is already checked announces nothing.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setAllChecked(true);
    EXPECT_EQ(changed.count(), 0);
}

// The list's title from outside is shown as it is, never as markup; a link
// to the list itself offers no single video.
TEST(ListPreviewCard, ShowsTheTitleAsTypedAndNoSingleVideoForALinkToTheList)
{
    ThumbnailLoader thumbnails;
    MediaList list;
    list.title = QStringLiteral("<b>Mix</b>");
    list.entries = entries(4);
    ListPreviewCard card(list, DownloadChoices(), thumbnails);
    card.show();
    EXPECT_EQ(card.findChild<WrappedLabel *>(QStringLiteral("listTitle"))->text(), QStringLiteral("<b>Mix</b>"));
    EXPECT_EQ(card.findChild<QLabel *>(QStringLiteral("listEntryCount"))->textFormat(), Qt::PlainText);
    EXPECT_EQ(card.findChild<QPushButton *>(QStringLiteral("listOnlyThisVideo")), nullptr);
}

// Of a thousand entries, only the rows in sight ask for their thumbnails;
// scrolling to the end asks for the last ones.
TEST(ListPreviewCard, OnlyRowsInSightLoadTheirThumbnails)
{
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    ThumbnailLoader thumbnails;
    MediaList list;
    list.title = QStringLiteral("Many");
    list.entries = entries(1000);
    const auto thumbnailOf = [&](int row) { return QUrl(server.url(QStringLiteral("/thumbnail.jpg?n=%1").arg(row))); };
    for (int row = 0; row < list.entries.size(); ++row)
        list.entries[row].thumbnail = thumbnailOf(row).toString();
    ListPreviewCard card(list, DownloadChoices(), thumbnails);
    card.resize(800, 900);
    card.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&card));
    auto *view = card.findChild<QListView *>(QStringLiteral("listEntries"));
    view->viewport()->repaint();

    const auto asked = [&](int row) { return thumbnails.state(thumbnailOf(row)) != ThumbnailLoader::State::none; };
    EXPECT_TRUE(asked(0));
    int askedRows = 0;
    for (int row = 0; row < list.entries.size(); ++row)
        askedRows += asked(row) ? 1 : 0;
    EXPECT_GT(askedRows, 0);
    EXPECT_LT(askedRows, 20);
    EXPECT_FALSE(asked(999));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return thumbnails.state(thumbnailOf(0)) == ThumbnailLoader::State::ready; }));

    view->scrollToBottom();
    view->viewport()->repaint();
    EXPECT_TRUE(asked(999));
}

// A link naming one video of a page of several (yt-dlp names the page's
// videos "<last part of the link>-N", here "clip-N": v=clip-2 is entry 2's
// id) shows that video's card, with its place in the list; "Show the List"
// and "Only This Video" move between the two cards without a new analysis;
// its download fetches entry 2 of the page.
TEST(ListPreviewCardWindow, AVideoInsideAListShowsItsCardAndTheListOnRequest)
{
    CountingYtDlp tools;
    ASSERT_TRUE(tools.isValid());
    ListPreviewWindow window(tools.resourcesDirectory());
    ASSERT_TRUE(window.server.isReady()) << window.server.errorString().toStdString();
    QSignalSpy finished(&window.view, &DownloadsView::analysisFinished);
    window.view.findChild<QLineEdit *>(QStringLiteral("urlInput"))
        ->setText(window.server.url(LocalMediaServer::kPlaylistPath + QStringLiteral("?v=clip-2&from=/clip")));
    window.view.analyze();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return finished.count() > 0; }, std::chrono::seconds(60)));
    PreviewCard *video = window.view.previewCard();
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(window.view.listPreviewCard(), nullptr);
    EXPECT_EQ(video->record().title, QStringLiteral("Playlist Page (2)"));
    auto *line = video->findChild<QLabel *>(QStringLiteral("previewListEntryLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QStringLiteral("Entry 2 of “Playlist Page” (3 entries)"));

    auto *showList = video->findChild<QPushButton *>(QStringLiteral("previewShowListButton"));
    ASSERT_NE(showList, nullptr);
    showList->click();
    ASSERT_NE(window.view.listPreviewCard(), nullptr);
    EXPECT_EQ(window.view.previewCard(), nullptr);
    EXPECT_EQ(window.find<QLabel>("listLinkedEntryNote")->text(), QStringLiteral("This link opens entry 2 of the list."));
    EXPECT_EQ(window.find<QListView>("listEntries")->model()->rowCount(), 3);

    window.find<QPushButton>("listOnlyThisVideo")->click();
    ASSERT_NE(window.view.previewCard(), nullptr);
    EXPECT_EQ(window.view.listPreviewCard(), nullptr);
    EXPECT_EQ(tools.runs().size(), 1);

    window.view.previewCard()->findChild<QPushButton *>(QStringLiteral("downloadButton"))->click();
    ASSERT_EQ(window.jobs().size(), 1);
    const DownloadJobPtr job = window.jobs().first();
    EXPECT_EQ(job->listPlacement(), (ListPlacement{QStringLiteral("Playlist Page"), 2, true}));
    const std::optional<ResolvedCommand> command = DownloadCommandBuilder::build(*job, QDir::tempPath(), QString());
    ASSERT_TRUE(command);
    const qsizetype items = command->arguments.indexOf(QStringLiteral("--playlist-items"));
    ASSERT_GE(items, 0);
    EXPECT_EQ(command->arguments.value(items + 1), QStringLiteral("2"));
}

// The feed's card: every entry checked at first; the range field, Select
// None and Select All set the checks; the chosen entries are queued in
// list order with the card's options and their place in the list.
TEST(ListPreviewCardWindow, AFeedsChosenEntriesAreQueuedInListOrder)
{
    ListPreviewWindow window;
    ASSERT_TRUE(window.server.isReady()) << window.server.errorString().toStdString();
    ListPreviewCard *card = window.analyze(LocalMediaServer::kFeedPath + QStringLiteral("?count=5"));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(window.view.previewCard(), nullptr);
    EXPECT_EQ(window.find<WrappedLabel>("listTitle")->text(), LocalMediaServer::kFeedTitle);
    EXPECT_EQ(window.find<QLabel>("listEntryCount")->text(), QStringLiteral("5 entries"));
    EXPECT_EQ(window.find<QListView>("listEntries")->model()->rowCount(), 5);
    EXPECT_EQ(window.checked(), oneTo(5));
    auto *download = window.find<QPushButton>("listDownloadSelected");
    EXPECT_EQ(download->text(), QStringLiteral("Download 5 selected"));

    struct Case
    {
        const char *name;
        std::function<void()> act;
        QList<int> checked;
        QString error;
    };
    const QString beyond = QStringLiteral("There is no entry 7: the list ends at entry 5.");
    const QList<Case> cases{
        {"a range", [&] { window.typeRange(QStringLiteral("2-3")); }, {2, 3}, {}},
        {"a number beyond the list", [&] { window.typeRange(QStringLiteral("7")); }, {2, 3}, beyond},
        {"none", [&] { window.find<QPushButton>("listSelectNone")->click(); }, {}, {}},
        {"all", [&] { window.find<QPushButton>("listSelectAll")->click(); }, oneTo(5), {}},
        {"the current row by keyboard", [&] {
             auto *list = window.find<QListView>("listEntries");
             list->setFocus();
             list->setCurrentIndex(list->model()->index(0, 0));
             QTest::keyClick(list, Qt::Key_Space);
         }, {2, 3, 4, 5}, {}},
        {"the range again", [&] { window.typeRange(QStringLiteral("3, 2")); }, {2, 3}, {}},
    };
    for (const Case &c : cases) {
        c.act();
        EXPECT_EQ(window.checked(), c.checked) << c.name;
        auto *error = window.find<QLabel>("listRangeError");
        EXPECT_EQ(error->isVisible(), !c.error.isEmpty()) << c.name;
        if (!c.error.isEmpty()) {
            EXPECT_EQ(error->text(), c.error) << c.name;
        }
        EXPECT_EQ(download->text(), QStringLiteral("Download %1 selected").arg(c.checked.size())) << c.name;
        EXPECT_EQ(download->isEnabled(), !c.checked.isEmpty()) << c.name;
    }

    window.find<SegmentedPicker>("mediaTypePicker")->setCurrentIndex(MediaKinds::all().indexOf(MediaKind::audio));
    window.find<QComboBox>("audioFormatPicker")->setCurrentIndex(AudioFormats::all().indexOf(AudioFormat::mp3));
    auto *skip = window.find<QCheckBox>("listSkipDownloaded");
    EXPECT_FALSE(skip->isChecked());
    skip->setChecked(true);
    const MediaList list = card->list();

    window.app.holdQueue();
    download->click();
    const QList<DownloadJobPtr> jobs = window.jobs();
    ASSERT_EQ(jobs.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const int entry = i + 2;
        const DownloadJobPtr &job = jobs.at(i);
        EXPECT_EQ(job->url(), list.entries.at(entry - 1).url) << entry;
        EXPECT_TRUE(job->url().endsWith(QStringLiteral("title=Entry%20%1").arg(entry))) << job->url().toStdString();
        EXPECT_EQ(job->mediaType(), MediaKind::audio) << entry;
        EXPECT_EQ(job->audioFormat(), AudioFormat::mp3) << entry;
        EXPECT_TRUE(job->advancedOptions().skipDownloaded) << entry;
        EXPECT_EQ(job->listPlacement(), (ListPlacement{LocalMediaServer::kFeedTitle, entry, false})) << entry;
    }
    // The input is cleared as after one video; the choice to skip what was
    // downloaded before is kept for the next list.
    EXPECT_TRUE(window.view.findChild<QLineEdit *>(QStringLiteral("urlInput"))->text().isEmpty());
    EXPECT_EQ(window.view.listPreviewCard(), nullptr);
    EXPECT_TRUE(window.app.settings->skipDownloadedEntries());
    EXPECT_FALSE(window.app.settings->advancedDefaults().skipDownloaded) << "single videos are not skipped";
}

// With the real tools: two entries of a page of three videos, each fetched
// into a file of its own, each remembered in the history with its place in
// the list.
TEST(ListPreviewCardEndToEnd, ChosenEntriesOfAPageAreDownloadedAndRemembered)
{
    ListPreviewWindow window;
    ASSERT_TRUE(window.server.isReady()) << window.server.errorString().toStdString();
    ASSERT_NE(window.analyze(LocalMediaServer::kPlaylistPath + QStringLiteral("?count=3")), nullptr);
    EXPECT_EQ(window.find<WrappedLabel>("listTitle")->text(), QStringLiteral("Playlist Page"));
    window.typeRange(QStringLiteral("1, 3"));
    ASSERT_EQ(window.checked(), (QList<int>{1, 3}));
    window.find<QPushButton>("listDownloadSelected")->click();

    const QList<DownloadJobPtr> jobs = window.jobs();
    ASSERT_EQ(jobs.size(), 2);
    ASSERT_TRUE(TestSupport::waitUntil(
        [&] {
            return std::all_of(jobs.begin(), jobs.end(),
                               [](const DownloadJobPtr &job) { return DownloadStatuses::isTerminal(job->status()); });
        },
        std::chrono::seconds(180)));
    QSet<QString> outputs;
    for (const DownloadJobPtr &job : jobs) {
        EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
        EXPECT_TRUE(QFileInfo(job->outputPath()).isFile()) << job->outputPath().toStdString();
        outputs.insert(QFileInfo(job->outputPath()).canonicalFilePath());
    }
    EXPECT_EQ(outputs.size(), 2);
    const QStringList files = QDir(window.app.outputDir()).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 2) << files.join(QStringLiteral(", ")).toStdString();

    ASSERT_TRUE(TestSupport::waitUntil([&] { return window.app.history->all().size() == 2; }));
    QList<int> places;
    for (const DownloadHistory &record : window.app.history->all()) {
        EXPECT_EQ(record.listTitle, QStringLiteral("Playlist Page"));
        places.append(record.listIndex.value_or(0));
    }
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, (QList<int>{1, 3}));
}
