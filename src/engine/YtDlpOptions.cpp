#include "engine/YtDlpOptions.h"

#include <QHash>

#include <algorithm>

namespace YtDlpOptions {

namespace {

// Spellings (space-separated) and value count of each option, the union of
// the options of yt-dlp 2023.03.04 and 2026.08.19 as their parsers declare
// them. Options only one of them knows are listed too: the other refuses
// them itself, with its own message.
struct Entry
{
    const char *names;
    int arity;
};

constexpr Entry kEntries[] = {
    {"--abort-on-error --no-ignore-errors", 0},
    {"--abort-on-unavailable-fragments --no-skip-unavailable-fragments", 0},
    {"--add-headers", 1},
    {"--age-limit", 1},
    {"--alias", 2},
    {"--all-formats", 0},
    {"--all-subs", 0},
    {"--allow-dynamic-mpd --no-ignore-dynamic-mpd", 0},
    {"--allow-unplayable-formats", 0},
    {"--ap-list-mso", 0},
    {"--ap-mso", 1},
    {"--ap-password", 1},
    {"--ap-username", 1},
    {"--audio-format", 1},
    {"--audio-multistreams", 0},
    {"--audio-quality", 1},
    {"--autonumber-size", 1},
    {"--autonumber-start", 1},
    {"-a --batch-file", 1},
    {"--bidi-workaround", 0},
    {"--break-match-filters", 1},
    {"--break-on-existing", 0},
    {"--break-on-reject", 0},
    {"--break-per-input", 0},
    {"--buffer-size", 1},
    {"--cache-dir", 1},
    {"-C --call-home", 0},
    {"--check-all-formats", 0},
    {"--check-formats", 0},
    {"--clean-info-json --clean-infojson", 0},
    {"--client-certificate", 1},
    {"--client-certificate-key", 1},
    {"--client-certificate-password", 1},
    {"--cn-verification-proxy", 1},
    {"--color", 1},
    {"--compat-options", 1},
    {"--concat-playlist", 1},
    {"-N --concurrent-fragments", 1},
    {"--config-locations", 1},
    {"--console-title", 0},
    {"-c --continue", 0},
    {"--convert-subs --convert-sub --convert-subtitles", 1},
    {"--convert-thumbnails", 1},
    {"--cookies", 1},
    {"--cookies-from-browser", 1},
    {"--date", 1},
    {"--dateafter", 1},
    {"--datebefore", 1},
    {"--default-search", 1},
    {"--download-archive", 1},
    {"--download-sections", 1},
    {"--downloader --external-downloader", 1},
    {"--downloader-args --external-downloader-args", 1},
    {"-j --dump-json", 0},
    {"--dump-pages --dump-intermediate-pages", 0},
    {"-J --dump-single-json", 0},
    {"--dump-user-agent", 0},
    {"--embed-chapters --add-chapters", 0},
    {"--embed-info-json", 0},
    {"--embed-metadata --add-metadata", 0},
    {"--embed-subs", 0},
    {"--embed-thumbnail", 0},
    {"--enable-file-urls", 0},
    {"--encoding", 1},
    {"--exec", 1},
    {"--exec-before-download", 1},
    {"-x --extract-audio", 0},
    {"--extractor-args", 1},
    {"--extractor-descriptions", 0},
    {"--extractor-retries", 1},
    {"--ffmpeg-location --avconv-location", 1},
    {"--file-access-retries", 1},
    {"--fixup", 1},
    {"--flat-playlist", 0},
    {"--force-generic-extractor", 0},
    {"-4 --force-ipv4", 0},
    {"-6 --force-ipv6", 0},
    {"--force-keyframes-at-cuts", 0},
    {"--force-overwrites --yes-overwrites", 0},
    {"--force-write-archive --force-write-download-archive --force-download-archive", 0},
    {"-f --format", 1},
    {"-S --format-sort", 1},
    {"--format-sort-force --S-force", 0},
    {"--format-sort-reset", 0},
    {"--fragment-retries", 1},
    {"--geo-bypass", 0},
    {"--geo-bypass-country", 1},
    {"--geo-bypass-ip-block", 1},
    {"--geo-verification-proxy", 1},
    {"--get-description", 0},
    {"--get-duration", 0},
    {"--get-filename", 0},
    {"--get-format", 0},
    {"--get-id", 0},
    {"--get-thumbnail", 0},
    {"-e --get-title", 0},
    {"-g --get-url", 0},
    {"-h --help", 0},
    {"--hls-prefer-ffmpeg", 0},
    {"--hls-prefer-native", 0},
    {"--hls-split-discontinuity", 0},
    {"--hls-use-mpegts", 0},
    {"--http-chunk-size", 1},
    {"--id", 0},
    {"--ignore-config --no-config", 0},
    {"--ignore-dynamic-mpd --no-allow-dynamic-mpd", 0},
    {"-i --ignore-errors", 0},
    {"--ignore-no-formats-error", 0},
    {"--impersonate", 1},
    {"--include-ads", 0},
    {"--js-runtimes", 1},
    {"--keep-fragments", 0},
    {"-k --keep-video", 0},
    {"--lazy-playlist", 0},
    {"--legacy-server-connect", 0},
    {"-r --limit-rate --rate-limit", 1},
    {"--list-extractors", 0},
    {"-F --list-formats", 0},
    {"--list-formats-as-table", 0},
    {"--list-formats-old --no-list-formats-as-table", 0},
    {"--list-impersonate-targets", 0},
    {"--list-subs", 0},
    {"--list-thumbnails", 0},
    {"--live-from-start", 0},
    {"--load-info-json --load-info", 1},
    {"--load-pages", 0},
    {"--mark-watched", 0},
    {"--match-filters", 1},
    {"--match-title", 1},
    {"--max-downloads", 1},
    {"--max-filesize", 1},
    {"--max-sleep-interval", 1},
    {"--max-views", 1},
    {"--merge-output-format", 1},
    {"--metadata-from-title", 1},
    {"--min-filesize", 1},
    {"--min-views", 1},
    {"--mtime", 0},
    {"-n --netrc", 0},
    {"--netrc-cmd", 1},
    {"--netrc-location", 1},
    {"--newline", 0},
    {"--no-abort-on-error", 0},
    {"--no-allow-unplayable-formats", 0},
    {"--no-audio-multistreams", 0},
    {"--no-batch-file", 0},
    {"--no-break-match-filters", 0},
    {"--no-break-on-existing", 0},
    {"--no-break-per-input", 0},
    {"--no-cache-dir", 0},
    {"--no-call-home", 0},
    {"--no-check-certificates", 0},
    {"--no-check-formats", 0},
    {"--no-clean-info-json --no-clean-infojson", 0},
    {"--no-colors --no-colours", 0},
    {"--no-config-locations", 0},
    {"--no-continue", 0},
    {"--no-cookies", 0},
    {"--no-cookies-from-browser", 0},
    {"--no-download-archive", 0},
    {"--no-embed-chapters --no-add-chapters", 0},
    {"--no-embed-info-json", 0},
    {"--no-embed-metadata --no-add-metadata", 0},
    {"--no-embed-subs", 0},
    {"--no-embed-thumbnail", 0},
    {"--no-exec", 0},
    {"--no-exec-before-download", 0},
    {"--no-flat-playlist", 0},
    {"--no-force-keyframes-at-cuts", 0},
    {"--no-force-overwrites", 0},
    {"--no-format-sort-force", 0},
    {"--no-geo-bypass", 0},
    {"--no-hls-split-discontinuity", 0},
    {"--no-hls-use-mpegts", 0},
    {"--no-ignore-no-formats-error", 0},
    {"--no-include-ads", 0},
    {"--no-js-runtimes", 0},
    {"--no-keep-fragments", 0},
    {"--no-keep-video", 0},
    {"--no-lazy-playlist", 0},
    {"--no-live-from-start", 0},
    {"--no-mark-watched", 0},
    {"--no-match-filter", 0},
    {"--no-match-filters", 0},
    {"--no-mtime", 0},
    {"-w --no-overwrites", 0},
    {"--no-part", 0},
    {"--no-playlist", 0},
    {"--no-playlist-reverse", 0},
    {"--no-plugin-dirs", 0},
    {"--no-post-overwrites", 0},
    {"--no-prefer-free-formats", 0},
    {"--no-progress", 0},
    {"--no-quiet", 0},
    {"--no-remote-components", 0},
    {"--no-remove-chapters", 0},
    {"--no-resize-buffer", 0},
    {"--no-restrict-filenames", 0},
    {"--no-simulate", 0},
    {"--no-split-chapters --no-split-tracks", 0},
    {"--no-sponskrub", 0},
    {"--no-sponskrub-cut", 0},
    {"--no-sponskrub-force", 0},
    {"--no-sponsorblock", 0},
    {"--no-update", 0},
    {"--no-video-multistreams", 0},
    {"--no-wait-for-video", 0},
    {"--no-warnings", 0},
    {"--no-windows-filenames", 0},
    {"--no-write-annotations", 0},
    {"--no-write-auto-subs --no-write-automatic-subs", 0},
    {"--no-write-comments --no-get-comments", 0},
    {"--no-write-description", 0},
    {"--no-write-info-json", 0},
    {"--no-write-playlist-metafiles", 0},
    {"--no-write-subs --no-write-srt", 0},
    {"--no-write-thumbnail", 0},
    {"-o --output", 1},
    {"--output-na-placeholder", 1},
    {"--parse-metadata", 1},
    {"--part", 0},
    {"-p --password", 1},
    {"-P --paths", 1},
    {"--playlist-end", 1},
    {"-I --playlist-items", 1},
    {"--playlist-random", 0},
    {"--playlist-reverse", 0},
    {"--playlist-start", 1},
    {"--plugin-dirs", 1},
    {"--post-overwrites", 0},
    {"--postprocessor-args --ppa", 1},
    {"--prefer-avconv --no-prefer-ffmpeg", 0},
    {"--prefer-ffmpeg --no-prefer-avconv", 0},
    {"--prefer-free-formats", 0},
    {"--prefer-insecure --prefer-unsecure", 0},
    {"-t --preset-alias", 1},
    {"-O --print", 1},
    {"--print-json", 0},
    {"--print-to-file", 2},
    {"--print-traffic --dump-headers", 0},
    {"--progress", 0},
    {"--progress-delta", 1},
    {"--progress-template", 1},
    {"--proxy", 1},
    {"-q --quiet", 0},
    {"--recode-video", 1},
    {"--referer", 1},
    {"--reject-title", 1},
    {"--remote-components", 1},
    {"--remove-chapters", 1},
    {"--remux-video", 1},
    {"--replace-in-metadata", 3},
    {"--resize-buffer", 0},
    {"--restrict-filenames", 0},
    {"-R --retries", 1},
    {"--retry-sleep", 1},
    {"--rm-cache-dir", 0},
    {"-s --simulate", 0},
    {"--skip-download --no-download", 0},
    {"--skip-playlist-after-errors", 1},
    {"--skip-unavailable-fragments --no-abort-on-unavailable-fragments", 0},
    {"--sleep-interval --min-sleep-interval", 1},
    {"--sleep-requests", 1},
    {"--sleep-subtitles", 1},
    {"--socket-timeout", 1},
    {"--source-address", 1},
    {"--split-chapters --split-tracks", 0},
    {"--sponskrub", 0},
    {"--sponskrub-args", 1},
    {"--sponskrub-cut", 0},
    {"--sponskrub-force", 0},
    {"--sponskrub-location", 1},
    {"--sponsorblock-api", 1},
    {"--sponsorblock-chapter-title", 1},
    {"--sponsorblock-mark", 1},
    {"--sponsorblock-remove", 1},
    {"--sub-format", 1},
    {"--sub-langs --srt-langs", 1},
    {"--test", 0},
    {"--throttled-rate", 1},
    {"--trim-filenames --trim-file-names", 1},
    {"-2 --twofactor", 1},
    {"-U --update", 0},
    {"--update-to", 1},
    {"--use-extractors --ies", 1},
    {"--use-postprocessor", 1},
    {"--user-agent", 1},
    {"-u --username", 1},
    {"-v --verbose", 0},
    {"--version", 0},
    {"--video-multistreams", 0},
    {"--video-password", 1},
    {"--wait-for-video", 1},
    {"--windows-filenames", 0},
    {"--write-all-thumbnails", 0},
    {"--write-annotations", 0},
    {"--write-auto-subs --write-automatic-subs", 0},
    {"--write-comments --get-comments", 0},
    {"--write-description", 0},
    {"--write-desktop-link", 0},
    {"--write-info-json", 0},
    {"--write-link", 0},
    {"--write-pages", 0},
    {"--write-playlist-metafiles", 0},
    {"--write-subs --write-srt", 0},
    {"--write-thumbnail", 0},
    {"--write-url-link", 0},
    {"--write-webloc-link", 0},
    {"--xattr-set-filesize", 0},
    {"--xattrs --xattr", 0},
    {"--xff", 1},
    {"--yes-playlist", 0},
    {"--youtube-include-dash-manifest --no-youtube-skip-dash-manifest", 0},
    {"--youtube-include-hls-manifest --no-youtube-skip-hls-manifest", 0},
    {"--youtube-print-sig-code", 0},
    {"--youtube-skip-dash-manifest --no-youtube-include-dash-manifest", 0},
    {"--youtube-skip-hls-manifest --no-youtube-include-hls-manifest", 0},
};

struct Table
{
    QList<Option> options;
    QHash<QString, const Option *> byLong;
    QHash<QChar, const Option *> byShort;
};

const Table &table()
{
    static const Table built = [] {
        Table t;
        for (const Entry &entry : kEntries)
            t.options.append(Option{QString::fromLatin1(entry.names).split(QLatin1Char(' ')), entry.arity});
        for (const Option &option : std::as_const(t.options)) {
            for (const QString &name : option.names) {
                if (name.startsWith(QLatin1String("--")))
                    t.byLong.insert(name, &option);
                else
                    t.byShort.insert(name.at(1), &option);
            }
        }
        return t;
    }();
    return built;
}

} // namespace

QString Option::name() const
{
    for (const QString &spelling : names) {
        if (spelling.startsWith(QLatin1String("--")))
            return spelling;
    }
    return names.value(0);
}

LongMatch matchLong(QStringView spelling)
{
    const Table &t = table();
    if (const Option *exact = t.byLong.value(spelling.toString()))
        return {exact, {}};
    // Like yt-dlp's parser: a prefix of spellings that all belong to one
    // option means that option.
    QList<const Option *> candidates;
    for (auto it = t.byLong.cbegin(); it != t.byLong.cend(); ++it) {
        if (it.key().startsWith(spelling) && !candidates.contains(it.value()))
            candidates.append(it.value());
    }
    if (candidates.size() == 1)
        return {candidates.first(), {}};
    std::sort(candidates.begin(), candidates.end(),
              [](const Option *a, const Option *b) { return a->name() < b->name(); });
    return {nullptr, candidates};
}

const Option *findShort(QChar letter)
{
    return table().byShort.value(letter);
}

const QList<Option> &all()
{
    return table().options;
}

} // namespace YtDlpOptions
