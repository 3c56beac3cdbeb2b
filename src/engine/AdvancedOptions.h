#pragma once

#include "engine/BrowserCookies.h"
#include "engine/OptionCheck.h"
#include "engine/SpeedLimit.h"
#include "engine/TimeRange.h"

#include <QString>
#include <QStringList>

#include <optional>

// What to embed into the downloaded file. The command builder passes each
// part only where the file's container holds it (see advancedArguments()).
struct EmbedChoices
{
    bool metadata = false;
    bool thumbnail = false;
    bool chapters = false;
    bool subtitles = false;

    bool operator==(const EmbedChoices &) const = default;

    // "metadata,thumbnail,chapters,subs", "all", "none": the command line's form.
    static Checked<EmbedChoices> parse(const QString &text);
};

// The download options beyond the five of DownloadOptions, for experienced
// users. Every member is checked before it gets here (the parse functions of
// its type); default values leave the download command exactly as without
// them. Settings keep the defaults, the preview card and the command line
// override them for one download.
struct AdvancedOptions
{
    static constexpr int kMaxConcurrentFragments = 16;

    std::optional<SpeedLimit> speedLimit; // none: no limit
    QString proxy;                        // ProxyAddress::parse(); empty: none
    // Replaces the cookies file setting for the downloads that have it.
    std::optional<BrowserCookies> browserCookies;
    EmbedChoices embed;
    QStringList sponsorBlockMark;   // SponsorBlock::parse(..., mark)
    QStringList sponsorBlockRemove; // SponsorBlock::parse(..., remove)
    std::optional<TimeRange> timeRange; // one download only; never a stored default
    QString outputTemplate;             // OutputTemplate::check(); empty: the default
    bool splitChapters = false;
    int concurrentFragments = 1; // 1 to kMaxConcurrentFragments; 1 is yt-dlp's own default
    QStringList extraArguments;  // ExtraArguments::parse()
    // Keep a record of what was downloaded (AppConfiguration::
    // downloadArchivePath()) and skip what it already holds, so that a list
    // downloaded again later fetches only its new entries. A list's choice,
    // never a stored default.
    bool skipDownloaded = false;

    bool operator==(const AdvancedOptions &) const = default;

    // 1 to kMaxConcurrentFragments, from text.
    static Checked<int> parseConcurrentFragments(const QString &text);
};
