#pragma once

#include "engine/OptionCheck.h"

#include <QString>
#include <QStringList>

// SponsorBlock's segment categories (yt-dlp's names, which are also stored):
// segments of chosen categories can be marked as chapters
// (--sponsorblock-mark) or cut out (--sponsorblock-remove). The highlight
// and chapter categories can only be marked.
namespace SponsorBlock {

enum class Use { mark, remove };

// Every category for `use`, in the order pickers show them.
const QStringList &categories(Use use);

// The category's name for the user, translated.
QString label(const QString &category);

// "sponsor,intro" (any case, spaces allowed), "all", or "none" / "" for
// none: the categories in the order of categories(), each once.
Checked<QStringList> parse(const QString &text, Use use);

} // namespace SponsorBlock
