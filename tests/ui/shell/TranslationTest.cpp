#include "engine/DownloadJob.h"
#include "engine/FailureSummary.h"
#include "settings/AppLanguage.h"
#include "ui/UiTestApp.h"
#include "ui/diagnostics/AboutView.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "ui/downloads/ListPreviewCard.h"
#include "ui/downloads/PreviewCard.h"
#include "ui/history/HistoryPresentation.h"
#include "ui/history/HistoryView.h"
#include "ui/jobs/JobRowContent.h"
#include "ui/settings/SettingsView.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/shell/LanguageSwitch.h"
#include "ui/shell/MainWindow.h"
#include "ui/widgets/OpenFailureMessage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using TestSupport::waitUntil;
using TestSupport::writeScript;

namespace {

// Words that stay as they are in every language: names, technical terms,
// and the fixed labels that are never translated.
const QStringList kUntranslatable{
    "github.com/yt-dlp/ejs", "yt-dlp-ejs", "JavaScript", "scripts/bootstrap-tools.sh", "cookies.txt", "http(s)", "UTF-8", "Tarvelle", "Netscape", "Cookie", "DRM", "PATH",
    "URL", "yt-dlp", "ffmpeg", "ffprobe", "deno", "FFmpeg", "English", "MP3", "M4A", "n/a", "Enter", "ID", "GitHub",
    "SHA-256", "SponsorBlock", "Firefox", "Chromium", "Chrome", "Brave", "Edge", "Opera", "Vivaldi", "KB/s", "MB/s"};

// Widgets that show data (titles, paths, versions, names), not fixed text.
const QStringList kDataWidgets{"historyTitle",     "diagnosticsApplicationId", "diagnosticsSystem", "toolName",
                               "toolPath",         "toolVersion",              "aboutToolName",     "aboutToolVersion",
                               "thumbnailView",    "historyFailureReason",     "lookInCombo",
                               "fileNameEdit",     "outputDirectoryProblem",   "diagnosticsUserToolsFolder",
                               "outputTemplatePreview",    "listUploader"};

bool showsData(const QWidget *widget, const QWidget *root)
{
    for (const QWidget *w = widget; w && w != root->parentWidget(); w = w->parentWidget()) {
        if (kDataWidgets.contains(w->objectName()))
            return true;
    }
    return false;
}

QStringList fixedTexts(const QWidget *widget)
{
    QStringList texts;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        texts << label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        texts << button->text() << button->toolTip() << button->accessibleName();
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        texts << box->title();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        texts << edit->placeholderText() << edit->accessibleName();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    if (const auto *bar = qobject_cast<const QMenuBar *>(widget)) {
        for (const QAction *action : bar->actions()) {
            texts << action->text();
            if (action->menu()) {
                for (const QAction *item : action->menu()->actions())
                    texts << item->text();
            }
        }
    }
    if (widget->isWindow())
        texts << widget->windowTitle();
    return texts;
}

// True when `text`, without the words that stay as they are, still has an English word.
bool readsAsEnglish(QString text)
{
    static const QRegularExpression english(QStringLiteral("[A-Za-z]{3,}"));
    text.remove(QLatin1Char('&'));
    for (const QString &word : kUntranslatable)
        text.remove(word);
    return text.contains(english);
}

// Every visible fixed text under `root` that still reads as English.
QStringList untranslated(const QWidget *root)
{
    QStringList found;
    QList<const QWidget *> widgets{root};
    for (const QWidget *child : root->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : widgets) {
        if (!widget->isVisibleTo(root) && widget != root)
            continue;
        if (showsData(widget, root))
            continue;
        for (const QString &text : fixedTexts(widget)) {
            if (readsAsEnglish(text))
                found << widget->objectName() + QStringLiteral(": ") + text;
        }
    }
    found.removeDuplicates();
    return found;
}

void expectTranslated(const QWidget *root, const char *where)
{
    const QStringList found = untranslated(root);
    EXPECT_TRUE(found.isEmpty()) << where << ":\n" << found.join(QLatin1Char('\n')).toStdString();
}

// The job rows are painted, not widgets: what the delegate draws comes from
// each row's content (subtitle, badge, headline, detail, note, error) and
// its laid-out buttons, and its menu offers the rest. Data in them (paths,
// file names, speeds, languages) is left out, as the widget check leaves
// out data widgets.
QStringList untranslatedRows(JobListView *list, const QStringList &data)
{
    static const QRegularExpression english(QStringLiteral("[A-Za-z]{3,}"));
    QStringList found;
    for (int row = 0; row < list->jobModel()->rowCount(); ++row) {
        const QModelIndex index = list->jobModel()->index(row);
        const JobRowContent &content = list->jobModel()->contentAt(row);
        QStringList texts{content.subtitle, content.badge.text, content.headline,
                          content.detailText, content.note,     content.errorSummary};
        for (const auto &target : list->rowTargets(index))
            texts << target.first;
        const std::unique_ptr<QMenu> menu(list->rowMenu(index));
        for (const QAction *action : menu->actions())
            texts << action->text();
        for (QString text : texts) {
            for (const QString &word : data + kUntranslatable)
                text.remove(word);
            if (text.contains(english))
                found << content.title + QStringLiteral(": ") + text;
        }
    }
    found.removeDuplicates();
    return found;
}

DownloadJobPtr job(const QString &title, DownloadStatus status, MediaKind kind = MediaKind::video)
{
    auto job = DownloadJob::create(QStringLiteral("https://media.example/") + title, kind, VideoQuality::p1080,
                                   AudioFormat::best, SubtitleMode::original, QStringLiteral("en"));
    MediaMetadata metadata;
    metadata.title = title;
    job->setMetadata(metadata);
    job->setStatus(status);
    return job;
}

// Half of a 1 MiB file at 1 MiB/s.
void halfWay(DownloadJob &job)
{
    job.setProgress(0.5);
    job.setDownloadedBytes(512 * 1024);
    job.setTotalBytes(1024 * 1024);
    job.setSpeed(QStringLiteral("1.0MiB/s"));
    job.setEta(QStringLiteral("00:01"));
}

DownloadHistory record(const QString &title, DownloadStatus status, std::optional<QString> path, int minute,
                       std::optional<QString> summary = std::nullopt)
{
    DownloadHistory r;
    r.uuid = QUuid::createUuid();
    r.title = title;
    r.sourceURL = QStringLiteral("https://media.example/%1").arg(minute);
    r.mediaTypeRaw = minute % 2 ? QStringLiteral("audio") : QStringLiteral("video");
    r.selectedQuality = minute % 2 ? QStringLiteral("best") : QStringLiteral("p1080");
    r.startedAt = QDateTime::currentDateTimeUtc().addSecs(-3600 * minute);
    r.finishedAt = r.startedAt.addSecs(60);
    r.finalStatusRaw = DownloadStatuses::rawValue(status);
    r.finalFilePath = path;
    r.errorSummary = summary;
    if (summary)
        r.errorReason = QStringLiteral("HTTP Error 404: Not Found");
    return r;
}

// Runs `trigger`, which opens a modal dialog and waits for it; the dialog is
// handed to `inspect` while it shows, then closed.
void whileModal(const std::function<void()> &trigger, const std::function<void(QWidget *)> &inspect)
{
    bool seen = false;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        look.stop();
        seen = true;
        QCoreApplication::processEvents();
        inspect(dialog);
        if (auto *box = qobject_cast<QDialog *>(dialog))
            box->reject();
        else
            dialog->close();
    });
    look.start();
    trigger();
    EXPECT_TRUE(seen) << "no dialog showed";
}

