#include "cli/WindowHandOff.h"

#include "batch/BatchURLParser.h"
#include "cli/BatchInput.h"
#include "cli/ExitCode.h"
#include "cli/Terminal.h"
#include "services/ApplicationBusClient.h"
#include "settings/AppConfiguration.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("WindowHandOff", text);
}

} // namespace

namespace WindowHandOff {

int run(const DownloadRequest &request)
{
    QStringList links;
    bool refused = false;
    for (const QString &url : request.urls) {
        if (BatchURLParser::isUsableLink(url)) {
            links.append(url);
        } else {
            Terminal::err(tr("Not a usable link, skipped: %1").arg(Terminal::plain(url)) + QLatin1Char('\n'));
            refused = true;
        }
    }
    if (request.batch) {
        const auto batch = BatchInput::read(*request.batch);
        if (const auto *error = std::get_if<QString>(&batch)) {
            Terminal::err(*error + QLatin1Char('\n'));
            return ExitCode::usage;
        }
        const auto &result = std::get<BatchParseResult>(batch);
        Terminal::err(BatchInput::problems(result));
        refused = refused || !result.invalid.isEmpty();
        links.append(result.uniqueValidURLs());
    }
    if (links.isEmpty()) {
        Terminal::err(tr("No links to download.") + QLatin1Char('\n'));
        return ExitCode::failure;
    }

    const ApplicationBusClient window(QDBusConnection::sessionBus(), AppConfiguration::appId());
    if (!window.windowIsRunning()) {
        Terminal::err(tr("No Tarvelle window is running in this session. Start Tarvelle, or leave out "
                         "--to-window to download here.") +
                      QLatin1Char('\n'));
        return ExitCode::failure;
    }
    if (!window.queue(links)) {
        Terminal::err(tr("The Tarvelle window did not take the links: %1").arg(window.lastError()) +
                      QLatin1Char('\n'));
        return ExitCode::failure;
    }
    Terminal::out(QCoreApplication::translate("WindowHandOff", "Queued %n link(s) in the Tarvelle window.", nullptr,
                                              int(links.size())) +
                  QLatin1Char('\n'));
    return refused ? ExitCode::failure : ExitCode::success;
}

} // namespace WindowHandOff
