#include "services/DesktopNotifier.h"

#include "app/CommandLine.h"
#include "app/DesktopColorScheme.h"
#include "app/DesktopIdentity.h"
#include "engine/DownloadCoordinator.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "services/NotificationService.h"
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

int main(int argc, char **argv)
{
    if (const std::optional<int> exitCode = handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    DesktopIdentity::apply();
    // Before the colour scheme takes the palette the style gives.
    ContrastStyle::install();
    DesktopColorScheme colorScheme(QDBusConnection::sessionBus());
    // Quitting goes through the shutdown controller, which stops downloads first.
    QApplication::setQuitOnLastWindowClosed(false);

    // Start-up order: history, settings, coordinator, application state,
    // notification permission; then the window.
    HistoryStore history(PersistenceController::shared().context());
    AppSettings &settings = AppSettings::shared();
    Language::install(application, Language::localeFor(settings.selectedAppLanguage()));
    DesktopNotifier notifier;
    DownloadCoordinator coordinator(history, settings, &notifier);
    AppState state(coordinator, history, settings);
    NotificationService::shared().requestAuthorization();

    ShutdownController shutdown(coordinator);
    shutdown.stopOnTerminationSignals();
    MainWindow window(state, shutdown, ThumbnailLoader::shared());
    QObject::connect(&shutdown, &ShutdownController::quitApproved, &application, [&] {
        window.close();
        QApplication::quit();
    });
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
    return QApplication::exec();
}
