#include "support/CoordinatorFixture.h"

#include "support/TestSupport.h"

#include <QDir>

using namespace TestSupport;

CoordinatorFixture::CoordinatorFixture(std::optional<QString> resourcesDirectory, DownloadCoordinator::Timing timing,
                                       DownloadNotifier *notifier)
    : cache("XDG_CACHE_HOME", m_dir.filePath("cache"))
    , resources(std::move(resourcesDirectory))
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

QStringList CoordinatorFixture::savedDescriptions() const
{
    return QDir(m_dir.filePath("cache/tarvelle/info")).entryList(QDir::Files | QDir::Hidden);
}

bool CoordinatorFixture::waitForEnd(const DownloadJobPtr &job, std::chrono::milliseconds timeout)
{
    return waitUntil([&] { return finished.contains(job); }, timeout);
}

FakeTools::FakeTools(const QByteArray &downloadBody, const QByteArray &analysisPrelude)
{
    QDir(m_dir.path()).mkpath("Tools");
    const QByteArray &metadata = kClipDescription;
    // As yt-dlp: -J prints the description; the run that decides the name
    // (--print video:<name marker>) writes the description where
    // --print-to-file says and prints the name "Clip [abc123].mp4" in the
    // folder of its -o; a download asked to write it (-o infojson:<target>
    // --write-info-json) writes <target>.info.json and says so before it
    // downloads, into the folder of its -o.
    writeScript(m_dir, "Tools/yt-dlp",
                logArgumentsTo(m_dir.filePath("runs")) + "info=; previous=; before=; token=; out=; named=; printed=\n"
                "for a in \"$@\"; do\n"
                "  if [ \"$previous\" = -o ]; then case \"$a\" in infojson:*) info=\"${a#infojson:}.info.json\";;"
                " *:*) ;; *) out=$(dirname -- \"$a\");; esac; fi\n"
                "  [ \"$before\" = --print-to-file ] && printed=$a\n"
                "  case \"$a\" in download:__KV_*_JSON__*) token=${a#download:__KV_}; token=${token%%_JSON__*};; esac\n"
                "  case \"$a\" in video:__KV_*_NAME__*) named=${a#video:__KV_}; named=${named%%_NAME__*};; esac\n"
                "  if [ \"$a\" = -J ]; then\n" + analysisPrelude + "\necho '" + metadata + "'; exit 0; fi\n"
                "  before=$previous; previous=$a\n"
                "done\n"
                "if [ -n \"$named\" ]; then\n" + analysisPrelude + "\n"
                "[ -n \"$printed\" ] && echo '" + metadata + "' > \"$printed\"\n"
                "echo \"__KV_${named}_NAME__$out/Clip [abc123].mp4\"; exit 0; fi\n"
                "[ -n \"$out\" ] && cd \"$out\"\n"
                // The body's exit status passes the marking filter by descriptor 3.
                "status=$( { { (\n"
                "if [ -n \"$info\" ]; then\n" + analysisPrelude + "\necho '" + metadata + "' > \"$info\"\n"
                "echo \"__KV_INFOJSON__$info\"\nfi\n" + downloadBody + "\n"
                "); echo $? >&3; } | sed -u \"s/^__KVJSON__/__KV_${token}_JSON__/;"
                "s/^__KV_\\(FILEPATH\\|INFOJSON\\)__/__KV_${token}_\\1__/\" >&4; } 3>&1 ) 4>&1\n"
                "exit $status\n");
}

QList<QStringList> FakeTools::runs() const
{
    return readArgumentLog(m_dir.filePath("runs"));
}
