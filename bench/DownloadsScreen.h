#pragma once

#include "engine/DownloadCoordinator.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/jobs/JobListView.h"
#include "ui/widgets/ThumbnailLoader.h"

#include "GuiProbes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <memory>

namespace {

// The application's objects over a fresh history and settings, with the
// downloads screen shown.
struct Screen
{
    explicit Screen(const QTemporaryDir &dir, const QString &name)
        : persistence(dir.filePath(name + QStringLiteral(".sqlite"))), history(persistence.context()),
          settings(dir.filePath(name + QStringLiteral(".json")))
    {
        settings.setDefaultOutputDirectory(dir.filePath(QStringLiteral("out")));
        settings.setKeepFailedTasks(true);
        coordinator = std::make_unique<DownloadCoordinator>(history, settings, nullptr);
        state = std::make_unique<AppState>(*coordinator, history, settings);
        view = std::make_unique<DownloadsView>(*state, thumbnails);
        view->resize(1100, 800);
        view->show();
        QCoreApplication::processEvents();
        view->jobList()->viewport()->installEventFilter(&meter);
    }
    ~Screen()
    {
        coordinator->cancelAll();
        QElapsedTimer timer;
        timer.start();
        while (coordinator->runningCount() > 0 && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    JobListView *list() const { return view->jobList(); }

    PersistenceController persistence;
    HistoryStore history;
    AppSettings settings;
    ThumbnailLoader thumbnails;
    PaintMeter meter;
    std::unique_ptr<DownloadCoordinator> coordinator;
    std::unique_ptr<AppState> state;
    std::unique_ptr<DownloadsView> view;
};

} // namespace
