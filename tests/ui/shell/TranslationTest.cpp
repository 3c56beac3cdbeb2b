#include "engine/ErrorSummary.h"
#include "settings/AppLanguage.h"
#include "ui/UiTestApp.h"
#include "ui/diagnostics/AboutView.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "ui/history/HistoryView.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/shell/LanguageSwitch.h"
#include "ui/shell/MainWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <gtest/gtest.h>

using TestSupport::waitUntil;
using TestSupport::writeScript;

namespace {

// Words that stay as they are in every language: names, technical terms,
// and the fixed labels that are never translated.
const QStringList kUntranslatable{
    "scripts/bootstrap-tools.sh", "cookies.txt", "http(s)", "UTF-8", "Tarvelle", "Netscape", "Cookie", "DRM", "PATH",
    "URL", "yt-dlp", "ffmpeg", "ffprobe", "deno", "FFmpeg", "English", "MP3", "M4A", "n/a", "Verified", "Mismatch",
    "Enter", "ID"};

// Widgets that show data (titles, paths, versions, names), not fixed text.
const QStringList kDataWidgets{"historyTitle",     "diagnosticsApplicationId", "diagnosticsSystem", "toolName",
                               "toolPath",         "toolVersion",              "aboutToolName",     "aboutToolVersion",
                               "thumbnailView"};

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

// Every visible fixed text under `root` that still reads as English.
QStringList untranslated(const QWidget *root)
{
    static const QRegularExpression english(QStringLiteral("[A-Za-z]{3,}"));
    QStringList found;
    QList<const QWidget *> widgets{root};
    for (const QWidget *child : root->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : widgets) {
        if (!widget->isVisibleTo(root) && widget != root)
            continue;
        if (showsData(widget, root))
            continue;
        for (QString text : fixedTexts(widget)) {
            text.remove(QLatin1Char('&'));
            for (const QString &word : kUntranslatable)
                text.remove(word);
            if (text.contains(english))
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

DownloadHistory record(const QString &title, DownloadStatus status, std::optional<QString> path, int minute)
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
    return r;
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
        app.history->add(record(QStringLiteral("失败的直播"), DownloadStatus::failed, std::nullopt, 2));
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
    noFolder->setErrorSummary(ErrorSummary::cannotCreateOutputDirectory(folder));
    const auto noTool = job(QStringLiteral("没有工具"), DownloadStatus::failed);
    noTool->setErrorSummary(ErrorSummary::toolMissing());
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

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest,
                         ::testing::Values(LanguageCase{"SimplifiedChinese", AppLanguage::simplifiedChinese},
                                           LanguageCase{"TraditionalChinese", AppLanguage::traditionalChinese}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
