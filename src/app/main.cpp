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
#include "ui/shell/Language.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ShutdownController.h"
#include "ui/widgets/ContrastStyle.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QApplication>

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
    return QApplication::exec();
}
