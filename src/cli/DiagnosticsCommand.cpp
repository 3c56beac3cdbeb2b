#include "cli/DiagnosticsCommand.h"

#include "cli/ExitCode.h"
#include "cli/Terminal.h"
#include "diagnostics/DiagnosticsPresentation.h"
#include "diagnostics/EngineDiagnostics.h"
#include "settings/AppConfiguration.h"

#include <QDir>

namespace DiagnosticsCommand {

int run()
{
    const EngineDiagnosticsReport report = EngineDiagnostics::run(AppConfiguration::resourcesDirectory());
    QString text = DiagnosticsPresentation::reportText(report, QDir::homePath());
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    Terminal::out(text);
    return ExitCode::success;
}

} // namespace DiagnosticsCommand
