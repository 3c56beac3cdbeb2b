#pragma once

#include <QString>

#include <optional>

// Verifies a detached OpenPGP signature with gpgv against exactly one
// armoured public key: nothing of the user's own keyrings takes part, and
// gpgv keeps its files in `workFolder`. Blocking; run off the GUI thread.
namespace SignatureCheck {

// None when `signature` is a good signature over `data` by the key in
// `armoredKeyFile`; otherwise why not, in plain words.
std::optional<QString> verify(const QString &data, const QString &signature, const QString &armoredKeyFile,
                              const QString &workFolder);

} // namespace SignatureCheck
