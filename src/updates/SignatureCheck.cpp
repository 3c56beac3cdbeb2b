#include "updates/SignatureCheck.h"

#include "process/ProgramOutput.h"
#include "updates/ArmoredKey.h"
#include "updates/FileWrites.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace SignatureCheck {

namespace {

constexpr auto kTimeLimit = std::chrono::seconds(30);

// gpgv's machine-readable verdict lines ("[GNUPG:] VALIDSIG ...").
bool hasStatus(const QByteArray &status, const char *keyword)
{
    for (const QByteArray &line : status.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words[0] == "[GNUPG:]" && words[1] == keyword)
            return true;
    }
    return false;
}

} // namespace

std::optional<QString> verify(const QString &data, const QString &signature, const QString &armoredKeyFile,
                              const QString &workFolder)
{
    QFile keyFile(armoredKeyFile);
    if (!keyFile.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("SignatureCheck", "The release key %1 is missing from the installation.").arg(armoredKeyFile);
    const std::optional<QByteArray> key = ArmoredKey::dearmor(keyFile.readAll());
    if (!key)
        return QCoreApplication::translate("SignatureCheck", "The release key %1 is damaged.").arg(armoredKeyFile);

    const QString home = QDir(workFolder).filePath(QStringLiteral("gnupg"));
    const QString keyring = QDir(workFolder).filePath(QStringLiteral("release-key.gpg"));
    QFile keyringFile(keyring);
    if (!QDir().mkpath(home) || !QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
        || !keyringFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QCoreApplication::translate("SignatureCheck", "Could not prepare the key for gpgv in %1.").arg(workFolder);
    // A keyring cut short by a full disk would read as a bad signature.
    if (keyringFile.write(*key) != key->size())
        return FileWrites::failure(keyringFile, workFolder);
    if (const auto failure = FileWrites::finish(keyringFile, workFolder))
        return failure;

    const QString gpgv = QStandardPaths::findExecutable(QStringLiteral("gpgv"));
    if (gpgv.isEmpty())
        return QCoreApplication::translate("SignatureCheck", "gpgv is not installed (Debian package gpgv), so no signature can be checked.");
    const ProgramOutput::Result result =
        ProgramOutput::run(gpgv,
                           {QStringLiteral("--homedir"), home, QStringLiteral("--status-fd"), QStringLiteral("1"),
                            QStringLiteral("--keyring"), keyring, signature, data},
                           kTimeLimit);
    if (!result.started || !result.finished)
        return QCoreApplication::translate("SignatureCheck", "gpgv did not run to its end.");
    const QByteArray &status = result.standardOutput;
    if (result.exitCode == 0 && hasStatus(status, "VALIDSIG") && hasStatus(status, "GOODSIG"))
        return std::nullopt;
    const QString file = QFileInfo(data).fileName();
    if (hasStatus(status, "BADSIG"))
        return QCoreApplication::translate("SignatureCheck", "The signature does not match %1: the file was altered.").arg(file);
    if (hasStatus(status, "ERRSIG") || hasStatus(status, "NO_PUBKEY"))
        return QCoreApplication::translate("SignatureCheck", "%1 is not signed by the release key.").arg(file);
    if (hasStatus(status, "NODATA"))
        return QCoreApplication::translate("SignatureCheck", "%1 holds no signature.").arg(QFileInfo(signature).fileName());
    const QString said = QString::fromUtf8(result.standardError).trimmed().section(QLatin1Char('\n'), -1);
    return QCoreApplication::translate("SignatureCheck", "gpgv did not accept the signature (%1).").arg(said);
}

} // namespace SignatureCheck
