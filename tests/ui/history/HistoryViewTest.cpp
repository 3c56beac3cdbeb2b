#include "ui/UiTestApp.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryListView.h"
#include "ui/history/HistoryPresentation.h"
#include "ui/history/HistoryRow.h"
#include "ui/history/HistoryView.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>

#include <gtest/gtest.h>

using TestSupport::waitUntil;

namespace {

struct RecordSpec
{
    const char *title;
    const char *link;
    DownloadStatus status;
};

DownloadHistory makeRecord(const QString &title, const QString &link, DownloadStatus status, int minute)
{
    DownloadHistory record;
    record.uuid = QUuid::createUuid();
    record.title = title;
    record.sourceURL = link;
    record.mediaTypeRaw = QStringLiteral("video");
    record.selectedQuality = QStringLiteral("p1080");
    record.startedAt = QDateTime(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
    record.finishedAt = record.startedAt.addSecs(60 * minute);
    record.finalStatusRaw = DownloadStatuses::rawValue(status);
    return record;
}

class HistoryViewTest : public ::testing::Test
{
protected:
    void add(const QList<RecordSpec> &specs)
    {
        int minute = 0;
        for (const RecordSpec &spec : specs)
            app.history->add(makeRecord(QString::fromUtf8(spec.title), QString::fromUtf8(spec.link), spec.status, ++minute));
    }

    void open()
    {
        tester.reset();
        view = std::make_unique<HistoryView>(*app.state, app.thumbnails);
        view->setActions({[this](const QString &path) { opened << path; },
                          [this](const QString &path) { revealed << path; },
                          [this](QWidget *) {
                              ++confirmations;
                              return confirm;
                          }});
        tester = std::make_unique<QAbstractItemModelTester>(&view->model(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
        view->resize(900, 600);
        view->show();
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        return view->findChild<T *>(QLatin1String(name));
    }

    QStringList shownTitles() const
    {
        QStringList titles;
        for (const HistoryRow *row : view->list().visibleRows())
            titles << row->record().title;
        return titles;
    }

    HistoryRow *row(const QString &title) const
    {
        for (HistoryRow *row : view->list().visibleRows()) {
            if (row->record().title == title)
                return row;
        }
        return nullptr;
    }

    void chooseFilter(int index) { find<QWidget>("historyFilterPicker")->findChildren<QAbstractButton *>().at(index)->click(); }

    UiTestApp app;
    std::unique_ptr<HistoryView> view;
    // Checks every change of the list's model; a broken rule stops the run.
    std::unique_ptr<QAbstractItemModelTester> tester;
    QStringList opened;
    QStringList revealed;
    int confirmations = 0;
    bool confirm = false;
};

bool emptyStateShown(const HistoryView &view)
{
    const auto *stack = view.findChild<QStackedWidget *>();
    return stack->currentWidget() == view.findChild<QWidget *>(QStringLiteral("historyEmptyState"));
}

// Outcome filter: completed, failed and cancelled records.
struct FilterCase
{
    const char *name;
    int segment;
    QStringList titles;
};

class HistoryFilterTest : public HistoryViewTest, public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P(HistoryFilterTest, ShowsTheRecordsOfTheOutcomeAndCountsThemAll)
{
    add({{"done", "https://a.example/1", DownloadStatus::completed},
         {"broken", "https://a.example/2", DownloadStatus::failed},
         {"stopped", "https://a.example/3", DownloadStatus::cancelled}});
    open();
    chooseFilter(GetParam().segment);
    EXPECT_EQ(shownTitles(), GetParam().titles);
    EXPECT_TRUE(find<QLabel>("historyItemCount")->isVisible());
    EXPECT_EQ(find<QLabel>("historyItemCount")->text(), QStringLiteral("3 item(s)"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryFilterTest,
    ::testing::Values(FilterCase{"All", 0, {"stopped", "broken", "done"}}, FilterCase{"Success", 1, {"done"}},
                      FilterCase{"Failed", 2, {"broken"}}),
    [](const auto &info) { return std::string(info.param.name); });

// Search text against titles and links.
struct SearchCase
{
    const char *name;
    const char *search;
    QStringList titles;
};

class HistorySearchTest : public HistoryViewTest, public ::testing::WithParamInterface<SearchCase>
{
};

TEST_P(HistorySearchTest, FindsTitleOrLinkIgnoringCase)
{
    add({{"Cat Video", "https://videos.example/cat", DownloadStatus::completed},
         {"dogs", "https://clips.example/Dogs", DownloadStatus::failed},
         {"birds", "https://videos.example/birds", DownloadStatus::completed}});
    open();
    find<QLineEdit>("historySearchField")->setText(QString::fromUtf8(GetParam().search));
    EXPECT_EQ(shownTitles(), GetParam().titles);
    EXPECT_EQ(emptyStateShown(*view), GetParam().titles.isEmpty());
    EXPECT_EQ(find<QLabel>("historyItemCount")->text(), QStringLiteral("3 item(s)"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistorySearchTest,
    ::testing::Values(SearchCase{"Empty", "", {"birds", "dogs", "Cat Video"}},
                      SearchCase{"CapitalsFindLowerCaseLink", "VIDEOS.EXAMPLE", {"birds", "Cat Video"}},
                      SearchCase{"TitleIgnoringCase", "cAT", {"Cat Video"}},
                      SearchCase{"LinkOnly", "clips", {"dogs"}},
                      SearchCase{"SingleSpaceMatchesOnlyTextWithASpace", " ", {"Cat Video"}},
                      SearchCase{"NothingShowsTheEmptyPanel", "zebra", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(HistoryViewTest, EmptyHistoryShowsThePanelNoCountAndStillAsksBeforeClearing)
{
    open();
    EXPECT_TRUE(emptyStateShown(*view));
    EXPECT_FALSE(find<QLabel>("historyItemCount")->isVisible());
    find<QPushButton>("clearHistoryButton")->click();
    EXPECT_EQ(confirmations, 1);
}

TEST_F(HistoryViewTest, FilterAndSearchTogether)
{
    add({{"alpha one", "https://x.example/1", DownloadStatus::completed},
         {"alpha two", "https://x.example/2", DownloadStatus::failed}});
    open();
    find<QLineEdit>("historySearchField")->setText(QStringLiteral("alpha"));
    chooseFilter(2);
    EXPECT_EQ(shownTitles(), QStringList{"alpha two"});
}

TEST_F(HistoryViewTest, ALongHistoryKeepsWidgetsForTheRowsInSightOnly)
{
    for (int i = 0; i < 300; ++i)
        app.history->add(makeRecord(QStringLiteral("record %1").arg(i), QStringLiteral("https://a.example/%1").arg(i),
                                    DownloadStatus::completed, i));
    open();
    HistoryListView &list = view->list();
    const int inSight = list.viewport()->height() / list.rowHeight() + 2;
    EXPECT_LE(list.visibleRows().size(), inSight);
    EXPECT_EQ(list.visibleRows().first()->record().title, QStringLiteral("record 299"));

    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
    EXPECT_LE(list.visibleRows().size(), inSight);
    EXPECT_EQ(list.visibleRows().last()->record().title, QStringLiteral("record 0"));
    EXPECT_LE(list.visibleRows().last()->geometry().bottom(), list.viewport()->height());

    // A new search starts from the top of its results.
    find<QLineEdit>("historySearchField")->setText(QStringLiteral("record 1"));
    EXPECT_EQ(list.verticalScrollBar()->value(), 0);
    EXPECT_EQ(list.visibleRows().first()->record().title, QStringLiteral("record 199"));
}

TEST_F(HistoryViewTest, ActionsFollowWhetherTheFileIsThere)
{
    QTemporaryDir dir;
    const QString present = dir.filePath(QStringLiteral("present.mp4"));
    QFile(present).open(QIODevice::WriteOnly);
    const QString gone = dir.filePath(QStringLiteral("gone.mp4"));
    DownloadHistory withFile = makeRecord(QStringLiteral("with file"), QStringLiteral("https://a.example/1"),
                                          DownloadStatus::completed, 1);
    withFile.finalFilePath = present;
    DownloadHistory missing = makeRecord(QStringLiteral("missing"), QStringLiteral("https://a.example/2"),
                                         DownloadStatus::completed, 2);
    missing.finalFilePath = gone;
    app.history->add(withFile);
    app.history->add(missing);
    add({{"no path", "https://a.example/3", DownloadStatus::failed}});
    open();

    const auto shows = [this](const QString &title, const char *name) {
        return row(title)->findChild<QWidget *>(QLatin1String(name))->isVisibleTo(row(title));
    };
    ASSERT_TRUE(waitUntil([&] { return shows("with file", "historyOpenButton") && shows("missing", "historyFileMissing"); }));
    EXPECT_TRUE(shows("with file", "historyRevealButton"));
    EXPECT_FALSE(shows("with file", "historyFileMissing"));
    EXPECT_FALSE(shows("missing", "historyOpenButton"));
    EXPECT_FALSE(shows("missing", "historyRevealButton"));
    for (const char *name : {"historyOpenButton", "historyRevealButton", "historyFileMissing"})
        EXPECT_FALSE(shows("no path", name)) << name;
    for (const char *title : {"with file", "missing", "no path"})
        EXPECT_TRUE(shows(title, "historyRemoveButton")) << title;

    row("with file")->findChild<QPushButton *>("historyOpenButton")->click();
    row("with file")->findChild<QPushButton *>("historyRevealButton")->click();
    EXPECT_EQ(opened, QStringList{present});
    EXPECT_EQ(revealed, QStringList{present});

    // A file deleted behind the window's back shows as missing once the row is looked at again.
    QFile::remove(present);
    view->reload();
    EXPECT_TRUE(waitUntil([&] { return shows("with file", "historyFileMissing"); }));
    EXPECT_FALSE(shows("with file", "historyOpenButton"));
}

TEST_F(HistoryViewTest, RemoveTakesTheRecordAwayForGood)
{
    add({{"keep", "https://a.example/1", DownloadStatus::completed},
         {"drop", "https://a.example/2", DownloadStatus::failed}});
    open();
    row("drop")->findChild<QPushButton *>("historyRemoveButton")->click();
    EXPECT_EQ(shownTitles(), QStringList{"keep"});
    EXPECT_EQ(find<QLabel>("historyItemCount")->text(), QStringLiteral("1 item(s)"));
    app.relaunch();
    open();
    EXPECT_EQ(shownTitles(), QStringList{"keep"});
}

struct ClearCase
{
    const char *name;
    bool confirm;
    QStringList titlesAfter;
};

class HistoryClearTest : public HistoryViewTest, public ::testing::WithParamInterface<ClearCase>
{
};

TEST_P(HistoryClearTest, ClearsOnlyWhenConfirmed)
{
    add({{"one", "https://a.example/1", DownloadStatus::completed},
         {"two", "https://a.example/2", DownloadStatus::failed}});
    open();
    confirm = GetParam().confirm;
    find<QPushButton>("clearHistoryButton")->click();
    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(shownTitles(), GetParam().titlesAfter);
    EXPECT_EQ(app.history->all().size(), GetParam().titlesAfter.size());
    EXPECT_EQ(emptyStateShown(*view), GetParam().titlesAfter.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, HistoryClearTest,
                         ::testing::Values(ClearCase{"Confirmed", true, {}},
                                           ClearCase{"Cancelled", false, {"two", "one"}}),
                         [](const auto &info) { return std::string(info.param.name); });

// The confirmation itself: its texts, and each of its two answers.
struct ConfirmDialogCase
{
    const char *name;
    bool pressClear;
    qsizetype recordsAfter;
};

class HistoryConfirmDialogTest : public HistoryViewTest, public ::testing::WithParamInterface<ConfirmDialogCase>
{
};

TEST_P(HistoryConfirmDialogTest, AsksWithItsTextsAndDoesWhatIsAnswered)
{
    add({{"one", "https://a.example/1", DownloadStatus::completed}});
    open();
    view->setActions({{}, {}, HistoryView::desktopActions().confirmClear});
    QString text;
    QString informative;
    QTimer answer;
    answer.setInterval(10);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *box = view->findChild<QMessageBox *>(QStringLiteral("clearHistoryConfirm"));
        if (!box || !box->isVisible()) {
            // Whatever modal loop runs instead would never end: close it.
            if (waited.elapsed() > 5000) {
                answer.stop();
                ADD_FAILURE() << "the confirmation did not show";
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            }
            return;
        }
        answer.stop();
        text = box->text();
        informative = box->informativeText();
        if (GetParam().pressClear)
            box->findChild<QPushButton *>(QStringLiteral("confirmClearHistoryButton"))->click();
        else
            box->button(QMessageBox::Cancel)->click();
    });
    answer.start();
    find<QPushButton>("clearHistoryButton")->click();
    EXPECT_EQ(text, QStringLiteral("Clear all download history?"));
    EXPECT_EQ(informative, QStringLiteral("This permanently removes every history record. This action cannot be undone."));
    EXPECT_EQ(app.history->all().size(), GetParam().recordsAfter);
}

INSTANTIATE_TEST_SUITE_P(Answers, HistoryConfirmDialogTest,
                         ::testing::Values(ConfirmDialogCase{"ClearHistory", true, 0}, ConfirmDialogCase{"Cancel", false, 1}),
                         [](const auto &info) { return std::string(info.param.name); });

// Row subtitle: kind, quality, file name.
struct SubtitleCase
{
    const char *name;
    const char *kind;
    const char *quality;
    std::optional<QString> path;
    const char *expected;
};

class HistorySubtitleTest : public ::testing::TestWithParam<SubtitleCase>
{
};

TEST_P(HistorySubtitleTest, JoinsKindQualityAndFileName)
{
    DownloadHistory record = makeRecord(QStringLiteral("t"), QStringLiteral("https://a.example/"), DownloadStatus::completed, 1);
    record.mediaTypeRaw = QString::fromUtf8(GetParam().kind);
    record.selectedQuality = QString::fromUtf8(GetParam().quality);
    record.finalFilePath = GetParam().path;
    EXPECT_EQ(HistoryPresentation::subtitle(record), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistorySubtitleTest,
    ::testing::Values(SubtitleCase{"AudioM4a", "audio", "m4a", QStringLiteral("/music/x.m4a"), "Audio · M4A · x.m4a"},
                      SubtitleCase{"AudioBest", "audio", "best", std::nullopt, "Audio · Best Audio"},
                      SubtitleCase{"AudioUnknownAsStored", "audio", "opus", std::nullopt, "Audio · opus"},
                      SubtitleCase{"VideoQuality", "video", "p720", QStringLiteral("/v/a b.mp4"), "Video · 720p · a b.mp4"},
                      SubtitleCase{"VideoUnknownAsStored", "video", "720", std::nullopt, "Video · 720"},
                      SubtitleCase{"EmptyQualityLeftOut", "video", "", QStringLiteral("/v/c.mkv"), "Video · c.mkv"},
                      SubtitleCase{"EmptyPathLeftOut", "video", "best", QString(), "Video · Best Quality"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HistoryPresentation, RecordWithoutFinishShowsItsStartDate)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    DownloadHistory record = makeRecord(QStringLiteral("t"), QStringLiteral("https://a.example/"), DownloadStatus::cancelled, 90);
    const QString finished = HistoryPresentation::dateText(record, locale);
    record.finishedAt.reset();
    const QString started = HistoryPresentation::dateText(record, locale);
    EXPECT_NE(started, finished);
    EXPECT_TRUE(started.contains(locale.toString(record.startedAt.toLocalTime().time(), QLocale::ShortFormat)));
    EXPECT_TRUE(started.contains(QStringLiteral("Mar")) && started.contains(QStringLiteral("2026"))) << started.toStdString();
}

// Typing on narrows the previous matches; deleting goes back to all records.
TEST(HistoryListModel, NarrowingAndWideningGiveWhatAFreshSearchGives)
{
    QList<DownloadHistory> records;
    const QStringList titles{"Abc", "abd", "xbc", "ABCD", "bcd", "Äbc"};
    for (int i = 0; i < titles.size(); ++i)
        records << makeRecord(titles.at(i), QStringLiteral("https://l.example/%1").arg(i), DownloadStatus::completed, i);
    HistoryListModel typed;
    QAbstractItemModelTester tester(&typed, QAbstractItemModelTester::FailureReportingMode::Fatal);
    typed.setRecords(records);
    for (const char *search : {"a", "ab", "abc", "abcd", "abc", "b", "bc", "", "äb"}) {
        typed.setSearch(QString::fromUtf8(search));
        HistoryListModel fresh;
        fresh.setSearch(QString::fromUtf8(search));
        fresh.setRecords(records);
        ASSERT_EQ(typed.rowCount(), fresh.rowCount()) << search;
        for (int row = 0; row < typed.rowCount(); ++row)
            EXPECT_EQ(typed.recordAt(row).title, fresh.recordAt(row).title) << search;
    }
}

} // namespace
