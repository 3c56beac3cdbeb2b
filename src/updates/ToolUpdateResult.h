#pragma once

#include "tools/ReleaseChannel.h"
#include "updates/UpdateStep.h"

#include <QString>

#include <optional>

// How a check or an update of one tool ended.
struct ToolUpdateResult
{
    enum class Kind {
        upToDate,  // the copy in use is the latest release or newer
        available, // a check found a newer release; nothing was fetched
        installed, // the newer release is verified and in use from now on
        failed,    // nothing changed; failedStep and reason say why
        cancelled, // nothing changed
    };

    Kind kind = Kind::failed;
    QString tool;
    ReleaseChannel channel = ReleaseChannel::stable;
    std::optional<QString> currentVersion; // of the copy in use before
    std::optional<QString> latestVersion;  // the latest release's version
    std::optional<QString> installedVersion; // what the installed file says it is
    std::optional<UpdateStep> failedStep;
    QString reason;

    // One or two plain sentences for the user (translated).
    QString message() const;
};
