#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throwaway OpenPGP key made for one test (ed25519, no passphrase, in a
// GnuPG home of its own), standing in for a release signing key. Its agent is
// stopped again when the key goes.
class ReleaseSigningKey
{
public:
    ReleaseSigningKey();
    ~ReleaseSigningKey();
    ReleaseSigningKey(const ReleaseSigningKey &) = delete;
    ReleaseSigningKey &operator=(const ReleaseSigningKey &) = delete;

    bool isValid() const { return !m_publicKey.isEmpty(); }
    QString errorString() const { return m_error; }
    // The armoured public key, as the release key ships.
    QByteArray publicKey() const { return m_publicKey; }
    // A detached binary signature over `data`.
    QByteArray sign(const QByteArray &data) const;

private:
    QString gpg(const QStringList &arguments, const QByteArray &input, QByteArray *output) const;

    QTemporaryDir m_home;
    QByteArray m_publicKey;
    QString m_error;
};

// A local server laid out like GitHub's release pages (release_server.py).
// Tests publish releases into it and point the updater at it through the
// updater's base-address variable. Stops when destroyed.
class LocalReleaseServer
{
public:
    LocalReleaseServer();
    ~LocalReleaseServer();
    LocalReleaseServer(const LocalReleaseServer &) = delete;
    LocalReleaseServer &operator=(const LocalReleaseServer &) = delete;

    bool isReady() const { return m_port > 0; }
    QString errorString() const { return m_error; }
    QString baseUrl() const;

    // Writes one file of release `tag` of `repository` ("owner/repo").
    void put(const QString &repository, const QString &tag, const QString &file, const QByteArray &contents) const;
    // Serves a release file badly: "404", "500", "truncate" or "slow".
    void fault(const QString &repository, const QString &tag, const QString &file, const QByteArray &how) const;
    void setLatest(const QString &repository, const QString &tag) const;
    // The paths asked for so far, in order.
    QStringList requests() const;
    // Stops the server (for "the server is gone").
    void stop();

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    int m_port = 0;
    QString m_error;
};

// Test releases of the two tools.
namespace TestReleases {

// A yt-dlp zipapp ("#!/usr/bin/env python3" and a zip) whose package guards
// Python `minimumPython` like yt-dlp's own. It prints `version` for
// --version; otherwise it writes "[test release] <version>" to standard
// error and runs the program named by TARVELLE_TEST_REAL_YTDLP with its
// arguments. When TARVELLE_TEST_GATE names a file, a download (no -J) first
// waits for that file, then imports a module from its archive and reports
// "[test release] late import <version>". `paddingBytes` of filler make it
// large enough for a slow download to be caught under way.
QByteArray ytDlpZipapp(const QString &version, const QString &minimumPython = QStringLiteral("3.9"),
                       qsizetype paddingBytes = 0);

// A zip holding one executable shell script "deno" that prints
// "deno <version> (stable, release, <target>)".
QByteArray denoZip(const QString &version);

// "<sha256>  <name>\n"
QByteArray digestLine(const QByteArray &contents, const QString &name);

} // namespace TestReleases
