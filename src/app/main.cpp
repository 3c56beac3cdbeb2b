#include "services/DesktopNotifier.h"

#include "app/CommandLine.h"
#include "app/DesktopColorScheme.h"
#include "app/DesktopIdentity.h"
#include "app/LaunchArguments.h"
#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/LeftoverFiles.h"
#include "engine/QueuePersistence.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "services/ApplicationBus.h"
#include "services/ApplicationBusClient.h"
#include "services/FileService.h"
#include "services/NotificationService.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "tools/ToolResolver.h"
#include "ui/shell/Language.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ShutdownController.h"
#include "ui/widgets/ContrastStyle.h"
#include "ui/widgets/ThumbnailLoader.h"
#include "updates/BackgroundUpdateCheck.h"

#include <QApplication>
#include <QThreadPool>
#include <QDBusConnection>

#include <cstdio>

int main(int argc, char **argv)
{
    if (const std::optional<int> exitCode = handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    DesktopIdentity::apply();
    // Before the colour scheme takes the palette the style gives.
    ContrastStyle::install();

    const auto launch = LaunchArguments::parse(QCoreApplication::arguments().mid(1));
    if (const QString *error = std::get_if<QString>(&launch)) {
        std::fprintf(stderr, "tarvelle: %s\n", qPrintable(*error));
        return 2;
    }
    const QStringList &links = std::get<QStringList>(launch);

    // One window per session: a second start hands its links to the first.
    ApplicationBus bus(QDBusConnection::sessionBus(), AppConfiguration::appId());
    if (bus.claim() == ApplicationBus::Claim::elsewhere) {
        const ApplicationBusClient running(QDBusConnection::sessionBus(), AppConfiguration::appId());
        if (running.open(links, ApplicationBusClient::launchPlatformData()))
            return 0;
        std::fprintf(stderr, "tarvelle: Tarvelle is already running but does not answer: %s\n",
                     qPrintable(running.lastError()));
        return 1;
    }
    DesktopColorScheme colorScheme(QDBusConnection::sessionBus());
    // Quitting goes through the shutdown controller, which stops downloads first.
    QApplication::setQuitOnLastWindowClosed(false);

    // Start-up order: history, settings, coordinator, application state,
    // notification permission; then the window.
    HistoryStore history(PersistenceController::shared().context());
    AppSettings &settings = AppSettings::shared();
    Language::install(application, Language::localeFor(settings.selectedAppLanguage()));
    DesktopNotifier notifier(NotificationService::shared());
    DownloadCoordinator coordinator(history, settings, &notifier);
    // The queue of the last session comes back as soon as it is read.
    QueuePersistence queuePersistence(coordinator.queue(), PersistenceController::shared().databasePath());
    AppState state(coordinator, history, settings);
    state.setQueuePersistence(&queuePersistence);
    // Once the kept jobs are back: which partial files none of them owns.
    LeftoverFiles leftovers;
    state.setLeftoverFiles(&leftovers);
    QObject::connect(&queuePersistence, &QueuePersistence::restored, &leftovers, [&] {
        QStringList folders{settings.defaultOutputDirectory()};
        for (const DownloadJobPtr &job : coordinator.queue().jobs())
            folders << job->outputDirectory();
        leftovers.look(folders, coordinator.queue().jobs());
    });
    NotificationService::shared().requestAuthorization();

    ShutdownController shutdown(coordinator);
    shutdown.keepQueueWith(&queuePersistence);
    shutdown.stopOnTerminationSignals();
    MainWindow window(state, shutdown, ThumbnailLoader::shared());
    QObject::connect(&shutdown, &ShutdownController::quitApproved, &application, [&] {
        window.close();
        QApplication::quit();
    });
    // What the user pressed on a notification.
    QObject::connect(&notifier, &DesktopNotifier::openRequested, &window,
                     [](const QString &path) { FileService::shared().openFile(path); });
    QObject::connect(&notifier, &DesktopNotifier::revealRequested, &window,
                     [](const QString &path) { FileService::shared().revealInFinder(path); });
    QObject::connect(&notifier, &DesktopNotifier::retryRequested, &window, [&](const QUuid &jobId) {
        for (const DownloadJobPtr &job : coordinator.queue().jobs()) {
            if (job->id() == jobId)
                coordinator.retry(job);
        }
        window.bringToFront({});
    });
    QObject::connect(&notifier, &DesktopNotifier::windowRequested, &window, [&] { window.bringToFront({}); });
    QObject::connect(&bus, &ApplicationBus::activationRequested, &window, &MainWindow::bringToFront);
    QObject::connect(&bus, &ApplicationBus::openRequested, &window, &MainWindow::openLinks);
    QObject::connect(&bus, &ApplicationBus::queueRequested, &window, &MainWindow::queueLinks);
    window.show();
    // The first check of a user copy of yt-dlp or deno reads the whole file;
    // done now, off the GUI thread, the first job's check costs a stat.
    QThreadPool::globalInstance()->start([] { ToolResolver::resolve(); });

    // Later, in the background: whether a newer yt-dlp exists (when the
    // setting asks and a week has passed). It only tells; Diagnostics installs.
    BackgroundUpdateCheck updateCheck(settings, ToolUpdater::currentSetup());
    QObject::connect(&updateCheck, &BackgroundUpdateCheck::newerYtDlpFound, &application, [](const QString &version) {
        NotificationService::shared().notify(
            QCoreApplication::translate("BackgroundUpdateCheck", "A newer yt-dlp is available"),
            QCoreApplication::translate("BackgroundUpdateCheck", "yt-dlp %1 can be installed from Diagnostics.")
                .arg(version));
    });
    updateCheck.start();
    window.openLinks(links);
    return QApplication::exec();
}
