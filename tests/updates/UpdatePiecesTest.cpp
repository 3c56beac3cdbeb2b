#include "updates/ArmoredKey.h"
#include "updates/DigestList.h"
#include "updates/PythonRequirement.h"
#include "updates/ReleaseHost.h"
#include "updates/ToolRelease.h"
#include "updates/ZipArchive.h"

#include "support/LocalReleaseServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(DigestList, FindsTheDigestListedForAFile)
{
    const QByteArray a(64, 'a'), b(64, 'B');
    const QByteArray list = a + "  yt-dlp\n" + b + " *yt-dlp.exe\n" + a + "  target/release/deno.zip\nnoise\n";
    EXPECT_EQ(DigestList::digestFor(list, "yt-dlp"), QString(a));
    EXPECT_EQ(DigestList::digestFor(list, "yt-dlp.exe"), QString(b).toLower());
    EXPECT_EQ(DigestList::digestFor(list, "deno.zip"), QString(a)) << "a listed path counts by its file name";
    EXPECT_FALSE(DigestList::digestFor(list, "yt-dlp_linux"));
    EXPECT_FALSE(DigestList::digestFor(list, "yt"));
    EXPECT_FALSE(DigestList::digestFor(a + "  yt-dlp\n" + b + "  yt-dlp\n", "yt-dlp")) << "two digests: neither";
    EXPECT_FALSE(DigestList::digestFor(QByteArray(63, 'a') + "  yt-dlp\n", "yt-dlp"));
}

TEST(ArmoredKey, DearmorsTheShippedKeyAndRefusesDamage)
{
    QFile shipped(TARVELLE_SOURCE_DIR "/resources/keys/yt-dlp-release-key.asc");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray armored = shipped.readAll();
    const auto key = ArmoredKey::dearmor(armored);
    ASSERT_TRUE(key);
    EXPECT_EQ(quint8(key->at(0)) & 0x80, 0x80) << "an OpenPGP packet";

    QByteArray damaged = armored;
    const qsizetype body = damaged.indexOf("\n\n") + 10;
    damaged[body] = damaged[body] == 'A' ? 'B' : 'A';
    EXPECT_FALSE(ArmoredKey::dearmor(damaged)) << "the armour checksum catches a changed character";
    EXPECT_FALSE(ArmoredKey::dearmor("not a key"));
    EXPECT_FALSE(ArmoredKey::dearmor(armored.left(armored.indexOf("-----END"))));
}

TEST(ReleaseHost, AddressesFollowTheBaseAndTagsComeFromReleasePages)
{
    qunsetenv(ReleaseHost::kBaseAddressVariable);
    EXPECT_EQ(ReleaseHost::latestReleaseUrl("yt-dlp/yt-dlp").toString(),
              "https://github.com/yt-dlp/yt-dlp/releases/latest");
    qputenv(ReleaseHost::kBaseAddressVariable, "http://127.0.0.1:8080/mirror/");
    EXPECT_EQ(ReleaseHost::fileUrl("denoland/deno", "v2.5.6", "deno.zip").toString(),
              "http://127.0.0.1:8080/mirror/denoland/deno/releases/download/v2.5.6/deno.zip");
    qputenv(ReleaseHost::kBaseAddressVariable, "not an address");
    EXPECT_EQ(ReleaseHost::baseAddress().toString(), "https://github.com");
    qunsetenv(ReleaseHost::kBaseAddressVariable);

    EXPECT_EQ(ReleaseHost::tagOf(QUrl("https://github.com/yt-dlp/yt-dlp/releases/tag/2026.09.01")), "2026.09.01");
    EXPECT_EQ(ReleaseHost::tagOf(QUrl("https://github.com/denoland/deno/releases/tag/v2.5.6")), "v2.5.6");
    EXPECT_FALSE(ReleaseHost::tagOf(QUrl("https://github.com/yt-dlp/yt-dlp/releases")));
    EXPECT_FALSE(ReleaseHost::tagOf(QUrl("https://github.com/x/y/releases/tag/..")));
}

