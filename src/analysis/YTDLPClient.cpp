#include "analysis/YTDLPClient.h"

#include "analysis/LineCollector.h"
#include "analysis/MediaListParser.h"
#include "analysis/MetadataParser.h"
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
                       const QString &url, YTDLPClient::KeepInfo keep)
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
    if (std::optional<MediaList> list = MediaListParser::parse(object, url))
        return AnalyzeResult(std::move(*list));
    // yt-dlp drops a playlist's entries when it loads a saved answer, so a
    // video wrapped as a list of one is always fetched from its link.
    const bool isPlaylist = object.contains(QLatin1String("entries"));
    return AnalyzeResult(MetadataParser::parse(object),
                         keep == YTDLPClient::KeepInfo::yes && !isPlaylist ? SavedInfo::write(out) : nullptr);
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
    if (!DownloadCommandBuilder::validateURL(url))
        return QtFuture::makeReadyFuture(AnalyzeResult(DownloadErrorCategory::invalidURL));
    const std::optional<ResolvedCommand> command =
        DownloadCommandBuilder::analyzeCommand(url, m_settings.cookieFilePath(), options,
                                               scope == Scope::list ? DownloadCommandBuilder::ListReach::wholeList
                                                                    : DownloadCommandBuilder::ListReach::linkedItem);
    if (!command)
        return QtFuture::makeReadyFuture(AnalyzeResult(DownloadErrorCategory::toolMissing));

    auto runner = std::make_shared<ProcessRunner>();
    // The answer is one document, often a single line of megabytes: kept
    // whole, never cut into lines.
    auto answer = std::make_shared<OutputCapture>(m_maxAnswerBytes, [weak = std::weak_ptr<ProcessRunner>(runner)] {
        if (const auto strong = weak.lock())
            strong->cancel();
    });
    auto errors = std::make_shared<LineCollector>();
    cancel.attach(runner);
    // The sinks are shared with the run: it may still write to them after
    // the result was delivered.
    QFuture<ProcessRunResult> run =
        runner->run(command->executable, command->arguments, command->environment, answer,
                    std::make_shared<LineAccumulator>([errors](const QString &line) { errors->add(line); }));
    // The continuation keeps the runner alive until the run has ended.
    return run.then([runner, answer, errors, url, keep](const ProcessRunResult &result) {
        return resultOf(result, *answer, errors->text(), url, keep);
    });
}
