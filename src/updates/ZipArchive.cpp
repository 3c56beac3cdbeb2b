#include "updates/ZipArchive.h"

#include "updates/FileWrites.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <functional>
#include <memory>

namespace ZipArchive {

namespace {

using Reader = std::unique_ptr<archive, decltype(&archive_read_free)>;

QString translated(const char *text)
{
    return QCoreApplication::translate("ZipArchive", text);
}

// Streams the entry's data to `sink` in blocks; none on success.
std::optional<QString> copyEntry(const QString &archivePath, const QString &entryName, qint64 maxBytes,
                                 const std::function<bool(const char *, size_t)> &sink)
{
    Reader reader(archive_read_new(), archive_read_free);
    if (!reader)
        return translated(QT_TRANSLATE_NOOP("ZipArchive", "libarchive could not start."));
    // The seekable zip reader finds the central directory from the end, so
    // whatever precedes the archive (a "#!" line) does not matter.
    archive_read_support_format_zip_seekable(reader.get());
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(), 1 << 16) != ARCHIVE_OK)
        return translated(QT_TRANSLATE_NOOP("ZipArchive", "The file is not a zip archive: %1"))
            .arg(QString::fromUtf8(archive_error_string(reader.get())));
    archive_entry *entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            return translated(QT_TRANSLATE_NOOP("ZipArchive", "The archive holds no file named %1.")).arg(entryName);
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
            return translated(QT_TRANSLATE_NOOP("ZipArchive", "The archive is damaged: %1"))
                .arg(QString::fromUtf8(archive_error_string(reader.get())));
        if (QString::fromUtf8(archive_entry_pathname_utf8(entry) ? archive_entry_pathname_utf8(entry)
                                                                  : archive_entry_pathname(entry))
                == entryName
            && archive_entry_filetype(entry) == AE_IFREG)
            break;
    }
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > maxBytes)
        return translated(QT_TRANSLATE_NOOP("ZipArchive", "%1 in the archive is larger than expected.")).arg(entryName);
    qint64 total = 0;
    char block[1 << 16];
    for (;;) {
        const la_ssize_t got = archive_read_data(reader.get(), block, sizeof block);
        if (got == 0)
            return std::nullopt;
        if (got < 0)
            return translated(QT_TRANSLATE_NOOP("ZipArchive", "%1 in the archive is damaged: %2"))
                .arg(entryName, QString::fromUtf8(archive_error_string(reader.get())));
        total += got;
        if (total > maxBytes)
            return translated(QT_TRANSLATE_NOOP("ZipArchive", "%1 in the archive is larger than expected."))
                .arg(entryName);
        if (!sink(block, static_cast<size_t>(got)))
            return translated(QT_TRANSLATE_NOOP("ZipArchive", "Could not write %1 out of the archive.")).arg(entryName);
    }
}

} // namespace

std::optional<QByteArray> read(const QString &archive, const QString &entry, qint64 maxBytes)
{
    QByteArray contents;
    const auto failure = copyEntry(archive, entry, maxBytes, [&](const char *data, size_t size) {
        contents.append(data, static_cast<qsizetype>(size));
        return true;
    });
    if (failure)
        return std::nullopt;
    return contents;
}

std::optional<QString> extract(const QString &archive, const QString &entry, const QString &destination,
                               qint64 maxBytes)
{
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return translated(QT_TRANSLATE_NOOP("ZipArchive", "Could not create %1: %2")).arg(destination, out.errorString());
    const QString folder = QFileInfo(destination).absolutePath();
    std::optional<QString> writeFailure;
    std::optional<QString> failure = copyEntry(archive, entry, maxBytes, [&](const char *data, size_t size) {
        if (out.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size))
            writeFailure = FileWrites::failure(out, folder);
        return !writeFailure;
    });
    if (!failure)
        failure = FileWrites::finish(out, folder);
    if (failure) {
        out.remove();
        return writeFailure ? *writeFailure : *failure;
    }
    return std::nullopt;
}

} // namespace ZipArchive
