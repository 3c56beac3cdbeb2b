#include "ui/UiTestApp.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryListView.h"
#include "ui/history/HistoryPresentation.h"
#include "ui/history/HistoryRow.h"
#include "ui/history/HistoryView.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
        view->setActions({[this](const QString &path, OpenDone done) {
                              opened << path;
                              done(desktopAnswer);
                          },
                          [this](const QString &path, OpenDone done) {
                              revealed << path;
                              done(desktopAnswer);
                          },
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
    OpenOutcome desktopAnswer = OpenOutcome::opened;
    int confirmations = 0;
    bool confirm = false;
};

bool emptyStateShown(const HistoryView &view)
{
    const auto *stack = view.findChild<QStackedWidget *>();
    return stack->currentWidget() == view.findChild<QWidget *>(QStringLiteral("historyEmptyState"));
}

QString emptyStateTitle(const HistoryView &view)
{
    return view.findChild<QWidget *>(QStringLiteral("historyEmptyState"))
        ->findChild<QLabel *>(QStringLiteral("emptyStateTitle"))
        ->text();
}

// Outcome filter: completed, failed and cancelled records.
struct FilterCase
{
    const char *name;
    int segment;
    QStringList titles;
    QString count;
};

class HistoryFilterTest : public HistoryViewTest, public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P(HistoryFilterTest, ShowsTheRecordsOfTheOutcomeAndCountsThoseShown)
{
    add({{"done", "https://a.example/1", DownloadStatus::completed},
         {"broken", "https://a.example/2", DownloadStatus::failed},
         {"stopped", "https://a.example/3", DownloadStatus::cancelled}});
    open();
    chooseFilter(GetParam().segment);
    EXPECT_EQ(shownTitles(), GetParam().titles);
    EXPECT_TRUE(find<QLabel>("historyItemCount")->isVisible());
    EXPECT_EQ(find<QLabel>("historyItemCount")->text(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryFilterTest,
    ::testing::Values(FilterCase{"All", 0, {"stopped", "broken", "done"}, "3 item(s)"},
                      FilterCase{"Success", 1, {"done"}, "1 of 3"}, FilterCase{"Failed", 2, {"broken"}, "1 of 3"}),
    [](const auto &info) { return std::string(info.param.name); });

// Search text against titles and links.
struct SearchCase
{
    const char *name;
    const char *search;
    QStringList titles;
    QString count;
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
    if (GetParam().titles.isEmpty()) {
        EXPECT_EQ(emptyStateTitle(*view), QStringLiteral("No matches"));
    }
    EXPECT_EQ(find<QLabel>("historyItemCount")->text(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistorySearchTest,
    ::testing::Values(SearchCase{"Empty", "", {"birds", "dogs", "Cat Video"}, "3 item(s)"},
                      SearchCase{"CapitalsFindLowerCaseLink", "VIDEOS.EXAMPLE", {"birds", "Cat Video"}, "2 of 3"},
                      SearchCase{"TitleIgnoringCase", "cAT", {"Cat Video"}, "1 of 3"},
                      SearchCase{"LinkOnly", "clips", {"dogs"}, "1 of 3"},
                      SearchCase{"SingleSpaceMatchesOnlyTextWithASpace", " ", {"Cat Video"}, "1 of 3"},
                      SearchCase{"NothingSaysNoMatches", "zebra", {}, "0 of 3"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(HistoryViewTest, EmptyHistoryShowsThePanelNoCountAndStillAsksBeforeClearing)
{
    open();
    EXPECT_TRUE(emptyStateShown(*view));
    EXPECT_EQ(emptyStateTitle(*view), QStringLiteral("No Download History"));
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

// What a row says about its outcome and which actions it offers.
struct OutcomeRowCase
{
    const char *name;
    DownloadStatus status;
    std::optional<QString> summary;
    std::optional<QString> errorType;
    std::optional<QString> reason;
    std::optional<QString> failureShown; // nothing: the line is hidden
    std::optional<QString> reasonShown;
    bool offersRetry;
};

class HistoryOutcomeRowTest : public HistoryViewTest, public ::testing::WithParamInterface<OutcomeRowCase>
{
};

TEST_P(HistoryOutcomeRowTest, FailedRowsSayWhyAndOfferRetryAndCopyLink)
{
    const OutcomeRowCase &c = GetParam();
    DownloadHistory record = makeRecord(QStringLiteral("the row"), QStringLiteral("https://a.example/1"), c.status, 1);
    record.errorSummary = c.summary;
    record.errorType = c.errorType;
    record.errorReason = c.reason;
    app.history->add(record);
    open();
    HistoryRow *shown = row(QStringLiteral("the row"));
    ASSERT_NE(shown, nullptr);

    const auto line = [&](const char *name) -> std::optional<QString> {
        auto *label = shown->findChild<QLabel *>(QLatin1String(name));
        if (!label->isVisibleTo(shown))
            return std::nullopt;
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        return label->toolTip();
    };
    EXPECT_EQ(line("historyFailure"), c.failureShown);
    EXPECT_EQ(line("historyFailureReason"), c.reasonShown);
    for (const char *button : {"historyRetryButton", "historyCopyLinkButton"})
        EXPECT_EQ(shown->findChild<QPushButton *>(QLatin1String(button))->isVisibleTo(shown), c.offersRetry) << button;
    // The failure lines fit in the row.
    EXPECT_EQ(shown->height(), HistoryRow::Heights::current().of(record));
    EXPECT_EQ(HistoryPresentation::failureLineCount(record), int(c.failureShown.has_value()) + int(c.reasonShown.has_value()));
    for (const char *name : {"historyFailure", "historyFailureReason"}) {
        const QWidget *label = shown->findChild<QWidget *>(QLatin1String(name));
        if (label->isVisibleTo(shown)) {
            EXPECT_LE(label->geometry().bottom(), shown->height()) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryOutcomeRowTest,
    ::testing::Values(
        OutcomeRowCase{"failedWithReason", DownloadStatus::failed, u"A network error occurred."_qs, u"network"_qs,
                       u"HTTP Error 404: <Not> Found"_qs, u"A network error occurred."_qs,
                       u"HTTP Error 404: <Not> Found"_qs, true},
        OutcomeRowCase{"failedBeforeReasonsWereKept", DownloadStatus::failed, u"A network error occurred."_qs,
                       u"network"_qs, std::nullopt, u"A network error occurred."_qs, std::nullopt, true},
        OutcomeRowCase{"outputFolderSummary", DownloadStatus::failed, u"Cannot create output directory: /x"_qs,
                       u"permissionDenied"_qs, u"Not a directory"_qs, u"Cannot create output directory: /x"_qs,
                       u"Not a directory"_qs, true},
        OutcomeRowCase{"categoryWithoutSummary", DownloadStatus::failed, std::nullopt, u"diskFull"_qs, std::nullopt,
                       u"The disk is full."_qs, std::nullopt, true},
        OutcomeRowCase{"cancelled", DownloadStatus::cancelled, u"Cancelled"_qs, u"cancelled"_qs, std::nullopt,
                       std::nullopt, std::nullopt, true},
        OutcomeRowCase{"completed", DownloadStatus::completed, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                       std::nullopt, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(HistoryViewTest, RetryQueuesTheLinkWithTheRecordedOptionsAndShowsDownloads)
{
    app.holdQueue();
    app.settings->setDefaultVideoQualityRaw(QStringLiteral("p480"));
    app.settings->setDefaultSubtitleModeRaw(QStringLiteral("original"));
    app.settings->setDefaultSubtitleLang(QStringLiteral("de"));
    DownloadHistory audio = makeRecord(QStringLiteral("audio"), QStringLiteral("https://a.example/song"),
                                       DownloadStatus::failed, 2);
    audio.mediaTypeRaw = QStringLiteral("audio");
    audio.selectedQuality = QStringLiteral("m4a");
    audio.subtitleModeRaw = QStringLiteral("auto");
    audio.subtitleLang = QStringLiteral("fr");
    DownloadHistory older = makeRecord(QStringLiteral("older"), QStringLiteral("https://a.example/clip"),
                                       DownloadStatus::cancelled, 1);
    older.selectedQuality = QStringLiteral("p720");
    app.history->add(older);
    app.history->add(audio);
    open();

    row(QStringLiteral("audio"))->findChild<QPushButton *>(QStringLiteral("historyRetryButton"))->click();
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::downloads);
    row(QStringLiteral("older"))->findChild<QPushButton *>(QStringLiteral("historyRetryButton"))->click();

    const QList<DownloadJobPtr> jobs = app.coordinator->queue().jobs();
    ASSERT_EQ(jobs.size(), 2);
    EXPECT_EQ(jobs.at(0)->url(), QStringLiteral("https://a.example/song"));
    EXPECT_EQ(jobs.at(0)->mediaType(), MediaKind::audio);
    EXPECT_EQ(jobs.at(0)->audioFormat(), AudioFormat::m4a);
    EXPECT_EQ(jobs.at(0)->subtitleMode(), SubtitleMode::automatic);
    EXPECT_EQ(jobs.at(0)->subtitleLang(), QStringLiteral("fr"));
    // A record made before subtitles were kept asks for the stored defaults.
    EXPECT_EQ(jobs.at(1)->url(), QStringLiteral("https://a.example/clip"));
    EXPECT_EQ(jobs.at(1)->mediaType(), MediaKind::video);
    EXPECT_EQ(jobs.at(1)->videoQuality(), VideoQuality::p720);
    EXPECT_EQ(jobs.at(1)->subtitleMode(), SubtitleMode::original);
    EXPECT_EQ(jobs.at(1)->subtitleLang(), QStringLiteral("de"));
}

TEST_F(HistoryViewTest, CopyLinkPutsTheRecordsLinkOnTheClipboard)
{
    add({{"broken", "https://a.example/broken?x=1&y=2", DownloadStatus::failed}});
    open();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    row(QStringLiteral("broken"))->findChild<QPushButton *>(QStringLiteral("historyCopyLinkButton"))->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("https://a.example/broken?x=1&y=2"));
}

// The right-click menu of a row offers what the row offers, and Copy Link.
struct MenuCase
{
    const char *name;
    DownloadStatus status;
    bool withFile;
    QStringList actions;
};

class HistoryRowMenuTest : public HistoryViewTest, public ::testing::WithParamInterface<MenuCase>
{
};

TEST_P(HistoryRowMenuTest, OffersTheRowsActions)
{
    QTemporaryDir dir;
    DownloadHistory record = makeRecord(QStringLiteral("the row"), QStringLiteral("https://a.example/menu"),
                                        GetParam().status, 1);
    if (GetParam().withFile) {
        record.finalFilePath = dir.filePath(QStringLiteral("clip.mp4"));
        QFile(*record.finalFilePath).open(QIODevice::WriteOnly);
    }
    app.history->add(record);
    open();
    HistoryRow *shown = row(QStringLiteral("the row"));
    if (GetParam().withFile) {
        ASSERT_TRUE(waitUntil(
            [&] { return shown->findChild<QWidget *>(QStringLiteral("historyOpenButton"))->isVisibleTo(shown); }));
    }

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), shown->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(shown, &event);
    auto *menu = shown->findChild<QMenu *>(QStringLiteral("historyRowMenu"));
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            names << action->objectName();
    }
    EXPECT_EQ(names, GetParam().actions);

    QGuiApplication::clipboard()->clear();
    menu->findChild<QAction *>(QStringLiteral("historyCopyLinkAction"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("https://a.example/menu"));
    if (GetParam().withFile) {
        menu->findChild<QAction *>(QStringLiteral("historyRevealAction"))->trigger();
        EXPECT_EQ(revealed, QStringList{*record.finalFilePath});
    }
    menu->findChild<QAction *>(QStringLiteral("historyRemoveAction"))->trigger();
    menu->close();
    EXPECT_TRUE(shownTitles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HistoryRowMenuTest,
    ::testing::Values(MenuCase{"completedWithFile", DownloadStatus::completed, true,
                               {"historyOpenAction", "historyRevealAction", "historyCopyLinkAction", "historyRemoveAction"}},
                      MenuCase{"failed", DownloadStatus::failed, false,
                               {"historyRetryAction", "historyCopyLinkAction", "historyRemoveAction"}},
                      MenuCase{"cancelled", DownloadStatus::cancelled, false,
                               {"historyRetryAction", "historyCopyLinkAction", "historyRemoveAction"}}),
    [](const auto &info) { return std::string(info.param.name); });

// Open and Reveal on a desktop without an application for the file.
struct NoHandlerCase
{
    const char *name;
    const char *button;
};

class HistoryNoHandlerTest : public HistoryViewTest, public ::testing::WithParamInterface<NoHandlerCase>
{
};

TEST_P(HistoryNoHandlerTest, SaysSoInAMessageNamingTheFile)
{
    QTemporaryDir dir;
    DownloadHistory record = makeRecord(QStringLiteral("with file"), QStringLiteral("https://a.example/1"),
                                        DownloadStatus::completed, 1);
    record.finalFilePath = dir.filePath(QStringLiteral("<b>clip & more.mp4"));
    QFile(*record.finalFilePath).open(QIODevice::WriteOnly);
    app.history->add(record);
    desktopAnswer = OpenOutcome::noHandler;
    open();
    HistoryRow *shown = row(QStringLiteral("with file"));
    auto *button = shown->findChild<QPushButton *>(QLatin1String(GetParam().button));
    ASSERT_TRUE(waitUntil([&] { return button->isVisibleTo(shown); }));
    EXPECT_EQ(view->findChild<QMessageBox *>(QStringLiteral("openFailureMessage")), nullptr);

    button->click();
    auto *message = view->findChild<QMessageBox *>(QStringLiteral("openFailureMessage"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains(*record.finalFilePath)) << message->text().toStdString();
    EXPECT_EQ(message->textFormat(), Qt::PlainText);
    message->close();
}

INSTANTIATE_TEST_SUITE_P(Buttons, HistoryNoHandlerTest,
                         ::testing::Values(NoHandlerCase{"Open", "historyOpenButton"},
                                           NoHandlerCase{"Reveal", "historyRevealButton"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(HistoryViewTest, RowsOfDifferentHeightsScrollToTheLastOne)
{
    for (int i = 0; i < 60; ++i) {
        DownloadHistory record = makeRecord(QStringLiteral("record %1").arg(i), QStringLiteral("https://a.example/%1").arg(i),
                                            i % 3 ? DownloadStatus::completed : DownloadStatus::failed, i);
        record.errorSummary = QStringLiteral("A network error occurred.");
        record.errorReason = QStringLiteral("HTTP Error 404: Not Found");
        app.history->add(record);
    }
    open();
    HistoryListView &list = view->list();
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
    const QList<HistoryRow *> rows = list.visibleRows();
    EXPECT_EQ(rows.last()->record().title, QStringLiteral("record 0"));
    EXPECT_EQ(rows.last()->geometry().bottom(), list.viewport()->height() - 1);
    for (qsizetype i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i)->y(), rows.at(i - 1)->geometry().bottom() + 1) << i;
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

TEST(HistoryPresentation, ANoteEndsTheSubtitle)
{
    DownloadHistory record = makeRecord(QStringLiteral("t"), QStringLiteral("https://a.example/"), DownloadStatus::completed, 1);
    record.mediaTypeRaw = QStringLiteral("video");
    record.selectedQuality = QStringLiteral("p720");
    record.finalFilePath = QStringLiteral("/v/a.mp4");
    record.note = QStringLiteral("Already downloaded: the file from an earlier download of this link is kept.");
    EXPECT_EQ(HistoryPresentation::subtitle(record),
              QString::fromUtf8("Video · 720p · a.mp4 · Already downloaded: the file from an earlier download of "
                                "this link is kept."));
}

TEST(HistoryPresentation, AListEntryNamesItsListAndIsFoundByIt)
{
    DownloadHistory record = makeRecord(QStringLiteral("Entry 3"), QStringLiteral("https://a.example/3"),
                                        DownloadStatus::completed, 1);
    record.mediaTypeRaw = QStringLiteral("audio");
    record.selectedQuality = QStringLiteral("mp3");
    record.finalFilePath = QStringLiteral("/m/e3.mp3");
    record.listTitle = QStringLiteral("Morning Mix");
    record.listIndex = 3;
    EXPECT_EQ(HistoryPresentation::subtitle(record), QString::fromUtf8("Audio · MP3 · Entry 3 of “Morning Mix” · e3.mp3"));
    EXPECT_TRUE(HistoryPresentation::matches(record, HistoryFilter::all, QStringLiteral("morning")));
    record.listTitle.reset();
    EXPECT_FALSE(HistoryPresentation::matches(record, HistoryFilter::all, QStringLiteral("morning")));
}

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
