#pragma once

#include "analysis/AnalysisCancelToken.h"
#include "analysis/AnalyzeResult.h"

#include <QFuture>
#include <QString>

class AppSettings;
struct AdvancedOptions;

// Answers what media is behind one link: runs yt-dlp's metadata request
// through a ProcessRunner, keeps its answer on standard output whole (one
// JSON document, often a single line of megabytes) and parses it into a
// MediaMetadata, or for a list (playlist, channel, page of several videos)
// into a MediaList from one flat listing (no entry's page is read), or gives
// the error category of the failure. Holds no
// state besides the settings it reads; analyses are independent and may run
// at the same time.
class YTDLPClient
{
public:
    // Whether yt-dlp's answer is kept for a download (AnalyzeResult::savedInfo).
    enum class KeepInfo { no, yes };
    // What to describe of a link that is both a video and a list (a video
    // opened inside a playlist): the list, or that video, with the list it
    // was opened in (AnalyzeResult::enclosingList). Either way the list is
    // listed flat first, which tells which entry the link names; that
    // entry's own page is read afterwards only when the listing holds no
    // more than its link.
    enum class Scope { list, linkedItem };

    // yt-dlp's answer is read whole, however long its line, up to this size.
    static constexpr qsizetype kMaxAnswerBytes = qsizetype(256) * 1024 * 1024;

    // Reads the cookies file setting from AppSettings::shared().
    YTDLPClient();
    // Reads it from `settings`, which must outlive the client; reads
    // answers up to `maxAnswerBytes` (smaller in tests).
    explicit YTDLPClient(const AppSettings &settings, qsizetype maxAnswerBytes = kMaxAnswerBytes);

    // Call on the GUI thread (the settings are read there). Never fails: the
    // future always finishes with metadata or a category: invalidURL (no
    // process started), toolMissing (no tools directory, or no yt-dlp in
    // it), cancelled, the classifier's category for a non-zero exit, unknown
    // for an exit of 0 whose standard output is not a JSON object, and
    // unknown with a sentence of its own for an answer beyond
    // the size limit (yt-dlp is stopped there).
    //
    // Failures found before a process starts come as a finished future. A
    // run's result is made, and the future finished, on the runner's thread
    // (parsing a large document stays off the GUI thread): continue with
    // QFuture::then(context, ...) to come back to a thread of your choice.
    // The stored advanced defaults shape the request (their proxy, browser
    // cookies and extra arguments).
    QFuture<AnalyzeResult> analyze(const QString &url, AnalysisCancelToken cancel = {},
                                   KeepInfo keep = KeepInfo::no, Scope scope = Scope::list) const;
    // The same with the advanced options of one download in their place, so
    // that its analysis reads the site as its download will.
    QFuture<AnalyzeResult> analyze(const QString &url, const AdvancedOptions &options,
                                   AnalysisCancelToken cancel = {}, KeepInfo keep = KeepInfo::no,
                                   Scope scope = Scope::list) const;

private:
    const AppSettings &m_settings;
    const qsizetype m_maxAnswerBytes;
};
