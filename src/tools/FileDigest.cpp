#include "tools/FileDigest.h"

#include <QFile>
#include <QHash>

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <memory>
#include <mutex>

#include <sys/stat.h>

namespace FileDigest {

namespace {

// What identifies one state of a file's contents without reading them.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified = {};
    timespec changed = {};

    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode && size == other.size
               && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec
               && changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
    }
};

std::optional<FileIdentity> identityOf(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

struct Remembered
{
    FileIdentity identity;
    QString digest;
};

struct RememberedDigests
{
    std::mutex lock;
    QHash<QString, Remembered> digests;
};

// Never destroyed: a process runner's thread may still be checking a tool
// while the program exits, after static objects are gone.
RememberedDigests &rememberedDigests()
{
    static auto *const digests = new RememberedDigests;
    return *digests;
}

} // namespace

std::optional<QString> sha256(const QString &path)
{
    // Digests are often taken on pool threads, which can outlive OpenSSL's own
    // clean-up at exit; hand back this thread's OpenSSL state (its error
    // queue) when done so it is never stranded.
    struct ReleaseOpenSslThreadState {
        ~ReleaseOpenSslThreadState() { OPENSSL_thread_stop(); }
    } releaseOpenSslThreadState;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return std::nullopt;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        EVP_DigestUpdate(context.get(), buffer.constData(), static_cast<size_t>(got));
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        return std::nullopt;
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), length).toHex());
}

std::optional<QString> rememberedSha256(const QString &path)
{
    const std::optional<FileIdentity> before = identityOf(path);
    if (!before)
        return std::nullopt;
    RememberedDigests &cache = rememberedDigests();
    {
        std::lock_guard guard(cache.lock);
        const auto found = cache.digests.constFind(path);
        if (found != cache.digests.constEnd() && found->identity == *before)
            return found->digest;
    }
    const std::optional<QString> digest = sha256(path);
    // A file that changed while it was read is hashed again next time.
    const std::optional<FileIdentity> after = identityOf(path);
    if (!digest || !after || !(*after == *before))
        return digest;
    std::lock_guard guard(cache.lock);
    cache.digests.insert(path, {*after, *digest});
    return digest;
}

} // namespace FileDigest
