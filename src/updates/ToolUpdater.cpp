#include "updates/ToolUpdater.h"

#include "diagnostics/EngineDiagnostics.h"
#include "process/ProgramOutput.h"
#include "process/WhenFinished.h"
#include "settings/AppConfiguration.h"
#include "tools/FileDigest.h"
#include "tools/ToolResolver.h"
#include "tools/UserToolFolder.h"
#include "updates/DigestList.h"
#include "updates/FileWrites.h"
#include "updates/PythonRequirement.h"
#include "updates/ReleaseHost.h"
#include "updates/SignatureCheck.h"
#include "updates/ToolInstaller.h"
#include "updates/ToolVersion.h"
#include "updates/ZipArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryDir>
#include <QVersionNumber>
#include <QtConcurrent>

namespace {

constexpr auto kTryTimeLimit = std::chrono::seconds(60);
constexpr int kTransferTimeoutMs = 30000;

QString translated(const char *text)
{
    return QCoreApplication::translate("ToolUpdater", text);
}

QString describeNetworkError(QNetworkReply &reply)
{
    return translated(QT_TRANSLATE_NOOP("ToolUpdater", "the release server could not be reached (%1)."))
        .arg(reply.errorString());
}

QString describeStatus(const QNetworkReply &reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    return translated(QT_TRANSLATE_NOOP("ToolUpdater", "%1 answered %2 %3."))
        .arg(reply.url().toDisplayString(), QString::number(status), phrase)
        .trimmed();
}

QNetworkRequest requestFor(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Tarvelle/%1").arg(AppConfiguration::version()));
    request.setTransferTimeout(kTransferTimeoutMs);
    return request;
}

} // namespace

ToolUpdater::Setup ToolUpdater::currentSetup()
{
    return {AppConfiguration::resourcesDirectory(), AppConfiguration::userToolsDirectory(),
            EngineDiagnostics::architecture()};
}

ToolUpdater::ToolUpdater(QObject *parent)
    : ToolUpdater(currentSetup(), parent)
{
}

ToolUpdater::ToolUpdater(Setup setup, QObject *parent)
    : QObject(parent)
    , m_setup(std::move(setup))
    , m_network(new QNetworkAccessManager(this))
{
}

ToolUpdater::~ToolUpdater()
{
    // Background steps hold what they need themselves; they finish unseen.
    if (m_cancelled)
        m_cancelled->store(true);
    if (m_reply)
        m_reply->abort();
}

void ToolUpdater::check(const QString &tool, ReleaseChannel channel)
{
    start(tool, channel, false);
}

void ToolUpdater::update(const QString &tool, ReleaseChannel channel)
{
    start(tool, channel, true);
}

void ToolUpdater::cancel()
{
    if (!m_running)
        return;
    m_cancelled->store(true);
    if (m_reply)
        m_reply->abort();
}

void ToolUpdater::start(const QString &tool, ReleaseChannel channel, bool install)
{
    if (m_running)
        return;
    m_running = true;
    m_cancelled = std::make_shared<std::atomic_bool>(false);
    m_result = {};
    m_result.tool = tool;
    m_result.channel = channel;
    m_install = install;
    m_tag.clear();
    m_progress = {0, -1};
    m_staging.reset();
    m_createdFolders.clear();
    QString whyNot;
    m_release = ToolRelease::of(tool, channel, m_setup.architecture, &whyNot);
    const std::optional<QString> refused = m_release ? ReleaseHost::refusal() : std::optional(whyNot);
    if (refused) {
        // Reported once the caller got back from this call, like every ending.
        QMetaObject::invokeMethod(this, [this, why = *refused] { fail(UpdateStep::findingRelease, why); },
                                  Qt::QueuedConnection);
        return;
    }
    findLatest();
}

void ToolUpdater::setStep(UpdateStep step)
{
    m_step = step;
    emit stepChanged(step);
}

void ToolUpdater::findLatest()
{
    setStep(UpdateStep::findingRelease);
    QNetworkRequest request = requestFor(ReleaseHost::latestReleaseUrl(m_release->repository));
    // The answer is a redirect to the latest release's page, which names its
    // tag; the page itself is not needed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_network->head(request);
    connect(m_reply, &QNetworkReply::finished, this, [this, reply = m_reply] {
        reply->deleteLater();
        if (m_cancelled->load())
            return end();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 0)
            return fail(UpdateStep::findingRelease, describeNetworkError(*reply));
        const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        const std::optional<QString> tag =
            ReleaseHost::tagOf(status >= 300 && status < 400 ? reply->url().resolved(target) : reply->url());
        if (!tag) {
            if (status >= 300 && status < 400)
                return fail(UpdateStep::findingRelease,
                            translated(QT_TRANSLATE_NOOP("ToolUpdater", "the release server named no release tag.")));
            return fail(UpdateStep::findingRelease, describeStatus(*reply));
        }
        compareVersions(*tag);
    });
}

