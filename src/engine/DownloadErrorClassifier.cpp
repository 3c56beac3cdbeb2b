#include "engine/DownloadErrorClassifier.h"

#include "engine/ReadableLogLine.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <initializer_list>

namespace {

using Category = DownloadErrorCategory;

bool containsAny(const QString &text, std::initializer_list<const char *> needles)
{
    for (const char *needle : needles) {
        if (text.contains(QLatin1String(needle)))
            return true;
    }
    return false;
}

bool containsAll(const QString &text, std::initializer_list<const char *> needles)
{
    for (const char *needle : needles) {
        if (!text.contains(QLatin1String(needle)))
            return false;
    }
    return true;
}

// An absolute path where it stands as a word of its own (after the start,
// a space, a quote or a bracket, so links keep their "//"), up to the ": "
// or quote that ends it or the end of the line: yt-dlp names files that way
// ("ERROR: Postprocessing: /out/<title>.f137.mp4: Invalid data ...",
// "[Errno 28] No space left on device: '/out/<title>.part'").
const QRegularExpression &absolutePath()
{
    static const QRegularExpression pattern(QStringLiteral(R"((^|[\s'"(\[])/(?:(?!: |['"]).)*)"));
    return pattern;
}

// What the tools said about the run, without the titles and file names it
// also carries: a title such as "Sign in to design" must not make a job
// "Sign-in is required".
QString messageLines(const QString &stdoutText, const QString &stderrText, const QStringList &ownNames)
{
    // The file an operating-system error names, relative or not, is cut off
    // its line ("[Errno 36] File name too long: '<title>.part'").
    static const QRegularExpression namedFile(QStringLiteral(R"((\[Errno -?\d+\] [^:]*): ['"].*)"));

    QStringList kept;
    for (const QString &text : {stdoutText, stderrText}) {
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (ReadableLogLine::isRecordLine(line))
                continue;
            QString said = line;
            // Longest first, so that a title inside a file name goes with it.
            for (const QString &name : ownNames) {
                if (!name.isEmpty())
                    said.replace(name, QString(), Qt::CaseInsensitive);
            }
            said.replace(namedFile, QStringLiteral("\\1"));
            kept.append(said.replace(absolutePath(), QStringLiteral("\\1")));
        }
    }
    return kept.join(QLatin1Char('\n'));
}

} // namespace

namespace DownloadErrorClassifier {

DownloadErrorCategory classify(int exitCode, const QString &stdoutText, const QString &stderrText,
                               bool wasCancelled, const QStringList &ownNames)
{
    Q_UNUSED(exitCode)
    if (wasCancelled)
        return Category::cancelled;

    QStringList names = ownNames;
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    const QString text = messageLines(stdoutText, stderrText, names).toLower();

    // The order settles overlaps: "sign in to confirm" is a bot check before it
    // is a login, and HTTP 429/403 are not counted as network errors.
    // A shipped tool that differs from its manifest was not started at all
    // (ToolIntegrity); whatever else the line says comes after.
    if (text.contains(QLatin1String("this file failed its integrity check")))
        return Category::toolCorrupted;
    // A post-processing step is ffmpeg at work, whatever its file is called.
    if (text.contains(QLatin1String("error: postprocessing:")))
        return Category::ffmpegFailure;
    if (containsAny(text, {"is not a valid url", "invalid url"}))
        return Category::invalidURL;
    if (containsAny(text, {"unsupported url", "no supported formats"}))
        return Category::unsupportedURL;
    if (containsAny(text, {"video is unavailable", "this video is unavailable", "media is unavailable"}))
        return Category::unavailable;
    if (containsAny(text, {"this video is private", "private video"}))
        return Category::privateMedia;
    if (containsAny(text, {"bot verification", "captcha", "proof of work", "sign in to confirm"}))
        return Category::botVerification;
    if (containsAny(text, {"login required", "sign in", "please log in", "authentication"}))
        return Category::loginRequired;
    if (containsAny(text, {"age-restricted", "age restricted", "confirm your age"}))
        return Category::ageRestricted;
    if (text.contains(QLatin1String("not available in your country")) || containsAll(text, {"geo", "restricted"}))
        return Category::geoRestricted;
    if (containsAny(text, {"http error 429", "too many requests"}))
        return Category::rateLimited;
    if (text.contains(QLatin1String("http error 403")) || containsAll(text, {"403", "forbidden"}))
        return Category::loginRequired;
    if (containsAny(text, {"no space left", "disk full"}) || containsAll(text, {"write error", "space"}))
        return Category::diskFull;
    // A read-only file system refuses writes just like a folder's mode does.
    if (containsAny(text, {"permission denied", "read-only file system"}))
        return Category::permissionDenied;
    if (text.contains(QLatin1String("ffmpeg")) && containsAny(text, {"error", "failed"}))
        return Category::ffmpegFailure;
    if (containsAll(text, {"merging", "failed"}))
        return Category::mergeFailure;
    // A transfer that broke, came short or timed out, in the wordings of
    // yt-dlp 2023.03.04 and 2026.08.19: "Downloaded 565669 bytes, expected
    // 572287 bytes", "IncompleteRead(565669 bytes read, 6618 more expected)",
    // "<IncompleteRead: ...>", "fragment 3 not found, unable to continue",
    // "Did not get any data blocks", resets and timeouts.
    if (containsAny(text, {"network", "connection", "timed out", "http error 4", "http error 5", "bytes, expected",
                           "more expected", "incompleteread", "not found, unable to continue",
                           "did not get any data blocks", "broken pipe", "eof occurred in violation"}))
        return Category::network;
    return Category::unknown;
}

bool isFailedLaunch(int exitCode, bool printedNothing)
{
    constexpr int kMissingProgramStatus = 127;
    constexpr int kUnstartableProgramStatus = 1;
    return printedNothing && (exitCode == kMissingProgramStatus || exitCode == kUnstartableProgramStatus);
}

bool mediaLinkRefused(const QString &output)
{
    return output.contains(QLatin1String("HTTP Error 403"), Qt::CaseInsensitive)
           || output.contains(QLatin1String("HTTP Error 410"), Qt::CaseInsensitive);
}

DownloadErrorCategory classify(const std::error_code &error)
{
    const bool isPosix = error.category() == std::generic_category()
                         || error.category() == std::system_category();
    if (isPosix) {
        switch (error.value()) {
        case ENOENT:
            return Category::toolMissing;
        case EACCES:
        case EROFS:
            return Category::permissionDenied;
        case ENOSPC:
            return Category::diskFull;
        default:
            break;
        }
    }

    const QString description = QString::fromStdString(error.message()).toLower();
    if (description.contains(QLatin1String("permission")))
        return Category::permissionDenied;
    if (description.contains(QLatin1String("no such file")) || description.contains(QLatin1String("not found")))
        return Category::toolMissing;
    return Category::unknown;
}

} // namespace DownloadErrorClassifier