TEST(ToolRelease, EachToolAndChannelHasItsRepositoryAndFiles)
{
    const auto stable = ToolRelease::of("yt-dlp", ReleaseChannel::stable, "riscv64");
    ASSERT_TRUE(stable);
    EXPECT_EQ(stable->repository, "yt-dlp/yt-dlp");
    EXPECT_EQ(stable->signature, "SHA2-256SUMS.sig");
    EXPECT_EQ(ToolRelease::of("yt-dlp", ReleaseChannel::nightly, "x86_64")->repository, "yt-dlp/yt-dlp-nightly-builds");
    EXPECT_EQ(ToolRelease::of("deno", ReleaseChannel::stable, "x86_64")->asset, "deno-x86_64-unknown-linux-gnu.zip");
    EXPECT_EQ(ToolRelease::of("deno", ReleaseChannel::stable, "aarch64")->digestList,
              "deno-aarch64-unknown-linux-gnu.zip.sha256sum");
    QString whyNot;
    EXPECT_FALSE(ToolRelease::of("deno", ReleaseChannel::stable, "riscv64", &whyNot));
    EXPECT_TRUE(whyNot.contains("riscv64"));
    EXPECT_FALSE(ToolRelease::of("ffmpeg", ReleaseChannel::stable, "x86_64"));
}

TEST(PythonRequirement, ReadsTheInterpreterAndTheDeclaredMinimum)
{
    EXPECT_EQ(PythonRequirement::interpreterOf("#!/usr/bin/python3.11"), "/usr/bin/python3.11");
    EXPECT_TRUE(PythonRequirement::interpreterOf("#!/usr/bin/env python3").value_or("").endsWith("/python3"));
    EXPECT_FALSE(PythonRequirement::interpreterOf("PK\x03\x04"));
    EXPECT_EQ(PythonRequirement::declaredMinimum("import sys\n\nif sys.version_info < (3, 10):\n    raise"),
              QVersionNumber(3, 10));
    EXPECT_FALSE(PythonRequirement::declaredMinimum("import sys\n"));

    QTemporaryDir dir;
    QFile zipapp(dir.filePath("yt-dlp"));
    ASSERT_TRUE(zipapp.open(QIODevice::WriteOnly));
    zipapp.write(TestReleases::ytDlpZipapp("2026.09.01", "3.99"));
    zipapp.close();
    const auto refusal = PythonRequirement::check(zipapp.fileName(), "yt_dlp");
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains("needs Python 3.99 or newer")) << refusal->toStdString();
}

// /dev/full fails every write with ENOSPC, as a full disk does: a small entry
// when the buffer is flushed at close, a large one at the write itself. It is
// reached through a link, which is what a failed extraction removes.
TEST(ZipArchive, AnEntryWrittenToAFullDiskIsReportedAsNoSpace)
{
    QTemporaryDir dir;
    const QString full = dir.filePath("full/deno");
    ASSERT_TRUE(QDir(dir.path()).mkdir("full"));
    QFile zipapp(dir.filePath("yt-dlp"));
    ASSERT_TRUE(zipapp.open(QIODevice::WriteOnly));
    zipapp.write(TestReleases::ytDlpZipapp("2026.09.01", "3.9", 256 * 1024));
    zipapp.close();
    for (const char *entry : {"__main__.py", "yt_dlp/padding.bin"}) {
        ASSERT_TRUE(QFile::link("/dev/full", full));
        const auto failure = ZipArchive::extract(zipapp.fileName(), entry, full, 1024 * 1024);
        ASSERT_TRUE(failure) << entry;
        EXPECT_TRUE(failure->contains("not enough free space in " + dir.filePath("full")))
            << entry << ": " << failure->toStdString();
        EXPECT_FALSE(QFileInfo(full).isSymLink()) << "nothing half-written is left";
        QFile::remove(full);
    }
}
