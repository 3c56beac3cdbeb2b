#include "cli/CliArguments.h"

#include <QCoreApplication>

#include <functional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CliArguments", text);
}

// One command's arguments, walked option by option.
class ArgumentCursor
{
public:
    ArgumentCursor(QString command, QStringList arguments)
        : m_command(std::move(command)), m_arguments(std::move(arguments))
    {
    }

    // Calls `option(name, value)` for every option ("value" is the inline
    // "=value" part, if any) and `positional(text)` for everything else.
    // Returns the first error either gives.
    QString walk(const std::function<QString(const QString &name, std::optional<QString> inlineValue)> &option,
                 const std::function<void(const QString &)> &positional)
    {
        bool optionsEnded = false;
        while (m_index < m_arguments.size()) {
            const QString argument = m_arguments.at(m_index++);
            if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
                positional(argument);
                continue;
            }
            if (argument == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            const QString name = equals < 0 ? argument : argument.left(equals);
            const std::optional<QString> inlineValue =
                equals < 0 ? std::nullopt : std::optional<QString>(argument.mid(equals + 1));
            if (QString error = option(name, inlineValue); !error.isEmpty())
                return error;
        }
        return {};
    }

    // The value of an option that takes one: inline, or the next argument.
    std::optional<QString> value(const std::optional<QString> &inlineValue)
    {
        if (inlineValue)
            return inlineValue;
        if (m_index < m_arguments.size())
            return m_arguments.at(m_index++);
        return std::nullopt;
    }

    QString unknownOption(const QString &name) const
    {
        return tr("Unknown option for %1: %2").arg(m_command, name);
    }

private:
    QString m_command;
    QStringList m_arguments;
    qsizetype m_index = 0;
};

QString missingValue(const QString &name)
{
    return tr("%1 needs a value").arg(name);
}

QString invalidValue(const QString &name, const QString &value, const QString &allowed)
{
    return tr("Invalid value for %1: '%2' (expected %3)").arg(name, value, allowed);
}

QString noValueAllowed(const QString &name)
{
    return tr("%1 takes no value").arg(name);
}