struct LanguageCase
{
    const char *name;
    AppLanguage language;
};

class TranslationTest : public ::testing::TestWithParam<LanguageCase>
{
protected:
    TranslationTest() : app(resources.path())
    {
        QDir(resources.path()).mkpath(QStringLiteral("Tools"));
        writeScript(resources, QStringLiteral("Tools/ffmpeg"), "echo ffmpeg version 9");
        QFile(files.filePath(QStringLiteral("音乐"))).open(QIODevice::WriteOnly);
        app.history->add(record(QStringLiteral("音乐会"), DownloadStatus::completed, files.filePath(QStringLiteral("音乐")), 1));
        app.history->add(record(QStringLiteral("失败的直播"), DownloadStatus::failed, std::nullopt, 2,
                                QStringLiteral("A network error occurred.")));
        app.history->add(record(QStringLiteral("没有文件夹"), DownloadStatus::failed, std::nullopt, 5,
                                QStringLiteral("Cannot create output directory: /媒体/下载")));
        app.history->add(record(QStringLiteral("旧视频"), DownloadStatus::completed, files.filePath(QStringLiteral("不在")), 3));
        app.history->add(record(QStringLiteral("停止的下载"), DownloadStatus::cancelled, std::nullopt, 4));
    }

    ~TranslationTest() override { LanguageSwitch::apply(QStringLiteral("english")); }

