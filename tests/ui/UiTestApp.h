#pragma once

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/QueuePersistence.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "support/TestSupport.h"
#include "ui/shell/ShutdownController.h"
#include "ui/widgets/ContrastStyle.h"
#include "ui/widgets/ThumbnailLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// The application's objects as main() wires them (and its style), over a
// settings file, a history database and a cache folder in a temporary
// folder. relaunch() builds them again over the same files, as a second
// start of the application would.
class UiTestApp
{
public:
    // `resources`: the resources directory the engine sees (the build tree's
    // shipped tools by default).
    explicit UiTestApp(std::optional<QString> resources = shippedResources())
        : m_scope(std::move(resources))
    {
        ContrastStyle::install();
        m_settingsPath = m_dir.filePath(QStringLiteral("settings.json"));
        m_outputDir = m_dir.filePath(QStringLiteral("out"));
        QDir().mkpath(m_outputDir);
        relaunch();
    }

    static QString shippedResources() { return QFileInfo(TestSupport::buildToolsDirectory()).absolutePath(); }

    void relaunch()
    {
        state.reset();
        shutdown.reset();
        queuePersistence.reset();
        coordinator.reset();
        history.reset();
        persistence.reset();
        settings.reset();
        persistence = std::make_unique<PersistenceController>(m_dir.filePath(QStringLiteral("history.sqlite")));
        history = std::make_unique<HistoryStore>(persistence->context());
        settings = std::make_unique<AppSettings>(m_settingsPath);
        settings->setDefaultOutputDirectory(m_outputDir);
        coordinator = std::make_unique<DownloadCoordinator>(*history, *settings, nullptr);
        if (m_keepsQueue)
            queuePersistence = std::make_unique<QueuePersistence>(coordinator->queue(), persistence->databasePath());
        state = std::make_unique<AppState>(*coordinator, *history, *settings);
        state->setQueuePersistence(queuePersistence.get());
        shutdown = std::make_unique<ShutdownController>(*coordinator);
        shutdown->keepQueueWith(queuePersistence.get());
    }

    // From now on (this start included) the queue is kept across relaunches,
    // as main() keeps it. The last start's jobs come back once restored().
    void keepQueue()
    {
        m_keepsQueue = true;
        relaunch();
    }
    bool waitRestored() const
    {
        return TestSupport::waitUntil([this] { return queuePersistence && queuePersistence->hasRestored(); });
    }

    // Jobs stay queued: nothing starts a tool.
    void holdQueue() { coordinator->queue().setMaxConcurrent(0); }

    QString settingsPath() const { return m_settingsPath; }
    QString outputDir() const { return m_outputDir; }

    ThumbnailLoader thumbnails;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<PersistenceController> persistence;
    std::unique_ptr<HistoryStore> history;
    std::unique_ptr<DownloadCoordinator> coordinator;
    std::unique_ptr<QueuePersistence> queuePersistence;
    std::unique_ptr<AppState> state;
    std::unique_ptr<ShutdownController> shutdown;

private:
    QTemporaryDir m_dir;
    TestSupport::ScopedEnvironment m_cache{"XDG_CACHE_HOME", m_dir.filePath(QStringLiteral("cache"))};
    AppConfiguration::ScopedResourcesDirectory m_scope;
    QString m_settingsPath;
    QString m_outputDir;
    bool m_keepsQueue = false;
};
