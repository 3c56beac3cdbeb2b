#include "cli/CliArguments.h"

#include "cli/AdvancedFlags.h"
#include "cli/CliText.h"
#include "cli/CommandOptions.h"

#include <functional>

namespace {

CliParseResult failure(const QString &error)
{
    return CliParseResult{std::nullopt, error};
}

CliParseResult help(const QString &text)
{
    return CliParseResult{HelpRequest{text}, {}};
}

// Parses a command's options: the command's help when asked for, the
// refusal when they are not understood, nothing when the command goes on.
std::optional<CliParseResult> helpOrRefusal(CommandOptions &options, const QStringList &arguments)
{
    const bool parsed = options.parse(arguments);
    if (options.helpRequested())
        return help(options.help());
    if (!parsed)
        return failure(options.error());
    return std::nullopt;
}

QCommandLineOption flag(const QString &name, const QString &description)
{
    return QCommandLineOption(name, description);
}

QCommandLineOption valued(const QString &name, const QString &valueName, const QString &description)
{
    return QCommandLineOption(name, description, valueName);
}

// Reads an option's value with `read`, when it was given; the error when it
// is not understood.
template <typename T>
QString readValue(const CommandOptions &options, const QString &name, const QString &allowed,
                  const std::function<std::optional<T>(const QString &)> &read, std::optional<T> &target)
{
    if (!options.isSet(name))
        return {};
    const QString text = options.value(name);
    target = read(text);
    return target ? QString()
                  : CliText::tr("Invalid value for %1: '%2' (expected %3)").arg(QStringLiteral("--") + name, text, allowed);
}

std::optional<VideoQuality> qualityFromText(const QString &text)
{
    if (text == QLatin1String("best"))
        return VideoQuality::best;
    return VideoQualities::fromRawValue(QLatin1Char('p') + text);
}

std::optional<QString> nonEmpty(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

CliParseResult parseAnalyze(const QStringList &arguments)
{
    CommandOptions options(QStringLiteral("analyze"), QStringLiteral("analyze [--json] [--playlist] URL"),
                           CliText::tr("Show a link's title, uploader, duration, formats and subtitles."),
                           {flag(QStringLiteral("json"), CliText::tr("print the metadata record as JSON")),
                            flag(QStringLiteral("playlist"),
                                 CliText::tr("for a video opened inside a list, list the whole list instead"))});
    if (std::optional<CliParseResult> early = helpOrRefusal(options, arguments))
        return *early;
    const QStringList urls = options.positionalArguments();
    if (urls.size() != 1)
        return failure(CliText::tr("analyze needs exactly one URL"));
    return CliParseResult{AnalyzeRequest{urls.first().trimmed(), options.isSet(QStringLiteral("json")),
                                         options.isSet(QStringLiteral("playlist"))},
                          {}};
}

CliParseResult parseDownload(const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("download"), QStringLiteral("download [OPTIONS] URL..."),
        CliText::tr("Download links with the saved defaults for any option not given."),
        QList<QCommandLineOption>{
            valued(QStringLiteral("audio"), QStringLiteral("best|mp3|m4a"),
                   CliText::tr("download the audio in this format")),
            valued(QStringLiteral("quality"), QStringLiteral("best|2160|1440|1080|720|480"),
                   CliText::tr("download video up to this height")),
            valued(QStringLiteral("subs"), QStringLiteral("none|original|auto"), CliText::tr("subtitles to fetch")),
            valued(QStringLiteral("lang"), QStringLiteral("CODES"), CliText::tr("subtitle languages, e.g. en or en,de")),
            valued(QStringLiteral("output"), QStringLiteral("DIR"),
                   CliText::tr("folder for this run (settings unchanged)")),
            valued(QStringLiteral("batch"), QStringLiteral("FILE"),
                   CliText::tr("links from a UTF-8 text file, one per line (- reads standard input)")),
            flag(QStringLiteral("to-window"),
                 CliText::tr("queue the links in the running Tarvelle window, with its default options")),
            flag(QStringLiteral("playlist"), CliText::tr("download the entries of the list the one link opens")),
            valued(QStringLiteral("items"), QStringLiteral("RANGE"),
                   CliText::tr("with --playlist: only these entries, e.g. 1-5,7")),
            flag(QStringLiteral("new-only"),
                 CliText::tr("with --playlist: skip entries the download archive shows as downloaded before")),
        } + AdvancedFlags::options());
    if (std::optional<CliParseResult> early = helpOrRefusal(options, arguments))
        return *early;

    DownloadRequest request;
    // Values are read in this order; the first one not understood is reported.
    QString error;
    const auto firstError = [&error](const QString &found) {
        if (error.isEmpty())
            error = found;
    };
    firstError(readValue<AudioFormat>(
        options, QStringLiteral("audio"), CliText::tr("best, mp3 or m4a"),
        [](const QString &text) { return AudioFormats::fromRawValue(text); }, request.audio));
    firstError(readValue<VideoQuality>(options, QStringLiteral("quality"),
                                       CliText::tr("best, 2160, 1440, 1080, 720 or 480"), qualityFromText,
                                       request.quality));
    firstError(readValue<SubtitleMode>(
        options, QStringLiteral("subs"), CliText::tr("none, original or auto"),
        [](const QString &text) { return SubtitleModes::fromRawValue(text); }, request.subtitles));
    firstError(readValue<QString>(options, QStringLiteral("lang"), CliText::tr("language codes such as en or en,de"),
                                  nonEmpty, request.subtitleLang));
    firstError(readValue<QString>(options, QStringLiteral("output"), CliText::tr("a folder"), nonEmpty,
                                  request.outputDirectory));
    firstError(readValue<QString>(options, QStringLiteral("batch"), CliText::tr("a file or -"), nonEmpty,
                                  request.batch));
    firstError(readValue<QString>(options, QStringLiteral("items"), CliText::tr("entries such as 1-5,7"), nonEmpty,
                                  request.items));
    firstError(AdvancedFlags::read(options, request.advanced));
    if (!error.isEmpty())
        return failure(error);
    for (const QString &url : options.positionalArguments())
        request.urls.append(url.trimmed());
    // One job is either audio or video: a quality bound means nothing to audio.
    if (request.audio && request.quality)
        return failure(CliText::tr("--audio and --quality exclude each other"));
    request.toWindow = options.isSet(QStringLiteral("to-window"));
    request.playlist = options.isSet(QStringLiteral("playlist"));
    request.newOnly = options.isSet(QStringLiteral("new-only"));
    if (!request.playlist) {
        for (const QString &name : {QStringLiteral("items"), QStringLiteral("new-only")}) {
            if (options.isSet(name))
                return failure(CliText::tr("--%1 applies to a list: add --playlist").arg(name));
        }
    }
    // The window queues with its own defaults: options given here would be lost.
    if (request.toWindow) {
        QStringList ownOptions{QStringLiteral("audio"), QStringLiteral("quality"), QStringLiteral("subs"),
                               QStringLiteral("lang"),  QStringLiteral("output"),  QStringLiteral("playlist")};
        for (const QCommandLineOption &advanced : AdvancedFlags::options())
            ownOptions << advanced.names().first();
        for (const QString &name : std::as_const(ownOptions)) {
            if (options.isSet(name))
                return failure(CliText::tr("--to-window uses the window's default options: leave out --%1").arg(name));
        }
    }
    if (request.urls.isEmpty() && !request.batch)
        return failure(CliText::tr("download needs at least one URL or --batch"));
    if (request.playlist && (request.urls.size() != 1 || request.batch))
        return failure(CliText::tr("--playlist takes exactly one URL and no --batch"));
    return CliParseResult{request, {}};
}

CliParseResult parseHistory(const QStringList &arguments)
{
    CommandOptions options(QStringLiteral("history"), QStringLiteral("history [--json] [--failed|--success] [--search TEXT]"),
                           CliText::tr("List finished downloads, newest first."),
                           {
                               flag(QStringLiteral("json"), CliText::tr("print the records as JSON")),
                               flag(QStringLiteral("failed"), CliText::tr("only failed downloads")),
                               flag(QStringLiteral("success"), CliText::tr("only completed downloads")),
                               valued(QStringLiteral("search"), QStringLiteral("TEXT"),
                                      CliText::tr("only records whose title or link contains TEXT")),
                           });
    if (std::optional<CliParseResult> early = helpOrRefusal(options, arguments))
        return *early;
    if (!options.positionalArguments().isEmpty())
        return failure(CliText::tr("history takes no arguments: %1").arg(options.positionalArguments().first()));
    const bool success = options.isSet(QStringLiteral("success"));
    const bool failed = options.isSet(QStringLiteral("failed"));
    if (success && failed)
        return failure(CliText::tr("--failed and --success exclude each other"));
    HistoryRequest request;
    request.json = options.isSet(QStringLiteral("json"));
    request.search = options.value(QStringLiteral("search"));
    request.outcome = success ? HistoryOutcome::success : failed ? HistoryOutcome::failed : HistoryOutcome::all;
    return CliParseResult{request, {}};
}

CliParseResult parseDiagnostics(const QStringList &arguments)
{
    CommandOptions options(QStringLiteral("diagnostics"), QStringLiteral("diagnostics"),
                           CliText::tr("Check the shipped tools and print the report."), {});
    if (std::optional<CliParseResult> early = helpOrRefusal(options, arguments))
        return *early;
    if (!options.positionalArguments().isEmpty())
        return failure(CliText::tr("diagnostics takes no arguments: %1").arg(options.positionalArguments().first()));
    return CliParseResult{DiagnosticsRequest{}, {}};
}

CliParseResult parseToolsUpdate(const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("tools update"), QStringLiteral("tools update [--check] [--channel stable|nightly] [yt-dlp|deno]"),
        CliText::tr("Install the latest release of yt-dlp (or deno) into your own tool folder, after checking its "
                    "signature and digest."),
        {
            flag(QStringLiteral("check"), CliText::tr("only tell whether a newer release exists")),
            valued(QStringLiteral("channel"), QStringLiteral("stable|nightly"),
                   CliText::tr("yt-dlp's release stream (the saved one when not given)")),
        });
    if (std::optional<CliParseResult> early = helpOrRefusal(options, arguments))
        return *early;
    ToolsRequest request;
    request.action = ToolsRequest::Action::update;
    request.checkOnly = options.isSet(QStringLiteral("check"));
    const QString error = readValue<ReleaseChannel>(options, QStringLiteral("channel"), CliText::tr("stable or nightly"),
                                                    ReleaseChannels::fromRaw, request.channel);
    if (!error.isEmpty())
        return failure(error);
    const QStringList tools = options.positionalArguments();
    if (tools.size() > 1)
        return failure(CliText::tr("tools update takes one tool: %1").arg(tools.at(1)));
    if (!tools.isEmpty()) {
        if (tools.first() != QLatin1String("yt-dlp") && tools.first() != QLatin1String("deno"))
            return failure(CliText::tr("Only yt-dlp and deno can be updated, not %1").arg(tools.first()));
        request.tool = tools.first();
    }
    if (request.channel && request.tool != QLatin1String("yt-dlp"))
        return failure(CliText::tr("--channel applies to yt-dlp only"));
    return CliParseResult{request, {}};
}