    void openWindow()
    {
        window = std::make_unique<MainWindow>(*app.state, *app.shutdown, app.thumbnails);
        window->resize(1100, 760);
        window->show();
    }

    void show(SidebarSelection section)
    {
        app.state->setSelectedTab(section);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QTemporaryDir resources;
    QTemporaryDir files;
    UiTestApp app;
    std::unique_ptr<MainWindow> window;
};

TEST_P(TranslationTest, EveryScreenSpeaksTheLanguage)
{
    app.settings->setSelectedAppLanguage(GetParam().language);
    LanguageSwitch::apply(app.settings->selectedAppLanguage());
    openWindow();
    expectTranslated(window.get(), "legal notice");

    app.state->setLegalAccepted(true);
    QCoreApplication::processEvents();
    show(SidebarSelection::downloads);
    expectTranslated(window.get(), "downloads");

    app.holdQueue();
    const QString folder = files.filePath(QStringLiteral("out"));
    const auto noFolder = job(QStringLiteral("无法保存"), DownloadStatus::failed);
    noFolder->setErrorSummary(FailureSummary::outputFolder(folder));
    const auto noTool = job(QStringLiteral("没有工具"), DownloadStatus::failed);
    noTool->setErrorSummary(FailureSummary::toolMissing());
    const auto network = job(QStringLiteral("断网"), DownloadStatus::failed);
    network->setErrorSummary(QString::fromLatin1(DownloadErrorCategories::userMessage(DownloadErrorCategory::network)));
    const auto completed = job(QStringLiteral("完成"), DownloadStatus::completed);
    completed->setOutputPath(files.filePath(QStringLiteral("音乐")));
    completed->setOutputFilename(QStringLiteral("音乐"));
    const auto running = job(QStringLiteral("下载中"), DownloadStatus::downloading);
    halfWay(*running);
    const auto audio = job(QStringLiteral("音频"), DownloadStatus::downloading, MediaKind::audio);
    audio->setStage(QStringLiteral("audio"));
    audio->setDownloadedBytes(4096);
    const auto stalled = job(QStringLiteral("卡住"), DownloadStatus::downloading);
    halfWay(*stalled);
    stalled->setStalled(true);
    const auto retrying = job(QStringLiteral("重试"), DownloadStatus::downloading);
    retrying->setRetry(DownloadRetry{3, 10});
    const auto finalizing = job(QStringLiteral("收尾"), DownloadStatus::merging);
    finalizing->setStage(QStringLiteral("finalizing"));
    app.coordinator->queue().append({noFolder, noTool, network, completed, running, audio, stalled, retrying,
                                     finalizing, job(QStringLiteral("排队"), DownloadStatus::queued)});
    QCoreApplication::processEvents();
    auto *list = window->findChild<JobListView *>(QStringLiteral("jobList"));
    ASSERT_NE(list, nullptr);
    const QStringList rows = untranslatedRows(list, {folder, QStringLiteral("1.0MiB/s"), QStringLiteral("en")});
    EXPECT_TRUE(rows.isEmpty()) << "job rows:\n" << rows.join(QLatin1Char('\n')).toStdString();
    EXPECT_NE(list->jobModel()->contentAt(0).errorSummary.indexOf(folder), -1) << "the folder is shown as it is";
    expectTranslated(window.get(), "downloads with jobs");

    show(SidebarSelection::history);
    auto *history = window->findChild<HistoryView *>();
    ASSERT_NE(history, nullptr);
    ASSERT_TRUE(waitUntil([&] {
        for (const QWidget *missing : window->findChildren<QWidget *>(QStringLiteral("historyFileMissing"))) {
            if (missing->isVisibleTo(window.get()))
                return true;
        }
        return false;
    }));
    expectTranslated(window.get(), "history");
    history->findChild<QLineEdit *>(QStringLiteral("historySearchField"))->setText(QStringLiteral("没有这个"));
    expectTranslated(window.get(), "history, nothing found");

    show(SidebarSelection::settings);
    expectTranslated(window.get(), "settings");
    auto *settings = window->findChild<SettingsView *>();
    ASSERT_NE(settings, nullptr);
    auto *folderField = window->findChild<QLineEdit *>(QStringLiteral("settingsOutputDirectory"));
    folderField->setText(QStringLiteral("相对/路径"));
    emit folderField->textEdited(folderField->text());
    emit folderField->editingFinished();
    ASSERT_TRUE(waitUntil([&] { return settings->outputFolderChecked(); }));
    const auto *problem = window->findChild<QLabel *>(QStringLiteral("outputDirectoryProblem"));
    ASSERT_TRUE(problem->isVisible());
    // The reason names the folder still in use, a path of letters.
    EXPECT_FALSE(readsAsEnglish(QString(problem->text()).remove(app.settings->defaultOutputDirectory())))
        << problem->text().toStdString();
    expectTranslated(window.get(), "settings, an output folder that cannot be used");

    show(SidebarSelection::diagnostics);
    auto *diagnostics = window->findChild<DiagnosticsView *>();
    ASSERT_NE(diagnostics, nullptr);
    expectTranslated(window.get(), "diagnostics running");
    ASSERT_TRUE(waitUntil([&] { return diagnostics->state() == DiagnosticsView::State::report; }));
    expectTranslated(window.get(), "diagnostics report");
    window->findChild<QAbstractButton *>(QStringLiteral("diagnosticsAboutButton"))->click();
    ASSERT_NE(diagnostics->about(), nullptr);
    expectTranslated(diagnostics->about(), "about");
    diagnostics->about()->close();
}

TEST_P(TranslationTest, ChoosingTheLanguageTranslatesTheOpenWindowAtOnce)
{
    LanguageSwitch::apply(QStringLiteral("english"));
    app.state->setLegalAccepted(true);
    openWindow();
    show(SidebarSelection::settings);
    auto *picker = window->findChild<QComboBox *>(QStringLiteral("settingsLanguagePicker"));
    ASSERT_NE(picker, nullptr);
    ASSERT_FALSE(untranslated(window.get()).isEmpty());
    const int index = picker->findData(AppLanguages::rawValue(GetParam().language));
    picker->setCurrentIndex(index);
    emit picker->activated(index);
    QCoreApplication::processEvents();
    expectTranslated(window.get(), "settings after the switch");
    EXPECT_EQ(picker->currentIndex(), index);
}

// Qt's own dialogs and the window's questions and messages.
TEST_P(TranslationTest, DialogsSpeakTheLanguage)
{
    app.settings->setSelectedAppLanguage(GetParam().language);
    LanguageSwitch::apply(app.settings->selectedAppLanguage());
    QWidget parent;
    parent.show();

    whileModal([&] { HistoryView::desktopActions().confirmClear(&parent); },
               [](QWidget *dialog) { expectTranslated(dialog, "clear history confirmation"); });
    whileModal([&] { SettingsView::askToRestore(&parent); },
               [](QWidget *dialog) { expectTranslated(dialog, "restore defaults confirmation"); });
    whileModal([&] { SettingsView::desktopChoosers().directory(&parent, files.path()); },
               [](QWidget *dialog) {
                   expectTranslated(dialog, "folder chooser");
                   // Qt's own texts, which only Qt's translations carry.
                   const auto *cancel = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel);
                   EXPECT_NE(cancel->text().remove(QLatin1Char('&')), QStringLiteral("Cancel"));
               });
    OpenFailureMessage::reporter(&parent, QStringLiteral("/音乐/视频.mp4"))(OpenOutcome::noHandler);
    auto *message = parent.findChild<QMessageBox *>(QStringLiteral("openFailureMessage"));
    ASSERT_NE(message, nullptr);
    expectTranslated(message, "no application to open a file");
    message->close();
}

