#include "support/CoordinatorFixture.h"

#include "support/TestSupport.h"

#include <QDir>

using namespace TestSupport;

CoordinatorFixture::CoordinatorFixture(std::optional<QString> resourcesDirectory, DownloadCoordinator::Timing timing,
                                       DownloadNotifier *notifier)
    : resources(std::move(resourcesDirectory))
{
    settings = std::make_unique<AppSettings>(m_dir.filePath("settings.json"));
    settings->setDefaultOutputDirectory(outputFolder());
    persistence = std::make_unique<PersistenceController>(m_dir.filePath("history.sqlite"));
    historyStore = std::make_unique<HistoryStore>(persistence->context());
    coordinator = std::make_unique<DownloadCoordinator>(*historyStore, *settings,
                                                        notifier ? notifier : &this->notifier, timing);
    QObject::connect(coordinator.get(), &DownloadCoordinator::jobFinished,
                     [this](const DownloadJobPtr &job) { finished.append(job); });
}

CoordinatorFixture::~CoordinatorFixture()
{
    coordinator->cancelAll();
    waitUntil([this] { return coordinator->runningCount() == 0; }, std::chrono::seconds(10));
    coordinator.reset();
}

bool CoordinatorFixture::waitForEnd(const DownloadJobPtr &job, std::chrono::milliseconds timeout)
{
    return waitUntil([&] { return finished.contains(job); }, timeout);
}

FakeTools::FakeTools(const QByteArray &downloadBody, const QByteArray &analysisPrelude)
{
    QDir(m_dir.path()).mkpath("Tools");
    const QByteArray metadata =
        R"({"id": "abc123", "title": "Clip <b>one</b>", "uploader": "Uploader", "duration": 12,)"
        R"( "webpage_url": "https://media.test/v", "extractor": "generic", "formats": []})";
    writeScript(m_dir, "Tools/yt-dlp",
                "for a in \"$@\"; do if [ \"$a\" = -J ]; then\n" + analysisPrelude + "\necho '" + metadata
                    + "'; exit 0; fi; done\n" + downloadBody);
}
