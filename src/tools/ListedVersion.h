#pragma once

#include "tools/ActiveTools.h"

#include <QString>

#include <optional>

// The version of a tool that runs, as its manifest lists it: the user
// folder's entry for a user copy, the shipped manifest's otherwise. Cheap
// (one small file read, no process), so it can be asked before every run;
// none when no manifest lists the tool.
namespace ListedVersion {

std::optional<QString> of(const ActiveTools &tools, const QString &name,
                          const std::optional<QString> &resourcesDirectory);

} // namespace ListedVersion