// What a failed job row and history row say, and the failure notification.
TEST_P(TranslationTest, FailureTextsSpeakTheLanguage)
{
    LanguageSwitch::apply(AppLanguages::rawValue(GetParam().language));
    QStringList english{FailureSummary::cancelled(), FailureSummary::toolMissing(), FailureSummary::nameTaken()};
    for (const DownloadErrorCategory category : DownloadErrorCategories::all())
        english << QString::fromLatin1(DownloadErrorCategories::userMessage(category));
    for (const QString &summary : std::as_const(english)) {
        const QString shown = FailureSummary::translated(summary);
        EXPECT_FALSE(readsAsEnglish(shown)) << shown.toStdString();
    }
    const QString folder = FailureSummary::translated(FailureSummary::outputFolder(QStringLiteral("/media/gone")));
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/media/gone"))) << folder.toStdString();
    EXPECT_FALSE(readsAsEnglish(folder.chopped(QStringLiteral("/media/gone").size()))) << folder.toStdString();
    EXPECT_EQ(FailureSummary::translated(QStringLiteral("written by an older version")),
              QStringLiteral("written by an older version"));
}

// The card of an analysed list, with a link to one of its entries and a
// range that cannot be chosen.
TEST_P(TranslationTest, TheListCardSpeaksTheLanguage)
{
    LanguageSwitch::apply(AppLanguages::rawValue(GetParam().language));
    MediaList list;
    list.title = QStringLiteral("合集");
    list.uploader = QStringLiteral("Uploader Name");
    for (int i = 1; i <= 3; ++i)
        list.entries.append(MediaListEntry{i, QStringLiteral("第%1集").arg(i), 62.0, std::nullopt,
                                           QStringLiteral("https://a.example/%1").arg(i), false});
    list.linkedEntry = 2;
    ListPreviewCard card(list, DownloadChoices(), app.thumbnails);
    card.resize(900, 900);
    card.show();
    QTest::keyClicks(card.findChild<QLineEdit *>(QStringLiteral("listRange")), QStringLiteral("9"));
    ASSERT_TRUE(card.findChild<QLabel *>(QStringLiteral("listRangeError"))->isVisible());
    expectTranslated(&card, "list card");
}

