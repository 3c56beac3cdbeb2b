#pragma once

#include <QString>

#include <optional>

// The lines a download run prints for us beside yt-dlp's own: progress
// records, the final path, where the link's description went, and (in the
// run that only decides it) the name the file would get. Each marker carries a token drawn afresh
// for the run, so no title, page or server's reason phrase that lands in
// yt-dlp's output can pass for one; and a marker counts only at the start of
// a line of standard output (the caller keeps standard error out).
class RunMarkers
{
public:
    enum class Kind { progress, filePath, infoFile, name };

    struct Marked
    {
        Kind kind;
        QString value; // the rest of the line, without a carriage return at its end
    };

    // A token of 128 bits from the system's random source.
    RunMarkers();
    // A given token (hexadecimal digits), for tests.
    explicit RunMarkers(QString token);

    const QString &token() const { return m_token; }

    // The templates of the download command (--progress-template, --print).
    QString progressTemplate() const;
    QString filePathTemplate() const;
    QString infoFileTemplate() const;
    QString nameTemplate() const;

    // The marker that starts `line`, if it is one of this run's.
    std::optional<Marked> read(const QString &line) const;

    // The marker of `kind` as printed (for tests and fake tools).
    QString marker(Kind kind) const;

private:
    QString m_token;
};
