#pragma once

#include <QString>

#include <optional>

// The check a shipped tool passes before it runs: its file's SHA-256 equals
// its entry in the shipped manifest. A yt-dlp run also checks the shipped
// helpers it starts itself (ffmpeg, ffprobe, deno). Digests are remembered per
// file, size and modification time (FileDigest::rememberedSha256), so only the
// first run of a file, or of a changed file, reads it. Reads files: call it
// off the GUI thread (the process runner does, on its I/O thread).
//
// A file outside the shipped Tools folder, or one the manifest does not list,
// is not judged here (user copies are checked as they are chosen,
// ToolResolver).
namespace ToolIntegrity {

// Why `executable` must not run, as the line a tool would print:
// "ERROR: <file>: this file failed its integrity check (...)"; none when it may.
std::optional<QString> problemBeforeRunning(const QString &executable);

} // namespace ToolIntegrity
