#include "cli/ToolsCommand.h"

#include "cli/ExitCode.h"
#include "cli/SignalWatcher.h"
#include "cli/Terminal.h"
#include "diagnostics/EngineDiagnostics.h"
#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "tools/ToolAge.h"
#include "updates/ToolInstaller.h"
#include "updates/ToolUpdater.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>

namespace ToolsCommand {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ToolsCommand", text);
}

int list()
{
    const EngineDiagnosticsReport report = EngineDiagnostics::run(AppConfiguration::resourcesDirectory());
    QString text;
    for (const ToolDiagnostic &tool : report.tools) {
        QStringList parts;
        if (!tool.exists) {
            parts << translated(QT_TRANSLATE_NOOP("ToolsCommand", "missing"));
        } else {
            parts << Terminal::plain(tool.version.value_or(QString()));
            parts << (tool.source == ToolSource::user ? translated(QT_TRANSLATE_NOOP("ToolsCommand", "user tool folder"))
                                                      : translated(QT_TRANSLATE_NOOP("ToolsCommand", "shipped")));
            if (tool.releaseDate) {
                const int days = ToolAge::ageInDays(*tool.releaseDate, QDate::currentDate());
                parts << (ToolAge::isStale(days)
                              ? translated(QT_TRANSLATE_NOOP("ToolsCommand", "%1 days old, outdated: run 'tarvelle-cli tools update'"))
                                    .arg(days)
                              : translated(QT_TRANSLATE_NOOP("ToolsCommand", "%1 days old")).arg(days));
            }
            parts << (!tool.matchesManifest ? translated(QT_TRANSLATE_NOOP("ToolsCommand", "digest not listed"))
                      : *tool.matchesManifest ? translated(QT_TRANSLATE_NOOP("ToolsCommand", "digest matches"))
                                              : translated(QT_TRANSLATE_NOOP("ToolsCommand", "DIGEST MISMATCH")));
            parts << Terminal::plain(*tool.path);
        }
        text += tool.name + QStringLiteral(": ") + parts.join(QStringLiteral(", ")) + QLatin1Char('\n');
        if (tool.userCopyIgnored)
            text += QStringLiteral("  ") + translated(QT_TRANSLATE_NOOP("ToolsCommand", "user copy not used: "))
                    + *tool.userCopyIgnored + QLatin1Char('\n');
    }
    Terminal::out(text);
    return ExitCode::success;
}

int update(const ToolsRequest &request, AppSettings &settings)
{
    SignalWatcher watcher;
    ToolUpdater updater;
    QEventLoop loop;
    bool interrupted = false;
    ToolUpdateResult result;
    qint64 lastPercent = -1;
    QObject::connect(&updater, &ToolUpdater::stepChanged, &loop, [&](UpdateStep step) {
        Terminal::err(UpdateSteps::description(step) + QStringLiteral("…\n"));
    });
    QObject::connect(&updater, &ToolUpdater::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (total <= 0)
            return;
        const qint64 percent = received * 100 / total;
        // Every tenth, so a log of the run stays short.
        if (percent / 10 != lastPercent / 10) {
            lastPercent = percent;
            Terminal::err(QStringLiteral("  %1%\n").arg(percent));
        }
    });
    QObject::connect(&updater, &ToolUpdater::finished, &loop, [&](const ToolUpdateResult &ended) {
        result = ended;
        loop.quit();
    });
    QObject::connect(&watcher, &SignalWatcher::interrupted, &loop, [&] {
        interrupted = true;
        updater.cancel();
    });
    const ReleaseChannel channel = request.channel.value_or(settings.toolUpdateChannel());
    request.checkOnly ? updater.check(request.tool, channel) : updater.update(request.tool, channel);
    loop.exec();

    const QString message = Terminal::plain(result.message()) + QLatin1Char('\n');
    switch (result.kind) {
    case ToolUpdateResult::Kind::upToDate:
    case ToolUpdateResult::Kind::available:
    case ToolUpdateResult::Kind::installed:
        Terminal::out(message);
        return ExitCode::success;
    case ToolUpdateResult::Kind::cancelled:
        Terminal::err(message);
        return interrupted ? ExitCode::interrupted : ExitCode::failure;
    case ToolUpdateResult::Kind::failed:
        break;
    }
    Terminal::err(message);
    return ExitCode::failure;
}

int rollback()
{
    const ToolInstaller::RollbackResult result = ToolInstaller::rollback(AppConfiguration::userToolsDirectory());
    if (result.failure) {
        Terminal::err(translated(QT_TRANSLATE_NOOP("ToolsCommand", "Nothing was rolled back: ")) + *result.failure
                      + QLatin1Char('\n'));
        return ExitCode::failure;
    }
    const auto name = [](const std::optional<QString> &version) {
        return version ? *version : translated(QT_TRANSLATE_NOOP("ToolsCommand", "the shipped tool"));
    };
    QString text;
    for (const ToolInstaller::RolledBack &change : result.changes)
        text += translated(QT_TRANSLATE_NOOP("ToolsCommand", "%1: back from %2 to %3\n"))
                    .arg(change.tool, name(change.from), name(change.to));
    if (result.changes.isEmpty())
        text = translated(QT_TRANSLATE_NOOP("ToolsCommand", "The tools in use are the same as before.\n"));
    Terminal::out(text);
    return ExitCode::success;
}

} // namespace

int run(const ToolsRequest &request, AppSettings &settings)
{
    switch (request.action) {
    case ToolsRequest::Action::list:
        return list();
    case ToolsRequest::Action::update:
        return update(request, settings);
    case ToolsRequest::Action::rollback:
        return rollback();
    }
    return ExitCode::failure;
}

} // namespace ToolsCommand
