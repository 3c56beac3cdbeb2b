#include "services/ClipboardService.h"
#include "support/CountingYtDlp.h"
#include "support/LocalMediaServer.h"
#include "ui/UiTestApp.h"
#include "ui/downloads/BatchDownloadSheet.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/downloads/PreviewCard.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/widgets/SegmentedPicker.h"
#include "ui/widgets/WrappedLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct FirstUrlCase
{
    const char *text;
    std::optional<const char *> expected;
};

class FirstUrlTest : public ::testing::TestWithParam<FirstUrlCase>
{
};

TEST_P(FirstUrlTest, TakesTheFirstNonBlankLineTrimmed)
{
    const auto url = DownloadsView::firstURL(QString::fromUtf8(GetParam().text));
    if (GetParam().expected)
        EXPECT_EQ(url, QString::fromUtf8(*GetParam().expected));
    else
        EXPECT_FALSE(url.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FirstUrlTest,
    ::testing::Values(FirstUrlCase{"", std::nullopt}, FirstUrlCase{"   \n\t\n \u00a0 ", std::nullopt},
                      FirstUrlCase{"\nhttps://b.example/2\nhttps://c.example/", "https://b.example/2"},
                      FirstUrlCase{"  https://a.example/1 \t", "https://a.example/1"},
                      FirstUrlCase{"https://a.example/1\r\nhttps://b.example/2", "https://a.example/1"},
                      FirstUrlCase{"\r\rnot a link", "not a link"}));

class DownloadsViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.state->setLegalAccepted(true);
        view.resize(1000, 700);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        return view.findChild<T *>(QLatin1String(name));
    }

    bool enabled(const char *name) const { return find(name)->isEnabled(); }

    QList<DownloadJobPtr> jobs() const { return app.coordinator->queue().jobs(); }

    void analyzeAndWait(const QString &text)
    {
        QSignalSpy finished(&view, &DownloadsView::analysisFinished);
        find<QLineEdit>("urlInput")->setText(text);
        QTest::keyClick(find<QLineEdit>("urlInput"), Qt::Key_Return);
        ASSERT_TRUE(TestSupport::waitUntil([&] { return finished.count() > 0; }, std::chrono::seconds(60)));
    }

    UiTestApp app;
    DownloadsView view{*app.state, app.thumbnails};
};

TEST_F(DownloadsViewTest, BlankTextDisablesAnalyzeAndDownloadAll)
{
    EXPECT_FALSE(enabled("analyzeButton"));
    EXPECT_FALSE(enabled("downloadAllButton"));
    find<QLineEdit>("urlInput")->setText(QStringLiteral("   "));
    EXPECT_FALSE(enabled("analyzeButton"));
    EXPECT_FALSE(enabled("downloadAllButton"));
    find<QLineEdit>("urlInput")->setText(QStringLiteral("https://a.example/"));
    EXPECT_TRUE(enabled("analyzeButton"));
    EXPECT_TRUE(enabled("downloadAllButton"));
    EXPECT_TRUE(enabled("pasteButton"));
    EXPECT_TRUE(enabled("batchButton"));
}

TEST_F(DownloadsViewTest, DownloadAllQueuesEveryLineWithTheStoredDefaults)
{
    app.holdQueue();
    app.settings->setDefaultMediaTypeRaw(QStringLiteral("audio"));
    app.settings->setDefaultAudioFormatRaw(QStringLiteral("mp3"));
    app.settings->setDefaultSubtitleModeRaw(QStringLiteral("original"));
    app.settings->setDefaultSubtitleLang(QStringLiteral("de"));
    find<QLineEdit>("urlInput")->setText(QStringLiteral("https://a.example/1\nhttps://a.example/2\r\nhttps://a.example/3"));
    find<QPushButton>("downloadAllButton")->click();

    ASSERT_EQ(jobs().size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(jobs().at(i)->url(), QStringLiteral("https://a.example/%1").arg(i + 1));
        EXPECT_EQ(jobs().at(i)->mediaType(), MediaKind::audio);
        EXPECT_EQ(jobs().at(i)->audioFormat(), AudioFormat::mp3);
        EXPECT_EQ(jobs().at(i)->subtitleMode(), SubtitleMode::original);
        EXPECT_EQ(jobs().at(i)->subtitleLang(), QStringLiteral("de"));
    }
    EXPECT_TRUE(find<QLineEdit>("urlInput")->text().isEmpty());
    EXPECT_FALSE(enabled("downloadAllButton"));
}

