#pragma once

#include <QString>

#include <optional>

// Reads the lines a download run prints for the coordinator beside its
// progress (DownloadCommandBuilder::kInfoFileTemplate and
// kDownloadedTemplate). Pure functions; any thread.
namespace RunMarkers {

// The path of the description yt-dlp wrote to disk, from its line.
std::optional<QString> infoFile(const QString &line);

// From its line: true when the file was downloaded in this run, false when
// yt-dlp found it already there and downloaded nothing.
std::optional<bool> downloaded(const QString &line);

} // namespace RunMarkers
