#pragma once

#include <QString>

#include <optional>

// SHA-256 of files, as lower-case hex (what manifests list).
namespace FileDigest {

// Reads the whole file; none when it cannot be read. Safe from any thread.
std::optional<QString> sha256(const QString &path);

// The same, remembered per file while the file stays the same file with the
// same size and the same modification and change times (nanoseconds; the
// change time cannot be set back by a user), so a tool checked before each
// start costs a stat once it has been hashed. Safe from any thread.
std::optional<QString> rememberedSha256(const QString &path);

} // namespace FileDigest
