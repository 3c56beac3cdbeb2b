// Screenshots of every screen of the window, for people to look at: in
// English and both Chinese scripts, light and dark, at the smallest window
// and at a large one, on a real X server. Each screen is shown once per
// language and photographed in all four looks, so the test stays quick.
#include "app/DesktopColorScheme.h"
#include "engine/DownloadErrorCategory.h"
#include "settings/AppLanguage.h"
#include "support/LocalMediaServer.h"
#include "ui/UiTestApp.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/history/HistoryView.h"
#include "ui/settings/SettingsView.h"
#include "ui/shell/LanguageSwitch.h"
#include "ui/shell/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using TestSupport::waitUntil;
using TestSupport::writeScript;

namespace {

QString outputFolder()
{
    const QString set = qEnvironmentVariable("TARVELLE_SCREENSHOTS_DIR");
    return set.isEmpty() ? QDir::current().filePath(QStringLiteral("screenshots")) : set;
}

DownloadHistory record(const QString &title, DownloadStatus status, int minute)
{
    DownloadHistory r;
    r.uuid = QUuid::createUuid();
    r.title = title;
    r.sourceURL = QStringLiteral("https://media.example/watch?v=%1").arg(minute);
    r.mediaTypeRaw = minute % 2 ? QStringLiteral("audio") : QStringLiteral("video");
    r.selectedQuality = minute % 2 ? QStringLiteral("mp3") : QStringLiteral("p1080");
    r.startedAt = QDateTime::currentDateTimeUtc().addSecs(-3600 * minute);
    r.finishedAt = r.startedAt.addSecs(90);
    r.finalStatusRaw = DownloadStatuses::rawValue(status);
    return r;
}

struct Look
{
    const char *name;
    std::function<QPalette()> palette;
};

struct Size
{
    const char *name;
    QSize size; // empty: the window's smallest
};

class WindowScreenshots : public ::testing::Test
{
protected:
    WindowScreenshots() : app(resources.path())
    {
        // Quick stand-ins for the tools Diagnostics runs, and the real yt-dlp
        // for the preview.
        QDir(resources.path()).mkpath(QStringLiteral("Tools"));
        QFile::link(QDir(TestSupport::buildToolsDirectory()).filePath(QStringLiteral("yt-dlp")),
                    QDir(resources.path()).filePath(QStringLiteral("Tools/yt-dlp")));
        writeScript(resources, QStringLiteral("Tools/ffmpeg"),
                    "echo 'ffmpeg version 5.1.9-0+deb12u1 Copyright (c) 2000-2026 the FFmpeg developers'");
        writeScript(resources, QStringLiteral("Tools/ffprobe"),
                    "echo 'ffprobe version 5.1.9-0+deb12u1 Copyright (c) 2007-2026 the FFmpeg developers'");
        writeScript(resources, QStringLiteral("Tools/deno"), "echo 'deno 2.9.6 (stable, release, x86_64-unknown-linux-gnu)'");
        QDir().mkpath(outputFolder());

        app.holdQueue();
        const QString present = files.filePath(QStringLiteral("Evening Concert [a1].mp4"));
        QFile(present).open(QIODevice::WriteOnly);
        DownloadHistory concert = record(QStringLiteral("Evening Concert — Live at the Harbour"), DownloadStatus::completed, 1);
        concert.finalFilePath = present;
        DownloadHistory broken = record(QStringLiteral("Morning News"), DownloadStatus::failed, 2);
        broken.errorType = QStringLiteral("network");
        broken.errorSummary = QStringLiteral("A network error occurred.");
        broken.errorReason = QStringLiteral("HTTP Error 404: Not Found");
        DownloadHistory gone = record(QStringLiteral("旧的纪录片"), DownloadStatus::completed, 3);
        gone.finalFilePath = files.filePath(QStringLiteral("gone.mp3"));
        DownloadHistory stopped = record(QStringLiteral("Cooking Show"), DownloadStatus::cancelled, 4);
        stopped.errorSummary = QStringLiteral("Cancelled");
        for (const DownloadHistory &r : {concert, broken, gone, stopped})
            app.history->add(r);
    }

