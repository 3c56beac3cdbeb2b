#pragma once

#include <QString>
#include <QStringList>
#include <QUuid>

#include <memory>
#include <optional>

// A job's hold on the name of its files: the path without extension that
// yt-dlp writes every file of the job under (<stem>.mp4, <stem>.f137.mp4.part,
// <stem>.en.srt, ...). One job owns a name, in this process and in any other
// Tarvelle process writing into the same folder.
//
// The claim is a small hidden file beside the job's files
// (".tarvelle-claim-<hash of the name>") holding the owner's job id, locked
// with flock() while the owner's run goes on. The file and not a lock
// elsewhere: the folder is the one place every process writing there (the
// window, the command line, another user's) sees, and the lock goes with
// its process when that dies, so a crash leaves no name locked for ever. The
// file outlives the run while the job keeps its partial files, so that a
// retried or restored job knows them for its own; it goes once the job is
// done with the name (forget()).
//
// A name is free for a job when no running job holds it, and either the
// claim names this job already or no file of the name is on disk (a file
// whose name starts with the name and a dot counts: a finished download,
// someone's partial file, a subtitle).
class NameClaim
{
public:
    // "<stem> (2)" ... "<stem> (99)" are tried after the name itself.
    static constexpr int kMostNumber = 99;

    ~NameClaim();
    NameClaim(const NameClaim &) = delete;
    NameClaim &operator=(const NameClaim &) = delete;

    // The claim of `stem` (an absolute path without extension) for `owner`,
    // held until the object goes; nothing when the name is not free or the
    // claim file cannot be written.
    static std::unique_ptr<NameClaim> claim(const QString &stem, const QUuid &owner);
    // The first free name of `stem`, then "<stem> (2)", ... claimed.
    static std::unique_ptr<NameClaim> claimFree(const QString &stem, const QUuid &owner);
    // Gives up `owner`'s claim of `stem` (the job completed, or is gone with
    // its partial files): its claim file is removed unless another owner
    // holds it. A claim object of the owner still alive keeps its lock.
    static void forget(const QString &stem, const QUuid &owner);

    // Whether any file of `stem` is on disk (see above).
    static bool hasFiles(const QString &stem);
    // Whether `fileName` is a claim file's.
    static bool isClaimFile(const QString &fileName);

    const QString &stem() const { return m_stem; }

private:
    NameClaim(QString stem, int descriptor);
    // claim() with the names in the folder of `stem` listed already.
    static std::unique_ptr<NameClaim> claimAmong(const QString &stem, const QUuid &owner, const QStringList &entries);

    const QString m_stem;
    const int m_descriptor;
};
