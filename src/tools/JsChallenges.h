#pragma once

#include "tools/ActiveTools.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// Whether yt-dlp can answer the JavaScript challenges some sites set (the
// largest video site among them). It needs a JavaScript runtime (the deno
// that ships) and the challenge-solver scripts of yt-dlp-ejs. yt-dlp 2025.11.12
// and later fetch those scripts from yt-dlp-ejs's GitHub releases when told to
// (--remote-components ejs:github), check them against the SHA3-512 digests
// they carry before any use, and keep them in their cache folder, which is
// Tarvelle's own. A yt-dlp that bundles the scripts uses its copy first and
// fetches nothing.
namespace JsChallenges {

enum class Readiness { ready, turnedOff, ytDlpTooOld, denoMissing, ytDlpMissing };

// The first yt-dlp release that knows --remote-components.
inline const QDate kFirstSupportingRelease{2025, 11, 12};

// `ytDlpVersion` as yt-dlp prints it (a release date); an unknown version is
// taken as too old, since an unknown option would stop every run.
Readiness readiness(const std::optional<QString> &ytDlpVersion, bool denoPresent, bool settingOn);

// What a yt-dlp run is given: the fetch allowed and where it is kept, when
// ready; nothing otherwise.
QStringList arguments(Readiness readiness, const QString &cacheFolder);

// yt-dlp's cache inside Tarvelle's cache folder: <XDG cache dir>/tarvelle/yt-dlp.
QString cacheFolder();

// The user's setting, read from the settings file on every call (safe from
// any thread); on unless turned off.
bool settingOn();

// Over the tools that run: the version their manifest lists for yt-dlp (the
// user folder's for a user copy, the shipped one otherwise) and whether the
// active deno is an executable file. Reads two small files and stats one.
Readiness readinessOf(const ActiveTools &tools, const std::optional<QString> &resourcesDirectory);

// The Diagnostics line, in the interface language; `denoVersion` is the
// number alone ("2.9.6"). English when `translate` is false (copied reports).
QString statusLine(Readiness readiness, const QString &denoVersion, bool translate = true);

} // namespace JsChallenges