    ~WindowScreenshots() override
    {
        QApplication::setPalette(m_light);
        LanguageSwitch::apply(QStringLiteral("english"));
    }

    void addJobs()
    {
        DownloadQueue &queue = app.coordinator->queue();
        for (const DownloadJobPtr &job : queue.jobs())
            queue.remove(job);
        const auto job = [&](const QString &url) {
            const DownloadJobPtr made = DownloadJob::create(url, MediaKind::video, VideoQuality::p1080,
                                                            AudioFormat::best, SubtitleMode::none, QStringLiteral("en"));
            queue.add(made);
            return made;
        };
        job(QStringLiteral("https://media.example/waiting"));
        const DownloadJobPtr failed = job(QStringLiteral("https://media.example/missing"));
        failed->setStatus(DownloadStatus::failed);
        failed->setErrorCategory(DownloadErrorCategory::network);
        failed->setErrorSummary(QStringLiteral("A network error occurred."));
        failed->setErrorReason(QStringLiteral("HTTP Error 404: Not Found"));
        const DownloadJobPtr done = job(QStringLiteral("https://media.example/done"));
        done->setStatus(DownloadStatus::completed);
        done->setOutputFilename(QStringLiteral("Evening Concert [a1].mp4"));
        done->setOutputPath(files.filePath(QStringLiteral("Evening Concert [a1].mp4")));
    }

    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QTest::qWait(30);
    }

    // Photographs `widget` in every look under `name`; when `window` is
    // given, at each size of it (a dialog or the notice has one size).
    void photograph(QWidget *window, QWidget *widget, const QString &language, const QString &name)
    {
        const QList<Size> sizes = window ? m_sizes : QList<Size>{{"fixed", QSize()}};
        for (const Look &look : m_looks) {
            QApplication::setPalette(look.palette());
            for (const Size &size : sizes) {
                if (window)
                    window->resize(size.size.isEmpty() ? window->minimumSize() : size.size);
                settle();
                const QString file = QDir(outputFolder())
                                         .filePath(QStringLiteral("%1-%2-%3-%4.png")
                                                       .arg(language, name, QLatin1String(look.name),
                                                            QLatin1String(size.name)));
                const QImage image = widget->grab().toImage();
                ASSERT_FALSE(image.isNull()) << file.toStdString();
                ASSERT_TRUE(image.save(file, "PNG", 80)) << file.toStdString();
                ++m_taken;
                if (window && size.size.isEmpty()) {
                    EXPECT_EQ(window->size(), window->minimumSize()) << file.toStdString();
                }
            }
        }
    }

    void show(MainWindow &window, SidebarSelection section)
    {
        app.state->setSelectedTab(section);
        settle();
        window.activateWindow();
    }

    QTemporaryDir resources;
    QTemporaryDir files;
    UiTestApp app;
    const QPalette m_light = QApplication::palette();
    const QList<Look> m_looks{{"light", [this] { return m_light; }}, {"dark", [] { return DesktopColorScheme::darkPalette(); }}};
    const QList<Size> m_sizes{{"smallest", QSize()}, {"large", QSize(1600, 1000)}};
    int m_taken = 0;
};

