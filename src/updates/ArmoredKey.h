#pragma once

#include <QByteArray>

#include <optional>

// The binary OpenPGP packets inside an ASCII-armoured key block
// ("-----BEGIN PGP PUBLIC KEY BLOCK-----"): gpgv reads keyrings only in the
// binary form, while keys ship armoured. The armour's checksum is verified.
namespace ArmoredKey {

std::optional<QByteArray> dearmor(const QByteArray &armored);

} // namespace ArmoredKey