void ToolUpdater::compareVersions(const QString &tag)
{
    m_tag = tag;
    m_result.latestVersion = ToolVersion::ofTag(tag);
    setStep(UpdateStep::comparingVersions);
    const QString tool = m_result.tool;
    const auto currentVersion = QtConcurrent::run([setup = m_setup, tool]() -> std::optional<QString> {
        const ActiveTool active = ToolResolver::resolve(setup.resourcesDirectory, setup.userToolsDirectory).tool(tool);
        if (!active.path)
            return std::nullopt;
        const ProgramOutput::Result result = ProgramOutput::run(*active.path, {QStringLiteral("--version")}, kTryTimeLimit);
        return ToolVersion::fromOutput(tool, result.standardOutput);
    });
    whenFinished(currentVersion, this, [this](const std::optional<QString> &current) {
        if (m_cancelled->load())
            return end();
        m_result.currentVersion = current;
        const QVersionNumber latest = QVersionNumber::fromString(*m_result.latestVersion);
        const bool newer = !current || QVersionNumber::fromString(*current) < latest;
        if (!newer) {
            m_result.kind = ToolUpdateResult::Kind::upToDate;
            return end();
        }
        if (!m_install) {
            m_result.kind = ToolUpdateResult::Kind::available;
            return end();
        }
        download();
    });
}

void ToolUpdater::download()
{
    setStep(UpdateStep::downloading);
    // The work folder lies inside the user's tool folder, so the install is
    // a rename and nothing is written anywhere else.
    QDir folder(m_setup.userToolsDirectory);
    QStringList missing;
    for (QString path = folder.absolutePath(); !QFileInfo::exists(path); path = QFileInfo(path).absolutePath())
        missing.prepend(path);
    if (!QDir().mkpath(folder.absolutePath()))
        return fail(UpdateStep::downloading,
                    translated(QT_TRANSLATE_NOOP("ToolUpdater", "could not create %1.")).arg(folder.absolutePath()));
    m_createdFolders = missing;
    m_staging = std::make_shared<QTemporaryDir>(folder.filePath(QStringLiteral(".staging-XXXXXX")));
    if (!m_staging->isValid())
        return fail(UpdateStep::downloading, translated(QT_TRANSLATE_NOOP("ToolUpdater", "could not create a work folder in %1: %2"))
                                                 .arg(folder.absolutePath(), m_staging->errorString()));

    const ToolRelease release = *m_release;
    const auto url = [repository = release.repository, tag = m_tag](const QString &file) {
        return ReleaseHost::fileUrl(repository, tag, file);
    };
    fetch(url(release.asset), m_staging->filePath(release.asset), kMaxAssetBytes, true, [this, release, url] {
        fetch(url(release.digestList), m_staging->filePath(release.digestList), kMaxListBytes, false,
              [this, release, url] {
                  if (!release.signature)
                      return verifyAndInstall();
                  fetch(url(*release.signature), m_staging->filePath(*release.signature), kMaxListBytes, false,
                        [this] { verifyAndInstall(); });
              });
    });
}