CliParseResult parseTools(const QStringList &arguments)
{
    if (arguments.value(0) == QLatin1String("update"))
        return parseToolsUpdate(arguments.mid(1));
    const bool rollback = arguments.value(0) == QLatin1String("rollback");
    CommandOptions options(rollback ? QStringLiteral("tools rollback") : QStringLiteral("tools"),
                           rollback ? QStringLiteral("tools rollback") : QStringLiteral("tools [update|rollback]"),
                           rollback ? CliText::tr("Return to the tools in use before the last update.")
                                    : CliText::tr("List the tools in use: where each comes from, its version, "
                                                  "yt-dlp's age and whether its digest matches."),
                           {});
    if (std::optional<CliParseResult> early = helpOrRefusal(options, rollback ? arguments.mid(1) : arguments))
        return *early;
    if (!options.positionalArguments().isEmpty())
        return failure(CliText::tr("Unknown tools command: %1").arg(options.positionalArguments().first()));
    ToolsRequest request;
    request.action = rollback ? ToolsRequest::Action::rollback : ToolsRequest::Action::list;
    return CliParseResult{request, {}};
}

// The text of --help without a command: every command in brief.
QString usage()
{
    return CliText::tr("Usage: tarvelle-cli COMMAND [OPTIONS]\n"
                       "\n"
                       "Commands:\n"
                       "  analyze URL [--json]\n"
                       "      Show a link's title, uploader, duration, formats and subtitles;\n"
                       "      --json prints the metadata record instead.\n"
                       "  download [OPTIONS] URL...\n"
                       "      Download links with the saved defaults for any option not given.\n"
                       "      --audio best|mp3|m4a     download the audio in this format\n"
                       "      --quality best|2160|1440|1080|720|480\n"
                       "                               download video up to this height\n"
                       "      --subs none|original|auto\n"
                       "      --lang CODES             subtitle languages, e.g. en or en,de\n"
                       "      --output DIR             folder for this run (settings unchanged)\n"
                       "      --batch FILE             links from a UTF-8 text file, one per line\n"
                       "                               (- reads standard input)\n"
                       "  history [--json] [--failed|--success] [--search TEXT]\n"
                       "      List finished downloads, newest first.\n"
                       "  diagnostics\n"
                       "      Check the shipped tools and print the report.\n"
                       "  tools\n"
                       "      List the tools in use, with their source, version and age.\n"
                       "  tools update [--check] [--channel stable|nightly] [yt-dlp|deno]\n"
                       "      Install the latest verified release into your own tool folder;\n"
                       "      --check only tells whether there is one.\n"
                       "  tools rollback\n"
                       "      Return to the tools in use before the last update.\n"
                       "\n"
                       "Options:\n"
                       "  --help, -h   show this text\n"
                       "  --version    show the version\n"
                       "\n"
                       "Exit status: 0 success, 1 failure, 2 usage error, 130 interrupted.\n") +
           QLatin1Char('\n') + CliText::tr("'tarvelle-cli COMMAND --help' shows one command's options.") +
           QLatin1Char('\n');
}

const QList<std::pair<QString, CliParseResult (*)(const QStringList &)>> commands{
    {QStringLiteral("analyze"), parseAnalyze},
    {QStringLiteral("download"), parseDownload},
    {QStringLiteral("history"), parseHistory},
    {QStringLiteral("diagnostics"), parseDiagnostics},
    {QStringLiteral("tools"), parseTools},
};

} // namespace

namespace CliArguments {

CliParseResult parse(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return failure(CliText::tr("No command given"));
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    for (const auto &[word, parseCommand] : commands) {
        if (command == word)
            return parseCommand(rest);
    }
    // Without a command, --help anywhere before "--" wins: whoever asks for it
    // gets the usage.
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return help(usage());
    }
    if (command == QLatin1String("--version"))
        return rest.isEmpty() ? CliParseResult{VersionRequest{}, {}}
                              : failure(CliText::tr("--version takes no arguments: %1").arg(rest.first()));
    if (command.startsWith(QLatin1Char('-')))
        return failure(CliText::tr("Unknown option: %1").arg(command));
    return failure(CliText::tr("Unknown command: %1").arg(command));
}

} // namespace CliArguments
