#include "app/CommandLine.h"

#include "settings/AppConfiguration.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char *helpText = R"(Usage: tarvelle [options] [URL|FILE...]

Tarvelle analyses and downloads online video and audio with yt-dlp.
One link goes to the link field; several are queued with the default
options; a text file of links opens in the batch sheet. When Tarvelle
already runs, they go to its window and this start ends.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Qt's own options, such as -platform and -style, are accepted as well.
For downloads from a terminal, see tarvelle-cli --help.
)";

} // namespace

std::optional<int> handleCommandLine(int argc, char **argv)
{
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument(argv[index]);
        if (argument == "--")
            break;
        if (argument == "-h" || argument == "--help") {
            std::fputs(helpText, stdout);
            return 0;
        }
        if (argument == "-v" || argument == "--version") {
            std::printf("Tarvelle %s (build %s)\n", qPrintable(AppConfiguration::version()),
                        qPrintable(AppConfiguration::buildNumber()));
            return 0;
        }
    }
    return std::nullopt;
}
