#include "updates/ToolRelease.h"

#include <QCoreApplication>

std::optional<ToolRelease> ToolRelease::of(const QString &tool, ReleaseChannel channel, const QString &architecture,
                                           QString *whyNot)
{
    if (tool == QLatin1String("yt-dlp")) {
        ToolRelease release;
        release.tool = tool;
        release.repository = channel == ReleaseChannel::nightly ? QStringLiteral("yt-dlp/yt-dlp-nightly-builds")
                                                                : QStringLiteral("yt-dlp/yt-dlp");
        // The zipapp: one file for every architecture, run by python3.
        release.asset = QStringLiteral("yt-dlp");
        release.digestList = QStringLiteral("SHA2-256SUMS");
        release.signature = QStringLiteral("SHA2-256SUMS.sig");
        release.keyFile = QStringLiteral("yt-dlp-release-key.asc");
        release.license = QStringLiteral("Unlicense");
        return release;
    }
    if (tool == QLatin1String("deno")) {
        QString target;
        if (architecture == QLatin1String("x86_64"))
            target = QStringLiteral("x86_64-unknown-linux-gnu");
        else if (architecture == QLatin1String("aarch64") || architecture == QLatin1String("arm64"))
            target = QStringLiteral("aarch64-unknown-linux-gnu");
        if (target.isEmpty()) {
            if (whyNot)
                *whyNot = QCoreApplication::translate("ToolRelease", "deno publishes no Linux build for %1.")
                              .arg(architecture);
            return std::nullopt;
        }
        ToolRelease release;
        release.tool = tool;
        release.repository = QStringLiteral("denoland/deno");
        release.asset = QStringLiteral("deno-") + target + QStringLiteral(".zip");
        release.digestList = release.asset + QStringLiteral(".sha256sum");
        release.isZipArchive = true;
        release.license = QStringLiteral("MIT");
        return release;
    }
    if (whyNot)
        *whyNot = QCoreApplication::translate("ToolRelease", "Only yt-dlp and deno can be updated.");
    return std::nullopt;
}
