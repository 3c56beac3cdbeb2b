#include "services/DesktopNotifier.h"

#include "app/CommandLine.h"
#include "app/DesktopColorScheme.h"
#include "app/DesktopIdentity.h"
#include "engine/DownloadCoordinator.h"
#include "engine/QueuePersistence.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "services/NotificationService.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/shell/Language.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ShutdownController.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (const std::optional<int> exitCode = handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    DesktopIdentity::apply();
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
    // The queue of the last session comes back as soon as it is read.
    QueuePersistence queuePersistence(coordinator.queue(), PersistenceController::shared().databasePath());
    AppState state(coordinator, history, settings);
    state.setQueuePersistence(&queuePersistence);
    NotificationService::shared().requestAuthorization();

    ShutdownController shutdown(coordinator);
    shutdown.keepQueueWith(&queuePersistence);
    shutdown.stopOnTerminationSignals();
    MainWindow window(state, shutdown, ThumbnailLoader::shared());
    QObject::connect(&shutdown, &ShutdownController::quitApproved, &application, [&] {
        window.close();
        QApplication::quit();
    });
    window.show();
    return QApplication::exec();
}
