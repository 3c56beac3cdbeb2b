#pragma once

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadNotifier.h"
#include "engine/DownloadQueue.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>

// Records what the coordinator posts instead of showing it.
class RecordingNotifier : public DownloadNotifier
{
public:
    struct Posted
    {
        QString title;
        QString body;
        bool operator==(const Posted &) const = default;
    };
    void notify(const FinishedDownload &download) override
    {
        posted.append({download.heading, download.body});
        downloads.append(download);
    }
    QList<Posted> posted;
    QList<FinishedDownload> downloads;
};

// A coordinator over a settings file, a history database and an output
// folder of its own, with its tools taken from `resourcesDirectory` (a
// folder holding Tools/yt-dlp, ...; none for "no tools at all").
class CoordinatorFixture
{
public:
    // `notifier` replaces the recording one when given.
    explicit CoordinatorFixture(std::optional<QString> resourcesDirectory,
                                DownloadCoordinator::Timing timing = {}, DownloadNotifier *notifier = nullptr);
    ~CoordinatorFixture();

    QString outputFolder() const { return m_dir.filePath("out"); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    DownloadJobPtr jobAt(int index) const { return coordinator->queue().jobs().value(index); }
    // Waits until the job reached a terminal status and its run was recorded.
    bool waitForEnd(const DownloadJobPtr &job, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    QList<DownloadHistory> history() const { return historyStore->all(); }

    // The files that hold descriptions of links (SavedInfo::folder()).
    QStringList savedDescriptions() const;

    QTemporaryDir m_dir;
    TestSupport::ScopedEnvironment cache;
    AppConfiguration::ScopedResourcesDirectory resources;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<PersistenceController> persistence;
    std::unique_ptr<HistoryStore> historyStore;
    RecordingNotifier notifier;
    std::unique_ptr<DownloadCoordinator> coordinator;
    QList<DownloadJobPtr> finished;
};

// A folder with a fake yt-dlp that describes a clip with id "abc123": for
// "-J" on standard output, for a download asked to write the description
// into a file, that file (then it runs `downloadBody`, a /bin/sh fragment run
// in the output folder). `analysisPrelude` runs before either description.
// The description is the one kClipDescription gives. As the real one, it
// marks its lines for us with the run's token: a line of the body's standard
// output that starts with __KVJSON__, __KV_FILEPATH__ or __KV_INFOJSON__
// gets the token of the run's --progress-template.
inline const QByteArray kClipDescription =
    R"({"id": "abc123", "title": "Clip <b>one</b>", "uploader": "Uploader", "duration": 12,)"
    R"( "webpage_url": "https://media.test/v", "extractor": "generic", "formats": []})";

class FakeTools
{
public:
    explicit FakeTools(const QByteArray &downloadBody, const QByteArray &analysisPrelude = {});
    QString resourcesDirectory() const { return m_dir.path(); }
    // The arguments of every run so far, in the order they started.
    QList<QStringList> runs() const;

private:
    QTemporaryDir m_dir;
};
