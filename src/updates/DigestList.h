#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a list of SHA-256 digests in sha256sum's format: one "<hex>  <name>"
// per line ("*<name>" for binary mode). Returns the lower-case digest listed
// for `fileName` (a listed path counts by its last component); none when the
// file is not listed or is listed twice with different digests.
namespace DigestList {

std::optional<QString> digestFor(const QByteArray &list, const QString &fileName);

} // namespace DigestList
