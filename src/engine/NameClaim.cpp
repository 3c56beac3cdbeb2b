#include "engine/NameClaim.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr QLatin1String kPrefix(".tarvelle-claim-");

// Hashed, so that a name near the file system's limit still has a claim.
QString claimPath(const QString &stem)
{
    const QFileInfo info(stem);
    const QByteArray hash =
        QCryptographicHash::hash(info.fileName().toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return info.dir().filePath(kPrefix + QString::fromLatin1(hash));
}

// The claim file, locked without waiting; -1 when another holds it or it
// cannot be opened (nor made, with `create`).
int openLocked(const QString &path, bool create)
{
    const QByteArray native = QFile::encodeName(path);
    // Its owner may remove the file between our open and our lock: the lock
    // is then on a file no longer there, and the one now there is opened.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int descriptor =
            ::open(native.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (create ? O_CREAT : 0), 0644);
        if (descriptor < 0)
            return -1;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            ::close(descriptor);
            return -1;
        }
        struct stat opened {};
        struct stat named {};
        // Only a regular file: a stray pipe or device of that name is no claim.
        if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) && ::lstat(native.constData(), &named) == 0
            && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
            return descriptor;
        ::close(descriptor);
    }
    return -1;
}

std::optional<QUuid> ownerIn(int descriptor)
{
    char text[64] = {};
    const ssize_t length = ::pread(descriptor, text, sizeof text - 1, 0);
    if (length <= 0)
        return std::nullopt;
    const QUuid owner(QByteArray(text, length).split('\n').constFirst().trimmed());
    return owner.isNull() ? std::nullopt : std::optional<QUuid>(owner);
}

bool write(int descriptor, const QUuid &owner, const QString &stem)
{
    const QByteArray text =
        owner.toByteArray(QUuid::WithoutBraces) + '\n' + QFileInfo(stem).fileName().toUtf8() + '\n';
    return ::ftruncate(descriptor, 0) == 0 && ::pwrite(descriptor, text.constData(), text.size(), 0) == text.size();
}

// The names in `folder`, hidden ones too; compared by hand below, as names
// hold "[id]", which name filters read as wildcards.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool anyOfName(const QStringList &entries, const QString &stemName)
{
    const QString prefix = stemName + QLatin1Char('.');
    return std::any_of(entries.begin(), entries.end(), [&](const QString &name) { return name.startsWith(prefix); });
}

// The folder of `stem`, made when missing; empty for a name that is not an
// absolute path or whose folder cannot be made.
QString folderFor(const QString &stem)
{
    const QFileInfo info(stem);
    if (!info.isAbsolute() || info.fileName().isEmpty() || !QDir().mkpath(info.path()))
        return {};
    return info.path();
}

} // namespace

NameClaim::NameClaim(QString stem, int descriptor) : m_stem(std::move(stem)), m_descriptor(descriptor) {}

NameClaim::~NameClaim()
{
    // The file stays: the job still owns the name until it forgets it.
    ::close(m_descriptor);
}

std::unique_ptr<NameClaim> NameClaim::claim(const QString &stem, const QUuid &owner)
{
    const QString folder = folderFor(stem);
    return folder.isEmpty() ? nullptr : claimAmong(stem, owner, entriesOf(folder));
}

std::unique_ptr<NameClaim> NameClaim::claimAmong(const QString &stem, const QUuid &owner, const QStringList &entries)
{
    const QString path = claimPath(stem);
    const int descriptor = openLocked(path, true);
    if (descriptor < 0)
        return nullptr;
    const std::optional<QUuid> previous = ownerIn(descriptor);
    if (previous != owner && anyOfName(entries, QFileInfo(stem).fileName())) {
        // Files of the name that are not this job's: an empty claim is one
        // just made (or one a crash left half written), and goes.
        if (!previous)
            QFile::remove(path);
        ::close(descriptor);
        return nullptr;
    }
    if (!write(descriptor, owner, stem)) {
        QFile::remove(path);
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<NameClaim>(new NameClaim(stem, descriptor));
}

std::unique_ptr<NameClaim> NameClaim::claimFree(const QString &stem, const QUuid &owner)
{
    const QString folder = folderFor(stem);
    if (folder.isEmpty())
        return nullptr;
    // The folder is listed once for every candidate: this runs on the GUI
    // thread. A file that appears meanwhile is no job's of ours (a job
    // claims before it writes); yt-dlp keeps it, as any file there.
    const QStringList entries = entriesOf(folder);
    for (int number = 1; number <= kMostNumber; ++number) {
        const QString candidate = number == 1 ? stem : stem + QStringLiteral(" (%1)").arg(number);
        if (auto claimed = claimAmong(candidate, owner, entries))
            return claimed;
    }
    return nullptr;
}

void NameClaim::forget(const QString &stem, const QUuid &owner)
{
    if (stem.isEmpty())
        return;
    const QString path = claimPath(stem);
    const int descriptor = openLocked(path, false);
    if (descriptor < 0)
        return;
    if (ownerIn(descriptor) == owner)
        QFile::remove(path);
    ::close(descriptor);
}

bool NameClaim::hasFiles(const QString &stem)
{
    const QFileInfo info(stem);
    return anyOfName(entriesOf(info.path()), info.fileName());
}

bool NameClaim::isClaimFile(const QString &fileName)
{
    return fileName.startsWith(kPrefix);
}