void ToolUpdater::fetch(const QUrl &url, const QString &destination, qint64 maxBytes, bool reportProgress,
                        std::function<void()> then)
{
    auto file = std::make_shared<QFile>(destination);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(UpdateStep::downloading,
                    translated(QT_TRANSLATE_NOOP("ToolUpdater", "could not create %1: %2")).arg(destination, file->errorString()));
    m_reply = m_network->get(requestFor(url));
    QNetworkReply *reply = m_reply;
    const QString name = QFileInfo(destination).fileName();
    const QString folder = m_setup.userToolsDirectory;
    auto tooLarge = std::make_shared<bool>(false);
    auto writeFailure = std::make_shared<std::optional<QString>>();
    connect(reply, &QNetworkReply::readyRead, this, [reply, file, folder, maxBytes, tooLarge, writeFailure] {
        const QByteArray chunk = reply->readAll();
        if (file->size() + chunk.size() > maxBytes) {
            *tooLarge = true;
            reply->abort();
        } else if (file->write(chunk) != chunk.size()) {
            *writeFailure = FileWrites::failure(*file, folder);
            reply->abort();
        }
    });
    if (reportProgress) {
        connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
            m_progress = {received, total};
            emit downloadProgress(received, total);
        });
    }
    connect(reply, &QNetworkReply::finished, this, [this, reply, file, folder, name, tooLarge, writeFailure, then] {
        reply->deleteLater();
        if (m_cancelled->load())
            return end();
        const QByteArray rest = reply->readAll();
        if (!*tooLarge && !*writeFailure) {
            *writeFailure = file->write(rest) != rest.size() ? FileWrites::failure(*file, folder)
                                                             : FileWrites::finish(*file, folder);
        }
        file->close();
        const auto failWith = [&](const QString &why) {
            fail(UpdateStep::downloading,
                 translated(QT_TRANSLATE_NOOP("ToolUpdater", "%1 could not be downloaded: %2")).arg(name, why));
        };
        if (*tooLarge)
            return failWith(translated(QT_TRANSLATE_NOOP("ToolUpdater", "it is larger than any release of it.")));
        if (*writeFailure)
            return failWith(**writeFailure);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 0)
            return failWith(describeNetworkError(*reply));
        if (status != 200)
            return failWith(describeStatus(*reply));
        // Qt reports a body cut short of its announced length as an error
        // ("Connection closed"); the digest check would catch it besides.
        if (reply->error() != QNetworkReply::NoError)
            return failWith(translated(QT_TRANSLATE_NOOP("ToolUpdater", "the transfer broke off (%1)."))
                                .arg(reply->errorString()));
        then();
    });
}

// What the blocking steps pass along.
struct ToolUpdater::Verified
{
    QString program; // the new tool file in the work folder
    QString digest;
    QString version;
    bool installed = false;
};

