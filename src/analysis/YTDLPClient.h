#pragma once

#include "analysis/AnalysisCancelToken.h"
#include "analysis/AnalyzeResult.h"

#include <QFuture>
#include <QString>

class AppSettings;
struct AdvancedOptions;

// Answers what media is behind one link: runs yt-dlp's metadata request
// through a ProcessRunner, collects its output, and parses standard output
// into a MediaMetadata, or gives the error category of the failure. Holds no
// state besides the settings it reads; analyses are independent and may run
// at the same time.
class YTDLPClient
{
public:
    // Reads the cookies file setting from AppSettings::shared().
    YTDLPClient();
    // Reads it from `settings`, which must outlive the client.
    explicit YTDLPClient(const AppSettings &settings);

    // Call on the GUI thread (the settings are read there). Never fails: the
    // future always finishes with metadata or a category: invalidURL (no
    // process started), toolMissing (no tools directory, or no yt-dlp in
    // it), cancelled, the
    // classifier's category for a non-zero exit, unknown for an exit of 0
    // whose standard output is not a JSON object.
    //
    // Failures found before a process starts come as a finished future. A
    // run's result is made, and the future finished, on the runner's thread
    // (parsing a large document stays off the GUI thread): continue with
    // QFuture::then(context, ...) to come back to a thread of your choice.
    // The stored advanced defaults shape the request (their proxy, browser
    // cookies and extra arguments).
    QFuture<AnalyzeResult> analyze(const QString &url, AnalysisCancelToken cancel = {}) const;
    // The same with the advanced options of one download in their place, so
    // that its analysis reads the site as its download will.
    QFuture<AnalyzeResult> analyze(const QString &url, const AdvancedOptions &options,
                                   AnalysisCancelToken cancel = {}) const;

private:
    const AppSettings &m_settings;
};