TEST_F(WindowScreenshots, EveryScreenInEveryLanguageLookAndSize)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run under xvfb-run (ctest does)";
    LocalMediaServer server;
    const QDir media(server.mediaDirectory());
    {
        QFile vtt(media.filePath(QStringLiteral("clip.en.vtt")));
        vtt.open(QIODevice::WriteOnly);
        vtt.write("WEBVTT\n\n00:00.000 --> 00:01.000\nHello\n");
        QFile page(media.filePath(QStringLiteral("clip.html")));
        page.open(QIODevice::WriteOnly);
        page.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Harbour Lights, a film about the "
                   "evening ferries</title></head><body><video controls src=\"video.mp4\"><track kind=\"subtitles\" "
                   "src=\"clip.en.vtt\" srclang=\"en\"></video></body></html>\n");
    }

    for (const AppLanguage language : {AppLanguage::english, AppLanguage::simplifiedChinese, AppLanguage::traditionalChinese}) {
        const QString name = AppLanguages::rawValue(language);
        app.settings->setSelectedAppLanguage(language);
        LanguageSwitch::apply(name);
        app.state->setLegalAccepted(false);
        MainWindow window(*app.state, *app.shutdown, app.thumbnails);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        photograph(nullptr, &window, name, QStringLiteral("legal-notice"));
        app.state->setLegalAccepted(true);
        settle();

        addJobs();
        show(window, SidebarSelection::downloads);
        auto *downloads = window.findChild<DownloadsView *>();
        ASSERT_NE(downloads, nullptr);
        if (server.isReady()) {
            QSignalSpy analysed(downloads, &DownloadsView::analysisFinished);
            downloads->findChild<QLineEdit *>(QStringLiteral("urlInput"))->setText(server.url(QStringLiteral("/clip.html")));
            downloads->analyze();
            EXPECT_TRUE(waitUntil([&] { return analysed.count() > 0; }, std::chrono::seconds(60)));
        }
        photograph(&window, &window, name, QStringLiteral("downloads"));

        show(window, SidebarSelection::history);
        photograph(&window, &window, name, QStringLiteral("history"));
        window.findChild<QLineEdit *>(QStringLiteral("historySearchField"))->setText(QStringLiteral("zebra"));
        photograph(&window, &window, name, QStringLiteral("history-no-matches"));

        show(window, SidebarSelection::settings);
        photograph(&window, &window, name, QStringLiteral("settings"));

        show(window, SidebarSelection::diagnostics);
        auto *diagnostics = window.findChild<DiagnosticsView *>();
        ASSERT_NE(diagnostics, nullptr);
        ASSERT_TRUE(waitUntil([&] { return diagnostics->state() == DiagnosticsView::State::report; },
                              std::chrono::seconds(60)));
        photograph(&window, &window, name, QStringLiteral("diagnostics"));
        window.findChild<QAbstractButton *>(QStringLiteral("diagnosticsAboutButton"))->click();
        ASSERT_NE(diagnostics->about(), nullptr);
        photograph(nullptr, diagnostics->about(), name, QStringLiteral("about"));
        diagnostics->about()->close();

        // The window's questions and Qt's own folder chooser.
        const auto dialog = [&](const QString &shot, const std::function<void()> &open) {
            QTimer look;
            look.setInterval(20);
            QObject::connect(&look, &QTimer::timeout, [&] {
                QWidget *modal = QApplication::activeModalWidget();
                if (!modal || !modal->isVisible())
                    return;
                look.stop();
                photograph(nullptr, modal, name, shot);
                if (auto *box = qobject_cast<QDialog *>(modal))
                    box->reject();
            });
            look.start();
            open();
        };
        dialog(QStringLiteral("clear-history-question"), [&] { HistoryView::desktopActions().confirmClear(&window); });
        dialog(QStringLiteral("restore-defaults-question"), [&] { SettingsView::askToRestore(&window); });
        dialog(QStringLiteral("folder-chooser"),
               [&] { SettingsView::desktopChoosers().directory(&window, files.path()); });
    }

    // In three languages and two looks: five screens at two sizes, and the
    // notice, About and three dialogs at their one size.
    constexpr int kShots = 3 * 2 * (5 * 2 + 5);
    EXPECT_EQ(m_taken, kShots);
    EXPECT_GE(QDir(outputFolder()).entryList({QStringLiteral("*.png")}).size(), kShots);
}

} // namespace