void ToolUpdater::verifyAndInstall()
{
    const ToolRelease release = *m_release;
    const auto staging = m_staging;
    const Setup setup = m_setup;
    const auto cancelled = m_cancelled;
    const QString sourceUrl = ReleaseHost::fileUrl(release.repository, m_tag, release.asset).toString();
    auto verified = std::make_shared<Verified>();
    const QString asset = staging->filePath(release.asset);
    const QString tag = m_tag;
    const std::optional<QString> current = m_result.currentVersion;

    // Each step runs on the pool; the next starts only after the one before
    // succeeded and no cancel came.
    using Step = std::function<std::optional<QString>()>;
    QList<std::pair<UpdateStep, Step>> steps;
    if (release.signature) {
        steps.append({UpdateStep::checkingSignature, [=]() -> std::optional<QString> {
                          // Without an installation there is no key to trust (and
                          // a relative path would find one in whatever folder).
                          if (!setup.resourcesDirectory)
                              return translated(QT_TRANSLATE_NOOP("ToolUpdater",
                                                                  "the release key is missing: the installation has "
                                                                  "no resources folder."));
                          const QString key =
                              QDir(*setup.resourcesDirectory).filePath(QStringLiteral("keys/") + *release.keyFile);
                          return SignatureCheck::verify(staging->filePath(release.digestList),
                                                        staging->filePath(*release.signature), key, staging->path());
                      }});
    }
    steps.append({UpdateStep::checkingDigest, [=]() -> std::optional<QString> {
                      QFile list(staging->filePath(release.digestList));
                      if (!list.open(QIODevice::ReadOnly))
                          return list.errorString();
                      const std::optional<QString> listed = DigestList::digestFor(list.readAll(), release.asset);
                      if (!listed)
                          return translated(QT_TRANSLATE_NOOP("ToolUpdater", "%1 does not list %2."))
                              .arg(release.digestList, release.asset);
                      if (FileDigest::sha256(asset) != *listed)
                          return translated(QT_TRANSLATE_NOOP("ToolUpdater",
                                                              "the downloaded %1 does not match its digest in %2: it "
                                                              "is damaged or was altered."))
                              .arg(release.asset, release.digestList);
                      return std::nullopt;
                  }});
    if (release.isZipArchive) {
        steps.append({UpdateStep::unpacking, [=]() -> std::optional<QString> {
                          const QString unpacked = QDir(staging->path()).filePath(QStringLiteral("unpacked"));
                          QDir().mkpath(unpacked);
                          verified->program = QDir(unpacked).filePath(release.tool);
                          return ZipArchive::extract(asset, release.tool, verified->program, kMaxAssetBytes);
                      }});
    } else {
        verified->program = asset;
    }
    if (release.tool == QLatin1String("yt-dlp")) {
        steps.append({UpdateStep::checkingPython, [=] { return PythonRequirement::check(asset, QStringLiteral("yt_dlp")); }});
    }
    steps.append({UpdateStep::tryingNewFile, [=]() -> std::optional<QString> {
                      QFile::setPermissions(verified->program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                                   | QFile::ReadGroup | QFile::ExeGroup
                                                                   | QFile::ReadOther | QFile::ExeOther);
                      const ProgramOutput::Result result =
                          ProgramOutput::run(verified->program, {QStringLiteral("--version")}, kTryTimeLimit);
                      const std::optional<QString> version = ToolVersion::fromOutput(release.tool, result.standardOutput);
                      if (!result.succeeded() || !version) {
                          const QString said = QString::fromUtf8(result.standardError).trimmed().section(QLatin1Char('\n'), -1);
                          return translated(QT_TRANSLATE_NOOP("ToolUpdater",
                                                              "the new %1 did not answer --version (%2)."))
                              .arg(release.tool, said.isEmpty() ? translated(QT_TRANSLATE_NOOP("ToolUpdater", "no output")) : said);
                      }
                      if (const auto refused = ToolVersion::refusal(release.tool, *version, tag, current))
                          return refused;
                      verified->version = *version;
                      const std::optional<QString> digest = FileDigest::sha256(verified->program);
                      if (!digest)
                          return translated(QT_TRANSLATE_NOOP("ToolUpdater", "the new file cannot be read."));
                      verified->digest = *digest;
                      return std::nullopt;
                  }});
    steps.append({UpdateStep::installing, [=]() -> std::optional<QString> {
                      // The last moment a cancel can stop it: installing is one step.
                      if (cancelled->load())
                          return std::nullopt;
                      ManifestTool entry;
                      entry.name = release.tool;
                      entry.version = verified->version;
                      if (release.isZipArchive)
                          entry.architecture = setup.architecture;
                      entry.sourceURL = sourceUrl;
                      entry.sha256 = verified->digest;
                      entry.license = release.license;
                      const std::optional<QString> failure =
                          ToolInstaller::install(setup.userToolsDirectory, verified->program, entry, setup.architecture);
                      verified->installed = !failure;
                      // Remembered here, so the next job's check of the new
                      // copy costs a stat on the GUI thread, not a read.
                      if (verified->installed)
                          FileDigest::rememberedSha256(
                              UserToolFolder::fileFor(setup.userToolsDirectory, release.tool, verified->digest));
                      return failure;
                  }});

    auto runFrom = std::make_shared<std::function<void(qsizetype)>>();
    *runFrom = [this, steps, verified, next = std::weak_ptr(runFrom)](qsizetype index) {
        if (index == steps.size()) {
            m_result.kind = ToolUpdateResult::Kind::installed;
            m_result.installedVersion = verified->version;
            return end();
        }
        const auto &[step, work] = steps[index];
        setStep(step);
        whenFinished(QtConcurrent::run(work), this, [this, step = step, index, verified, runFrom = next.lock()](
                                                        const std::optional<QString> &failure) {
            // Once installed, the update stands: a cancel that came during
            // that step was too late.
            if (m_cancelled->load() && !verified->installed)
                return end();
            if (failure)
                return fail(step, *failure);
            (*runFrom)(index + 1);
        });
    };
    (*runFrom)(0);
}

void ToolUpdater::fail(UpdateStep step, const QString &reason)
{
    m_result.kind = ToolUpdateResult::Kind::failed;
    m_result.failedStep = step;
    m_result.reason = reason;
    end();
}

void ToolUpdater::end()
{
    if (m_cancelled && m_cancelled->load() && m_result.kind != ToolUpdateResult::Kind::installed) {
        m_result.kind = ToolUpdateResult::Kind::cancelled;
        m_result.failedStep.reset();
        m_result.reason.clear();
    }
    const bool installed = m_result.kind == ToolUpdateResult::Kind::installed;
    // No step runs any more (each ends before its continuation calls here),
    // so the work folder goes now, whoever still holds it.
    if (m_staging)
        m_staging->remove();
    m_staging.reset();
    if (!installed) {
        // Folders made only for this update go again, deepest first.
        for (auto it = m_createdFolders.crbegin(); it != m_createdFolders.crend(); ++it)
            QDir().rmdir(*it);
    }
    m_createdFolders.clear();
    m_reply = nullptr;
    m_running = false;
    emit finished(m_result);
}
