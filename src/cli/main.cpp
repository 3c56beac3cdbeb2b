#include "cli/AnalyzeCommand.h"
#include "cli/CliArguments.h"
#include "cli/DiagnosticsCommand.h"
#include "cli/DownloadCommand.h"
#include "cli/ExitCode.h"
#include "cli/HistoryCommand.h"
#include "cli/Terminal.h"
#include "cli/ToolsCommand.h"
#include "cli/WindowHandOff.h"
#include "history/HistoryStore.h"
#include "history/PersistenceController.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>

namespace {

template <class... Handlers>
struct Overloaded : Handlers...
{
    using Handlers::operator()...;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVELLE_VERSION));

    const CliParseResult parsed = CliArguments::parse(QCoreApplication::arguments().mid(1));
    if (!parsed.command) {
        Terminal::err(QStringLiteral("tarvelle-cli: ") + parsed.error + QLatin1Char('\n') +
                      QCoreApplication::translate("CliArguments", "Try 'tarvelle-cli --help'.") + QLatin1Char('\n'));
        return ExitCode::usage;
    }

    return std::visit(
        Overloaded{
            [](const HelpRequest &request) {
                Terminal::out(request.text);
                return ExitCode::success;
            },
            [](const VersionRequest &) {
                Terminal::out(QStringLiteral("tarvelle-cli %1 (%2)\n")
                                  .arg(AppConfiguration::version(), AppConfiguration::buildNumber()));
                return ExitCode::success;
            },
            [](const AnalyzeRequest &request) { return AnalyzeCommand::run(request, AppSettings::shared()); },
            [](const DownloadRequest &request) {
                if (request.toWindow)
                    return WindowHandOff::run(request);
                HistoryStore history(PersistenceController::shared().context());
                return DownloadCommand::run(request, AppSettings::shared(), history);
            },
            [](const HistoryRequest &request) {
                const HistoryStore history(PersistenceController::shared().context());
                return HistoryCommand::run(request, history);
            },
            [](const DiagnosticsRequest &) { return DiagnosticsCommand::run(); },
            [](const ToolsRequest &request) { return ToolsCommand::run(request, AppSettings::shared()); },
        },
        *parsed.command);
}
