#include "engine/DownloadErrorCategory.h"

#include <QtGlobal>

#include <array>

namespace {

struct CategoryText {
    DownloadErrorCategory category;
    const char *raw;
    const char *message;
};

constexpr std::array<CategoryText, 18> kCategories{{
    {DownloadErrorCategory::invalidURL, "invalidURL",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "The URL is not a valid http(s) link.")},
    {DownloadErrorCategory::unsupportedURL, "unsupportedURL",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "This link is not supported.")},
    {DownloadErrorCategory::unavailable, "unavailable",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "The media is unavailable or does not exist.")},
    {DownloadErrorCategory::privateMedia, "privateMedia",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "This media is private.")},
    {DownloadErrorCategory::loginRequired, "loginRequired",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "Sign-in is required for this media.")},
    {DownloadErrorCategory::ageRestricted, "ageRestricted",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "This media is age restricted.")},
    {DownloadErrorCategory::geoRestricted, "geoRestricted",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "This media is not available in your region.")},
    {DownloadErrorCategory::botVerification, "botVerification",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "A bot-verification challenge was encountered.")},
    {DownloadErrorCategory::rateLimited, "rateLimited",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "Too many requests. Please try again later.")},
    {DownloadErrorCategory::network, "network",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "A network error occurred.")},
    {DownloadErrorCategory::diskFull, "diskFull",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "The disk is full.")},
    {DownloadErrorCategory::permissionDenied, "permissionDenied",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "Permission denied writing to the output directory.")},
    {DownloadErrorCategory::toolMissing, "toolMissing",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "A required tool (yt-dlp / ffmpeg / deno) is missing.")},
    {DownloadErrorCategory::toolCorrupted, "toolCorrupted",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "A bundled tool failed its integrity check.")},
    {DownloadErrorCategory::ffmpegFailure, "ffmpegFailure",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "FFmpeg failed during processing.")},
    {DownloadErrorCategory::mergeFailure, "mergeFailure",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "Merging audio and video failed.")},
    {DownloadErrorCategory::cancelled, "cancelled",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "The download was cancelled.")},
    {DownloadErrorCategory::unknown, "unknown",
     QT_TRANSLATE_NOOP("DownloadErrorCategory", "An unknown error occurred.")},
}};

const CategoryText &entry(DownloadErrorCategory category)
{
    return kCategories[static_cast<size_t>(category)];
}

} // namespace

namespace DownloadErrorCategories {

const QList<DownloadErrorCategory> &all()
{
    static const QList<DownloadErrorCategory> categories = [] {
        QList<DownloadErrorCategory> list;
        for (const auto &item : kCategories)
            list.append(item.category);
        return list;
    }();
    return categories;
}

QString rawValue(DownloadErrorCategory category)
{
    return QString::fromLatin1(entry(category).raw);
}

std::optional<DownloadErrorCategory> fromRawValue(QStringView raw)
{
    for (const auto &item : kCategories) {
        if (raw == QLatin1String(item.raw))
            return item.category;
    }
    return std::nullopt;
}

const char *userMessage(DownloadErrorCategory category)
{
    return entry(category).message;
}

} // namespace DownloadErrorCategories
