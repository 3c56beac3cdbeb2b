#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A resources folder whose Tools/yt-dlp notes every run's arguments and then
// hands over to a real yt-dlp; ffmpeg, ffprobe and deno are the build tree's.
// Tells how often the application ran yt-dlp, and for what.
class CountingYtDlp
{
public:
    // `realYtDlp`: the yt-dlp to run (the build tree's when empty).
    explicit CountingYtDlp(const QString &realYtDlp = {});

    bool isValid() const { return m_valid; }
    QString resourcesDirectory() const { return m_dir.path(); }

    // The arguments of every run so far, in the order they started.
    QList<QStringList> runs() const;
    // Runs that extracted a page: those that did not load saved info.
    int extractions() const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};