TEST_F(DownloadsViewTest, TheListReplacesThePlaceholderWithTheFirstJob)
{
    app.holdQueue();
    auto *stack = find("jobList")->parentWidget();
    ASSERT_NE(qobject_cast<QStackedWidget *>(stack), nullptr);
    EXPECT_EQ(qobject_cast<QStackedWidget *>(stack)->currentWidget(), find("emptyDownloadsPlaceholder"));
    app.coordinator->addURLs(QStringLiteral("https://a.example/1"));
    EXPECT_EQ(qobject_cast<QStackedWidget *>(stack)->currentWidget(), find("jobList"));
    app.coordinator->queue().remove(jobs().first());
    EXPECT_EQ(qobject_cast<QStackedWidget *>(stack)->currentWidget(), find("emptyDownloadsPlaceholder"));
}

// A waiting job is on its way: Remove asks before it stops it, keeps its
// partial files unless told, and Cancel keeps the job.
TEST_F(DownloadsViewTest, RemoveOnARowAsksToStopThenTakesTheJobOutOfTheQueue)
{
    app.holdQueue();
    app.coordinator->addURLs(QStringLiteral("https://a.example/1\nhttps://a.example/2"));
    auto *list = find<JobListView>("jobList");
    const DownloadJobPtr second = jobs().at(1);
    const auto pressRemove = [&] {
        const QModelIndex row = list->model()->index(0, 0);
        const auto targets = list->rowTargets(row);
        for (int i = 0; i < targets.size(); ++i) {
            if (targets.at(i).first == QStringLiteral("Remove"))
                list->triggerTarget(row, i);
        }
        return view.findChild<QMessageBox *>(QStringLiteral("stopAndRemoveQuestion"));
    };

    QMessageBox *question = pressRemove();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->windowTitle(), "Stop and remove?");
    auto *deleteFiles = question->findChild<QCheckBox *>(QStringLiteral("deletePartialFilesCheck"));
    ASSERT_NE(deleteFiles, nullptr);
    EXPECT_EQ(deleteFiles->text(), "Also delete its partial files");
    EXPECT_FALSE(deleteFiles->isChecked());
    EXPECT_EQ(question->defaultButton(), question->findChild<QPushButton *>(QStringLiteral("removeCancelButton")));
    question->findChild<QPushButton *>(QStringLiteral("removeCancelButton"))->click();
    EXPECT_EQ(jobs().size(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    question = pressRemove();
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton *>(QStringLiteral("stopAndRemoveButton"))->click();
    ASSERT_EQ(jobs().size(), 1);
    EXPECT_EQ(jobs().first(), second);
    EXPECT_TRUE(app.history->all().isEmpty()) << "a job that never started leaves no record";
}

TEST_F(DownloadsViewTest, CopyLinkInARowMenuPutsTheJobsLinkOnTheClipboard)
{
    app.holdQueue();
    app.coordinator->addURLs(QStringLiteral("https://a.example/1\nhttps://a.example/2?x=<b>"));
    auto *list = find<JobListView>("jobList");
    ClipboardService::shared().writeString(QStringLiteral("before"));
    QMenu *menu = list->rowMenu(list->model()->index(1, 0));
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("Copy Link"))
            action->trigger();
    }
    delete menu;
    EXPECT_EQ(ClipboardService::shared().readString(), QStringLiteral("https://a.example/2?x=<b>"));
}

