#pragma once

#include "engine/AdvancedOptions.h"
#include "engine/DownloadOptions.h"
#include "tools/ReleaseChannel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// --help: the text to print (the whole usage, or one command's).
struct HelpRequest
{
    QString text;
};

struct VersionRequest
{
};

struct AnalyzeRequest
{
    QString url;
    bool json = false;
    bool wholeList = false; // a video opened inside a list: the list, not that video
};

// Advanced options given on the command line. Each one given replaces the
// stored default for this run; the others keep it.
struct AdvancedOverrides
{
    std::optional<std::optional<SpeedLimit>> speedLimit; // given "none": no limit
    std::optional<QString> proxy;                        // given "none": ""
    std::optional<std::optional<BrowserCookies>> browserCookies;
    std::optional<EmbedChoices> embed;
    std::optional<QStringList> sponsorBlockMark;
    std::optional<QStringList> sponsorBlockRemove;
    std::optional<TimeRange> timeRange;
    std::optional<QString> outputTemplate; // given "default": ""
    std::optional<bool> splitChapters;
    std::optional<int> concurrentFragments;
    std::optional<QStringList> extraArguments;

    // `defaults` with every given option in place.
    AdvancedOptions over(AdvancedOptions defaults) const;
};

// Options not given are absent and take the settings' defaults.
struct DownloadRequest
{
    std::optional<AudioFormat> audio; // given: an audio download in this format
    std::optional<VideoQuality> quality;
    std::optional<SubtitleMode> subtitles;
    std::optional<QString> subtitleLang;
    std::optional<QString> outputDirectory;
    std::optional<QString> batch; // a file, or "-" for standard input
    bool toWindow = false;        // hand the links to the running window instead
    // The one link is a list: download its entries (those of `items`, as
    // ListItemRange reads them, or all), each skipped when the download
    // archive holds it and `newOnly` is set.
    bool playlist = false;
    std::optional<QString> items;
    bool newOnly = false;
    AdvancedOverrides advanced;
    QStringList urls;
};

// The history's outcome filter: every record, completed ones or failed ones.
enum class HistoryOutcome { all, success, failed };

struct HistoryRequest
{
    bool json = false;
    HistoryOutcome outcome = HistoryOutcome::all;
    QString search;
};

struct DiagnosticsRequest
{
};

// "tools": list the tools in use; "tools update": check for or install a
// newer release of one tool; "tools rollback": undo the last update.
struct ToolsRequest
{
    enum class Action { list, update, rollback };
    Action action = Action::list;
    bool checkOnly = false;
    std::optional<ReleaseChannel> channel; // absent: the saved channel
    QString tool = QStringLiteral("yt-dlp");
};

using CliCommand = std::variant<HelpRequest, VersionRequest, AnalyzeRequest, DownloadRequest, HistoryRequest,
                                DiagnosticsRequest, ToolsRequest>;

// The command line read into one command, or the reason it cannot be.
struct CliParseResult
{
    std::optional<CliCommand> command;
    QString error; // translated, one line; set when there is no command
};

namespace CliArguments {

// `arguments` without the program name: a command word, then that command's
// options and links. "--name value" and "--name=value" are both accepted;
// "--" ends the options.
CliParseResult parse(const QStringList &arguments);

} // namespace CliArguments