// A video opened inside a list: its card's place in the list and the way
// to the list.
TEST_P(TranslationTest, TheCardOfAVideoInsideAListSpeaksTheLanguage)
{
    LanguageSwitch::apply(AppLanguages::rawValue(GetParam().language));
    MediaMetadata video;
    video.title = QStringLiteral("第2集");
    MediaList list;
    list.title = QStringLiteral("合集");
    for (int i = 1; i <= 3; ++i)
        list.entries.append(MediaListEntry{i, QStringLiteral("第%1集").arg(i), 62.0, std::nullopt,
                                           QStringLiteral("https://a.example/%1").arg(i), false});
    list.linkedEntry = 2;
    PreviewCard card(video, DownloadChoices(), app.thumbnails);
    card.setEnclosingList(list);
    card.resize(900, 900);
    card.show();
    expectTranslated(&card, "card of a video inside a list");
}

// How a run ended, on a job row and a history row, and the analysis's own
// failure sentence beneath the link field.
TEST_P(TranslationTest, NotesOfHowARunEndedSpeakTheLanguage)
{
    LanguageSwitch::apply(AppLanguages::rawValue(GetParam().language));
    for (const QString &note : {QStringLiteral("Already downloaded: the file from an earlier download of this link is kept."),
                                QStringLiteral("Saved under a new name: a file of the same name from another link is kept.")}) {
        auto job = DownloadJob::create(QStringLiteral("https://a.example/"), MediaKind::video, VideoQuality::best,
                                       AudioFormat::best, SubtitleMode::none, QString());
        job->setStatus(DownloadStatus::completed);
        job->setNote(note);
        EXPECT_FALSE(readsAsEnglish(JobRowContent::forJob(*job).note)) << note.toStdString();
        DownloadHistory record;
        record.note = note;
        EXPECT_FALSE(readsAsEnglish(HistoryPresentation::subtitle(record).section(QStringLiteral(" \u00B7 "), -1)))
            << note.toStdString();
    }
    // The unit stays as it is.
    EXPECT_FALSE(readsAsEnglish(
        QCoreApplication::translate("DownloadErrorCategory", "The description yt-dlp gave of this link is larger than "
                                                             "256 MiB, more than Tarvelle reads.")
            .remove(QStringLiteral("MiB"))));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest,
                         ::testing::Values(LanguageCase{"SimplifiedChinese", AppLanguage::simplifiedChinese},
                                           LanguageCase{"TraditionalChinese", AppLanguage::traditionalChinese}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
