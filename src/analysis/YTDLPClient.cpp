#include "analysis/YTDLPClient.h"

#include "analysis/LineCollector.h"
#include "analysis/MetadataParser.h"
#include "engine/DownloadCommandBuilder.h"
#include "engine/DownloadErrorClassifier.h"
#include "process/ProcessRunner.h"
#include "settings/AppSettings.h"

#include <memory>

namespace {

constexpr int kMissingProgramStatus = 127;
constexpr int kUnstartableProgramStatus = 1;

AnalyzeResult resultOf(const ProcessRunResult &run, const LineCollector &collector)
{
    if (run.isCancelled())
        return DownloadErrorCategory::cancelled;
    const QString out = collector.out();
    const QString err = collector.err();
    // The runner reports a program that cannot be started as 127 (no such
    // file) or 1 (not executable, not a program) without any output; the
    // classifier, which reads only text, would call it unknown. A yt-dlp that
    // really ran and failed always says why.
    if ((run.code == kMissingProgramStatus || run.code == kUnstartableProgramStatus) && out.isEmpty()
        && err.isEmpty())
        return DownloadErrorCategory::toolMissing;
    if (run.code != 0)
        return AnalyzeResult(DownloadErrorClassifier::classify(run.code, out, err, false), err);
    // The metadata request prints its JSON document as the whole of standard
    // output; anything else there makes the parse fail.
    MetadataParseResult parsed = MetadataParser::parse(out.toUtf8());
    if (!parsed)
        return AnalyzeResult(DownloadErrorCategory::unknown, err);
    return std::move(parsed).value();
}

} // namespace

YTDLPClient::YTDLPClient()
    : YTDLPClient(AppSettings::shared())
{
}

YTDLPClient::YTDLPClient(const AppSettings &settings)
    : m_settings(settings)
{
}

QFuture<AnalyzeResult> YTDLPClient::analyze(const QString &url, AnalysisCancelToken cancel) const
{
    return analyze(url, m_settings.advancedDefaults(), std::move(cancel));
}

QFuture<AnalyzeResult> YTDLPClient::analyze(const QString &url, const AdvancedOptions &options,
                                            AnalysisCancelToken cancel) const
{
    if (!DownloadCommandBuilder::validateURL(url))
        return QtFuture::makeReadyFuture(AnalyzeResult(DownloadErrorCategory::invalidURL));
    const std::optional<ResolvedCommand> command =
        DownloadCommandBuilder::analyzeCommand(url, m_settings.cookieFilePath(), options);
    if (!command)
        return QtFuture::makeReadyFuture(AnalyzeResult(DownloadErrorCategory::toolMissing));

    auto collector = std::make_shared<LineCollector>();
    auto runner = std::make_shared<ProcessRunner>();
    cancel.attach(runner);
    // The handler owns the collector: the runner may still call it after the
    // result was delivered.
    QFuture<ProcessRunResult> run = runner->run(
        command->executable, command->arguments, command->environment, std::nullopt,
        [collector](const QString &line, bool isStandardError) { collector->add(line, isStandardError); });
    // The continuation keeps the runner alive until the run has ended.
    return run.then([runner, collector](const ProcessRunResult &result) { return resultOf(result, *collector); });
}
