#include "updates/ArmoredKey.h"

#include <QList>

namespace ArmoredKey {

namespace {

// The CRC-24 of RFC 4880, section 6.1.
quint32 crc24(const QByteArray &data)
{
    quint32 crc = 0xB704CEu;
    for (const char byte : data) {
        crc ^= static_cast<quint32>(static_cast<unsigned char>(byte)) << 16;
        for (int bit = 0; bit < 8; ++bit) {
            crc <<= 1;
            if (crc & 0x1000000u)
                crc ^= 0x1864CFBu;
        }
    }
    return crc & 0xFFFFFFu;
}

} // namespace

std::optional<QByteArray> dearmor(const QByteArray &armored)
{
    const QList<QByteArray> lines = armored.split('\n');
    qsizetype index = 0;
    while (index < lines.size() && lines[index].trimmed() != "-----BEGIN PGP PUBLIC KEY BLOCK-----")
        ++index;
    if (index == lines.size())
        return std::nullopt;
    // Armour headers ("Comment: ...") end at the first blank line.
    ++index;
    while (index < lines.size() && !lines[index].trimmed().isEmpty()) {
        if (!lines[index].contains(':'))
            break;
        ++index;
    }
    QByteArray body;
    std::optional<QByteArray> checksum;
    for (; index < lines.size(); ++index) {
        const QByteArray line = lines[index].trimmed();
        if (line == "-----END PGP PUBLIC KEY BLOCK-----") {
            const auto decoded = QByteArray::fromBase64Encoding(body, QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded || decoded.decoded.isEmpty())
                return std::nullopt;
            if (checksum) {
                const auto crc = QByteArray::fromBase64Encoding(*checksum, QByteArray::AbortOnBase64DecodingErrors);
                if (!crc || crc.decoded.size() != 3)
                    return std::nullopt;
                const quint32 expected = (quint32(quint8(crc.decoded[0])) << 16) | (quint32(quint8(crc.decoded[1])) << 8)
                                         | quint32(quint8(crc.decoded[2]));
                if (expected != crc24(decoded.decoded))
                    return std::nullopt;
            }
            return decoded.decoded;
        }
        if (line.startsWith('='))
            checksum = line.mid(1);
        else if (!line.isEmpty())
            body += line;
    }
    return std::nullopt;
}

} // namespace ArmoredKey
