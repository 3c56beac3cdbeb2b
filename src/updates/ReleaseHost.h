#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// Where releases are published: GitHub's release pages, laid out as
// <base>/<owner>/<repo>/releases/latest (a redirect to .../releases/tag/<tag>)
// and <base>/<owner>/<repo>/releases/download/<tag>/<file>.
namespace ReleaseHost {

// Replaces the base address (tests serve the same layout locally). Read here
// and nowhere else.
inline constexpr const char *kBaseAddressVariable = "TARVELLE_RELEASE_HOST";
inline constexpr const char *kDefaultBaseAddress = "https://github.com";

QUrl baseAddress();
// Why the base address must not be used, if so: the tools run with the
// user's rights, so they come over https only; plain http is let through for
// a server on this machine (tests).
std::optional<QString> refusal();
QUrl latestReleaseUrl(const QString &repository);
QUrl fileUrl(const QString &repository, const QString &tag, const QString &file);

// The tag a .../releases/tag/<tag> address names; none for any other address
// or a tag with characters no release tag has.
std::optional<QString> tagOf(const QUrl &releaseUrl);

} // namespace ReleaseHost
