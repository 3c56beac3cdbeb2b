#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The eighteen ways a download or an analysis can fail. The raw text of each
// case is its name; it is stored in history records and must never change.
enum class DownloadErrorCategory {
    invalidURL,
    unsupportedURL,
    unavailable,
    privateMedia,
    loginRequired,
    ageRestricted,
    geoRestricted,
    botVerification,
    rateLimited,
    network,
    diskFull,
    permissionDenied,
    toolMissing,
    toolCorrupted,
    ffmpegFailure,
    mergeFailure,
    cancelled,
    unknown,
};

namespace DownloadErrorCategories {

// Every case, in declaration order.
const QList<DownloadErrorCategory> &all();

QString rawValue(DownloadErrorCategory category);

// Exact, case-sensitive match on the raw text; anything else gives no category.
std::optional<DownloadErrorCategory> fromRawValue(QStringView raw);

// The English sentence shown to the user. It is also the translation key
// (context "DownloadErrorCategory"), so views translate it with
// QCoreApplication::translate("DownloadErrorCategory", userMessage(c)).
const char *userMessage(DownloadErrorCategory category);

} // namespace DownloadErrorCategories
