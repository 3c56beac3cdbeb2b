#include "analysis/YTDLPClient.h"

#include "analysis/LineCollector.h"
#include "analysis/MediaListParser.h"
#include "analysis/MetadataParser.h"
#include "engine/AdvancedOptions.h"
#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadErrorClassifier.h"
#include "process/LineAccumulator.h"
#include "process/OutputCapture.h"
#include "process/ProcessRunner.h"
#include "settings/AppSettings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <memory>

namespace {

const char *const kAnswerTooLarge = QT_TRANSLATE_NOOP(
    "DownloadErrorCategory", "The description yt-dlp gave of this link is larger than 256 MiB, more than Tarvelle reads.");

AnalyzeResult resultOf(const ProcessRunResult &run, OutputCapture &answer, const QString &err,
                       const QString &url, YTDLPClient::KeepInfo keep, YTDLPClient::Scope scope)
{
    // Checked first: the analysis itself stopped yt-dlp there.
    if (answer.exceeded())
        return AnalyzeResult(DownloadErrorCategory::unknown, err, kAnswerTooLarge);
    if (run.isCancelled())
        return DownloadErrorCategory::cancelled;
    const QByteArray out = answer.take();
    if (DownloadErrorClassifier::isFailedLaunch(run.code, out.isEmpty() && err.isEmpty()))
        return DownloadErrorCategory::toolMissing;
    if (run.code != 0)
        return AnalyzeResult(DownloadErrorClassifier::classify(run.code, QString::fromUtf8(out), err, false), err);
    // The metadata request prints its JSON document as the whole of standard
    // output; anything else there makes the parse fail.
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(out, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return AnalyzeResult(DownloadErrorCategory::unknown, err);
    const QJsonObject object = document.object();
    if (std::optional<MediaList> list = MediaListParser::parse(object, url)) {
        // A video of the list's own page is described whole in the listing.
        if (scope == YTDLPClient::Scope::linkedItem) {
            if (const std::optional<QJsonObject> video = MediaListParser::linkedVideo(object, *list))
                return AnalyzeResult(MetadataParser::parse(*video), std::move(*list));
        }
        return AnalyzeResult(std::move(*list));
    }
    // yt-dlp drops a playlist's entries when it loads a saved answer, so a
    // video wrapped as a list of one is always fetched from its link.
    const bool isPlaylist = object.contains(QLatin1String("entries"));
    return AnalyzeResult(MetadataParser::parse(object),
                         keep == YTDLPClient::KeepInfo::yes && !isPlaylist ? SavedInfo::write(out) : nullptr);
}

// What every run of one analysis shares.
struct Request
{
    QString cookieFilePath;
    AdvancedOptions options;
    AnalysisCancelToken cancel;
    YTDLPClient::KeepInfo keep;
    qsizetype maxAnswerBytes;
};

// One run of yt-dlp's metadata request. Reads no settings: it may be
// called off the GUI thread.
QFuture<AnalyzeResult> start(const Request &request, const QString &url, DownloadCommandBuilder::ListReach reach,
                             YTDLPClient::Scope scope)
{
    if (!DownloadCommandBuilder::validateURL(url))
        return QtFuture::makeReadyFuture(AnalyzeResult(DownloadErrorCategory::invalidURL));
    const std::optional<ResolvedCommand> command =
        DownloadCommandBuilder::analyzeCommand(url, request.cookieFilePath, request.options, reach);
    if (!command)
        return QtFuture::makeReadyFuture(AnalyzeResult(DownloadErrorCategory::toolMissing));

    auto runner = std::make_shared<ProcessRunner>();
    // The answer is one document, often a single line of megabytes: kept
    // whole, never cut into lines.
    auto answer = std::make_shared<OutputCapture>(request.maxAnswerBytes, [weak = std::weak_ptr<ProcessRunner>(runner)] {
        if (const auto strong = weak.lock())
            strong->cancel();
    });
    auto errors = std::make_shared<LineCollector>();
    request.cancel.attach(runner);
    // The sinks are shared with the run: it may still write to them after
    // the result was delivered.
    QFuture<ProcessRunResult> run =
        runner->run(command->executable, command->arguments, command->environment, answer,
                    std::make_shared<LineAccumulator>([errors](const QString &line) { errors->add(line); }));
    // The continuation keeps the runner alive until the run has ended.
    return run.then([runner, answer, errors, url, keep = request.keep, scope](const ProcessRunResult &result) {
        return resultOf(result, *answer, errors->text(), url, keep, scope);
    });
}

// The page of the entry the link names, to be read for its formats: an
// entry listed only by a link of its own, other than the one analysed.
std::optional<QString> entryPageToRead(const AnalyzeResult &listing, const QString &url)
{
    if (!listing.hasList() || !listing.list().linkedEntry)
        return std::nullopt;
    const MediaListEntry &entry = listing.list().entries.at(*listing.list().linkedEntry - 1);
    if (entry.fetchFromList || entry.url == url)
        return std::nullopt;
    return entry.url;
}

} // namespace

YTDLPClient::YTDLPClient()
    : YTDLPClient(AppSettings::shared())
{
}

YTDLPClient::YTDLPClient(const AppSettings &settings, qsizetype maxAnswerBytes)
    : m_settings(settings)
    , m_maxAnswerBytes(maxAnswerBytes)
{
}

QFuture<AnalyzeResult> YTDLPClient::analyze(const QString &url, AnalysisCancelToken cancel, KeepInfo keep,
                                            Scope scope) const
{
    return analyze(url, m_settings.advancedDefaults(), std::move(cancel), keep, scope);
}

QFuture<AnalyzeResult> YTDLPClient::analyze(const QString &url, const AdvancedOptions &options,
                                            AnalysisCancelToken cancel, KeepInfo keep, Scope scope) const
{
    const Request request{m_settings.cookieFilePath(), options, std::move(cancel), keep, m_maxAnswerBytes};
    QFuture<AnalyzeResult> listing = start(request, url, DownloadCommandBuilder::ListReach::wholeList, scope);
    if (scope == Scope::list)
        return listing;
    return listing
        .then([request, url](const AnalyzeResult &result) {
            const std::optional<QString> page = entryPageToRead(result, url);
            if (!page)
                return QtFuture::makeReadyFuture(result);
            // The listing named the entry but holds only its link: its own
            // page, alone, gives the formats. Failing that, the list is shown.
            return start(request, *page, DownloadCommandBuilder::ListReach::linkedItem, Scope::list)
                .then([list = result.list()](const AnalyzeResult &video) {
                    if (video.hasMetadata())
                        return AnalyzeResult(video.metadata(), list, video.savedInfo());
                    if (video.isError() && video.error() == DownloadErrorCategory::cancelled)
                        return video;
                    return AnalyzeResult(list);
                });
        })
        .unwrap();
}