TEST_F(DownloadsViewTest, VerboseLogsOfferTheLogOfEveryRowThatHasOne)
{
    app.holdQueue();
    app.coordinator->addURLs(QStringLiteral("https://a.example/1\nhttps://a.example/2\nhttps://a.example/3"));
    jobs().at(0)->setLogLines({QStringLiteral("[download] Destination: clip.mp4")});
    jobs().at(2)->setStatus(DownloadStatus::failed);
    auto *list = find<JobListView>("jobList");
    const auto offersLog = [&](int row) {
        list->jobModel()->flushChanges();
        const auto targets = list->rowTargets(list->model()->index(row, 0));
        return !targets.isEmpty() && targets.last().first == QStringLiteral("Show Log");
    };
    EXPECT_FALSE(offersLog(0));
    EXPECT_TRUE(offersLog(2)) << "a failed job offers its log whatever the setting";

    app.settings->setShowVerboseLogs(true);
    EXPECT_TRUE(offersLog(0));
    EXPECT_FALSE(offersLog(1)) << "no log lines, nothing to show";
    EXPECT_TRUE(offersLog(2));

    list->triggerTarget(list->model()->index(0, 0), static_cast<int>(list->rowTargets(list->model()->index(0, 0)).size()) - 1);
    auto *log = find<QPlainTextEdit>("jobLogText");
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->toPlainText(), QStringLiteral("[download] Destination: clip.mp4"));
    jobs().at(0)->appendLog(QStringLiteral("[download]  50.0% of 1.00MiB"));
    list->jobModel()->flushChanges();
    EXPECT_EQ(log->toPlainText(), QStringLiteral("[download] Destination: clip.mp4\n[download]  50.0% of 1.00MiB"));

    app.settings->restoreDefaults();
    EXPECT_FALSE(offersLog(0));
    EXPECT_TRUE(offersLog(2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(find<QPlainTextEdit>("jobLogText"), nullptr) << "the open log closes with its toggle";
}

TEST_F(DownloadsViewTest, CtrlLFocusesTheLinkField)
{
    find<QPushButton>("batchButton")->setFocus();
    QTest::keyClick(&view, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(find<QLineEdit>("urlInput")->hasFocus());
}

TEST_F(DownloadsViewTest, PasteReplacesTheFieldWithTheClipboardText)
{
    find<QLineEdit>("urlInput")->setText(QStringLiteral("old"));
    ClipboardService::shared().writeString(QStringLiteral(" https://a.example/1 \nhttps://a.example/2"));
    find<QPushButton>("pasteButton")->click();
    EXPECT_EQ(find<QLineEdit>("urlInput")->text(), QStringLiteral(" https://a.example/1 \nhttps://a.example/2"));
}

TEST_F(DownloadsViewTest, BatchSheetQueuesItsLinks)
{
    app.holdQueue();
    find<QPushButton>("batchButton")->click();
    auto *sheet = view.findChild<BatchDownloadSheet *>(QStringLiteral("batchSheet"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    sheet->findChild<QPlainTextEdit *>(QStringLiteral("batchTextView"))
        ->setPlainText(QStringLiteral("https://a.example/1\nhttps://a.example/1\nhttps://a.example/2"));
    sheet->findChild<QPushButton *>(QStringLiteral("batchAddButton"))->click();
    ASSERT_EQ(jobs().size(), 2);
    EXPECT_EQ(jobs().at(1)->url(), QStringLiteral("https://a.example/2"));
}

TEST_F(DownloadsViewTest, AFailedAnalysisShowsTheCategoryMessageAndNoPreview)
{
    analyzeAndWait(QStringLiteral("ftp://files.example/clip.mp4"));
    auto *error = find<QLabel>("analyzeErrorLabel");
    EXPECT_TRUE(error->isVisible());
    EXPECT_FALSE(error->text().isEmpty());
    EXPECT_EQ(error->textFormat(), Qt::PlainText);
    EXPECT_EQ(view.previewCard(), nullptr);
    EXPECT_TRUE(find<QLineEdit>("urlInput")->isEnabled());
}

TEST_F(DownloadsViewTest, AnalyzeFillsTheCardAndDownloadQueuesItsChoices)
{
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    // A page whose video has German and English subtitles beside it.
    const QDir media(server.mediaDirectory());
    for (const char *language : {"de", "en"}) {
        QFile vtt(media.filePath(QStringLiteral("clip.%1.vtt").arg(QLatin1String(language))));
        ASSERT_TRUE(vtt.open(QIODevice::WriteOnly));
        vtt.write("WEBVTT\n\n00:00.000 --> 00:01.000\nHello\n");
    }
    QFile page(media.filePath(QStringLiteral("subs.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Subtitled Clip</title></head><body>"
               "<video controls src=\"video.mp4\">"
               "<track kind=\"subtitles\" src=\"clip.en.vtt\" srclang=\"en\" label=\"English\">"
               "<track kind=\"subtitles\" src=\"clip.de.vtt\" srclang=\"de\" label=\"Deutsch\">"
               "</video></body></html>\n");
    page.close();

    analyzeAndWait(QStringLiteral("\n") + server.url(QStringLiteral("/subs.html")) + QStringLiteral("\nhttps://second.example/"));
    ASSERT_FALSE(find<QLabel>("analyzeErrorLabel")->isVisible()) << find<QLabel>("analyzeErrorLabel")->text().toStdString();
    PreviewCard *card = view.previewCard();
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->findChild<WrappedLabel *>(QStringLiteral("previewTitle"))->text().startsWith(QStringLiteral("Subtitled Clip")));
    EXPECT_EQ(card->findChild<QLabel *>(QStringLiteral("previewHost"))->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(card->findChild<QLabel *>(QStringLiteral("qualitySummaryLabel"))->text(),
              QString::fromUtf8("1080p video · best audio"));

    auto *type = card->findChild<SegmentedPicker *>(QStringLiteral("mediaTypePicker"));
    type->setCurrentIndex(1);
    EXPECT_FALSE(card->findChild<QComboBox *>(QStringLiteral("videoQualityPicker"))->isVisibleTo(card));
    EXPECT_TRUE(card->findChild<QComboBox *>(QStringLiteral("audioFormatPicker"))->isVisibleTo(card));
    card->findChild<QComboBox *>(QStringLiteral("audioFormatPicker"))->setCurrentIndex(2);
    EXPECT_EQ(card->findChild<QLabel *>(QStringLiteral("qualitySummaryLabel"))->text(), QStringLiteral("M4A audio"));
    auto *languages = card->findChild<QComboBox *>(QStringLiteral("subtitleLanguagePicker"));
    EXPECT_FALSE(languages->isVisibleTo(card));
    card->findChild<SegmentedPicker *>(QStringLiteral("subtitleModePicker"))->setCurrentIndex(1);
    EXPECT_TRUE(languages->isVisibleTo(card));
    QStringList offered;
    for (int i = 0; i < languages->count(); ++i)
        offered << languages->itemData(i).toString();
    EXPECT_EQ(offered, (QStringList{"all", "de", "en"}));
    languages->setCurrentIndex(languages->findData(QStringLiteral("de")));
    EXPECT_EQ(card->findChild<QLabel *>(QStringLiteral("qualitySummaryLabel"))->text(),
              QString::fromUtf8("M4A audio · Subtitles: de"));

    app.holdQueue();
    const QString pageUrl = card->record().webpageUrl;
    card->findChild<QPushButton *>(QStringLiteral("downloadButton"))->click();
    ASSERT_EQ(jobs().size(), 1);
    const DownloadJobPtr job = jobs().first();
    EXPECT_EQ(job->url(), pageUrl);
    EXPECT_EQ(job->mediaType(), MediaKind::audio);
    EXPECT_EQ(job->audioFormat(), AudioFormat::m4a);
    EXPECT_EQ(job->subtitleMode(), SubtitleMode::original);
    EXPECT_EQ(job->subtitleLang(), QStringLiteral("de"));
    ASSERT_TRUE(job->metadata().has_value());
    EXPECT_TRUE(find<QLineEdit>("urlInput")->text().isEmpty());
    EXPECT_EQ(view.previewCard(), nullptr);
}

TEST_F(DownloadsViewTest, TheBusyIndicatorLeavesTheLinkFieldItsWidth)
{
    view.resize(900, 600);
    view.show();
    find<QLineEdit>("urlInput")->setText(QStringLiteral("https://127.0.0.1:1/nothing"));
    QCoreApplication::processEvents();
    const int before = find<QLineEdit>("urlInput")->width();
    view.analyze();
    ASSERT_TRUE(view.isAnalyzing());
    QCoreApplication::processEvents();
    EXPECT_TRUE(find<QWidget>("analyzeProgress")->isVisible());
    EXPECT_EQ(find<QLineEdit>("urlInput")->width(), before);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !view.isAnalyzing(); }, std::chrono::seconds(30)));
}

// What the card says will be fetched.
struct SummaryCase
{
    DownloadChoices choices;
    const char *expected;
};

class QualitySummaryTest : public ::testing::TestWithParam<SummaryCase>
{
};

TEST_P(QualitySummaryTest, NamesWhatWillBeFetched)
{
    EXPECT_EQ(GetParam().choices.qualitySummary(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, QualitySummaryTest,
    ::testing::Values(
        SummaryCase{{MediaKind::video, VideoQuality::p1080, AudioFormat::mp3, SubtitleMode::none, "en", {}},
                    "1080p video · best audio"},
        SummaryCase{{MediaKind::audio, VideoQuality::p1080, AudioFormat::best, SubtitleMode::none, "en", {}}, "Best audio"},
        SummaryCase{{MediaKind::audio, VideoQuality::p1080, AudioFormat::mp3, SubtitleMode::none, "en", {}}, "MP3 audio"},
        SummaryCase{{MediaKind::video, VideoQuality::p720, AudioFormat::best, SubtitleMode::original, "en,de", {}},
                    "720p video · best audio · Subtitles: en,de"},
        SummaryCase{{MediaKind::audio, VideoQuality::p1080, AudioFormat::best, SubtitleMode::automatic, "", {}},
                    "Best audio · Auto subtitles: all languages"}));

// A page with 2,500 renditions (yt-dlp describes it in about 2 MB on one
// line) is previewed, and Download fetches it with the preview's answer:
// the link is extracted once in all, the job runs yt-dlp once.
TEST(DownloadsViewEndToEnd, AMasterPlaylistOfThousandsOfVariantsIsPreviewedAndDownloadedWithOneExtraction)
{
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    CountingYtDlp tools;
    ASSERT_TRUE(tools.isValid());
    UiTestApp app(tools.resourcesDirectory());
    app.state->setLegalAccepted(true);
    DownloadsView view(*app.state, app.thumbnails);
    view.resize(1000, 700);
    view.show();

    const QString url = server.url(server.addMasterPlaylist(2500));
    QSignalSpy analysed(&view, &DownloadsView::analysisFinished);
    view.findChild<QLineEdit *>(QStringLiteral("urlInput"))->setText(url);
    view.analyze();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return analysed.count() > 0; }, std::chrono::seconds(60)));
    PreviewCard *card = view.previewCard();
    ASSERT_NE(card, nullptr) << view.findChild<QLabel *>(QStringLiteral("analyzeErrorLabel"))->text().toStdString();
    EXPECT_EQ(card->findChild<WrappedLabel *>(QStringLiteral("previewTitle"))->text(), QStringLiteral("master-2500"));
    EXPECT_EQ(card->record().formats.size(), 2500);

    card->findChild<QPushButton *>(QStringLiteral("downloadButton"))->click();
    ASSERT_EQ(app.coordinator->queue().jobs().size(), 1);
    const DownloadJobPtr job = app.coordinator->queue().jobs().first();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return DownloadStatuses::isTerminal(job->status()); },
                                       std::chrono::seconds(120)));
    EXPECT_EQ(job->status(), DownloadStatus::completed) << job->logLines().join('\n').toStdString();
    EXPECT_GT(QFileInfo(job->outputPath()).size(), 10000) << job->outputPath().toStdString();
    const QList<QStringList> runs = tools.runs();
    ASSERT_EQ(runs.size(), 3) << "the preview's and the job's two (the name, the download)";
    EXPECT_TRUE(runs[1].contains(QStringLiteral("--load-info-json")));
    EXPECT_TRUE(runs[2].contains(QStringLiteral("--load-info-json")));
    EXPECT_EQ(tools.extractions(), 1);
}

TEST(PreviewCard, TextFromOutsideIsShownAsTyped)
{
    ThumbnailLoader thumbnails;
    MediaMetadata record;
    record.title = QStringLiteral("<img src=x><b>bold</b>");
    record.uploader = QStringLiteral("<i>uploader</i> &amp;");
    record.webpageUrl = QStringLiteral("https://media.example/watch");
    PreviewCard card(record, DownloadChoices{}, thumbnails);
    EXPECT_EQ(card.findChild<WrappedLabel *>(QStringLiteral("previewTitle"))->text(), record.title);
    auto *uploader = card.findChild<QLabel *>(QStringLiteral("previewUploader"));
    EXPECT_EQ(uploader->text(), *record.uploader);
    EXPECT_EQ(uploader->textFormat(), Qt::PlainText);
    EXPECT_EQ(card.findChild<QLabel *>(QStringLiteral("previewHost"))->text(), QStringLiteral("media.example"));
    EXPECT_EQ(card.findChild<QLabel *>(QStringLiteral("previewDuration")), nullptr);
}

} // namespace