// Reads an option value with `read`; the error when it is missing or not understood.
template <typename T>
QString readValue(ArgumentCursor &cursor, const QString &name, const std::optional<QString> &inlineValue,
                  const QString &allowed, const std::function<std::optional<T>(const QString &)> &read,
                  std::optional<T> &target)
{
    const std::optional<QString> text = cursor.value(inlineValue);
    if (!text)
        return missingValue(name);
    target = read(*text);
    return target ? QString() : invalidValue(name, *text, allowed);
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

CliParseResult failure(const QString &error)
{
    return CliParseResult{std::nullopt, error};
}

CliParseResult parseAnalyze(const QStringList &arguments)
{
    ArgumentCursor cursor(QStringLiteral("analyze"), arguments);
    AnalyzeRequest request;
    QStringList urls;
    const QString error = cursor.walk(
        [&](const QString &name, const std::optional<QString> &inlineValue) {
            if (name != QLatin1String("--json"))
                return cursor.unknownOption(name);
            if (inlineValue)
                return noValueAllowed(name);
            request.json = true;
            return QString();
        },
        [&](const QString &text) { urls.append(text); });
    if (!error.isEmpty())
        return failure(error);
    if (urls.size() != 1)
        return failure(tr("analyze needs exactly one URL"));
    request.url = urls.first().trimmed();
    return CliParseResult{request, {}};
}

CliParseResult parseDownload(const QStringList &arguments)
{
    ArgumentCursor cursor(QStringLiteral("download"), arguments);
    DownloadRequest request;
    const QString error = cursor.walk(
        [&](const QString &name, const std::optional<QString> &inlineValue) -> QString {
            if (name == QLatin1String("--audio"))
                return readValue<AudioFormat>(
                    cursor, name, inlineValue, tr("best, mp3 or m4a"),
                    [](const QString &text) { return AudioFormats::fromRawValue(text); }, request.audio);
            if (name == QLatin1String("--quality"))
                return readValue<VideoQuality>(cursor, name, inlineValue,
                                               tr("best, 2160, 1440, 1080, 720 or 480"), qualityFromText,
                                               request.quality);
            if (name == QLatin1String("--subs"))
                return readValue<SubtitleMode>(
                    cursor, name, inlineValue, tr("none, original or auto"),
                    [](const QString &text) { return SubtitleModes::fromRawValue(text); }, request.subtitles);
            if (name == QLatin1String("--lang"))
                return readValue<QString>(cursor, name, inlineValue, tr("language codes such as en or en,de"), nonEmpty,
                                          request.subtitleLang);
            if (name == QLatin1String("--output"))
                return readValue<QString>(cursor, name, inlineValue, tr("a folder"), nonEmpty,
                                          request.outputDirectory);
            if (name == QLatin1String("--batch"))
                return readValue<QString>(cursor, name, inlineValue, tr("a file or -"), nonEmpty, request.batch);
            return cursor.unknownOption(name);
        },
        [&](const QString &text) { request.urls.append(text.trimmed()); });
    if (!error.isEmpty())
        return failure(error);
    // One job is either audio or video: a quality bound means nothing to audio.
    if (request.audio && request.quality)
        return failure(tr("--audio and --quality exclude each other"));
    if (request.urls.isEmpty() && !request.batch)
        return failure(tr("download needs at least one URL or --batch"));
    return CliParseResult{request, {}};
}

CliParseResult parseHistory(const QStringList &arguments)
{
    ArgumentCursor cursor(QStringLiteral("history"), arguments);
    HistoryRequest request;
    bool success = false;
    bool failed = false;
    QStringList extra;
    const QString error = cursor.walk(
        [&](const QString &name, const std::optional<QString> &inlineValue) -> QString {
            if (name == QLatin1String("--search")) {
                const std::optional<QString> text = cursor.value(inlineValue);
                if (!text)
                    return missingValue(name);
                request.search = *text;
                return {};
            }
            bool *flag = name == QLatin1String("--json")      ? &request.json
                         : name == QLatin1String("--failed")  ? &failed
                         : name == QLatin1String("--success") ? &success
                                                              : nullptr;
            if (!flag)
                return cursor.unknownOption(name);
            if (inlineValue)
                return noValueAllowed(name);
            *flag = true;
            return {};
        },
        [&](const QString &text) { extra.append(text); });
    if (!error.isEmpty())
        return failure(error);
    if (!extra.isEmpty())
        return failure(tr("history takes no arguments: %1").arg(extra.first()));
    if (success && failed)
        return failure(tr("--failed and --success exclude each other"));
    request.outcome = success ? HistoryOutcome::success : failed ? HistoryOutcome::failed : HistoryOutcome::all;
    return CliParseResult{request, {}};
}

CliParseResult parseDiagnostics(const QStringList &arguments)
{
    if (!arguments.isEmpty()) {
        const QString &first = arguments.first();
        return failure(first.startsWith(QLatin1Char('-')) ? tr("Unknown option for %1: %2").arg("diagnostics", first)
                                                          : tr("diagnostics takes no arguments: %1").arg(first));
    }
    return CliParseResult{DiagnosticsRequest{}, {}};
}

} // namespace

namespace CliArguments {

CliParseResult parse(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return failure(tr("No command given"));
    // --help anywhere before "--" wins: whoever asks for it gets the usage.
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return CliParseResult{HelpRequest{}, {}};
    }
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--version"))
        return rest.isEmpty() ? CliParseResult{VersionRequest{}, {}}
                              : failure(tr("--version takes no arguments: %1").arg(rest.first()));
    if (command == QLatin1String("analyze"))
        return parseAnalyze(rest);
    if (command == QLatin1String("download"))
        return parseDownload(rest);
    if (command == QLatin1String("history"))
        return parseHistory(rest);
    if (command == QLatin1String("diagnostics"))
        return parseDiagnostics(rest);
    if (command.startsWith(QLatin1Char('-')))
        return failure(tr("Unknown option: %1").arg(command));
    return failure(tr("Unknown command: %1").arg(command));
}

QString usage()
{
    return tr("Usage: tarvelle-cli COMMAND [OPTIONS]\n"
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
              "\n"
              "Options:\n"
              "  --help, -h   show this text\n"
              "  --version    show the version\n"
              "\n"
              "Exit status: 0 success, 1 failure, 2 usage error, 130 interrupted.\n");
}

} // namespace CliArguments
