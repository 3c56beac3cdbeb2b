#pragma once

#include "engine/YtDlpOptions.h"

// What Tarvelle does with each yt-dlp option a user adds (ExtraArguments):
// one rule per option, by its first long spelling. An option without a rule
// is refused: only options known to be harmless are passed on.
namespace ExtraArgumentRules {

enum class Kind {
    allowed,
    insideFolder,       // -o and -P naming other files than the main one, inside the output folder
    extractorArguments, // passed unless the arguments turn on unchecked code
    refused,
};

enum class Reason {
    notListed,
    runsPrograms,
    configuration,
    writesElsewhere,
    localFiles,
    safetyChecks,
    output,
    noDownload,
    replacesTool,
    otherLinks,
    progress,
    ownSetting,
};

struct Rule
{
    Kind kind = Kind::refused;
    Reason reason = Reason::notListed; // for refused
    const char *setting = nullptr;     // for ownSetting: the Tarvelle setting to use instead
};

// The rule of `option`; a refusal with notListed for an option the list does
// not know.
Rule ruleFor(const YtDlpOptions::Option &option);

} // namespace ExtraArgumentRules
