#pragma once

#include "cli/CliArguments.h"

class AppSettings;
struct MediaMetadata;

namespace AnalyzeCommand {

// Analyses one link and prints its metadata; the exit code.
int run(const AnalyzeRequest &request, const AppSettings &settings);

// The metadata as people read it: title, uploader, duration, a table of the
// formats, the subtitle languages. Texts from the metadata are made plain.
QString describe(const MediaMetadata &metadata);

} // namespace AnalyzeCommand
