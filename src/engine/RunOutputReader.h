#pragma once

#include "engine/LineInbox.h"
#include "engine/RunMarkers.h"

#include <QString>

// What the coordinator takes from one line of a download run, read on the
// run's reader thread. Only the run's own markers at the start of a line of
// standard output are taken for ours; every other line is yt-dlp's text
// (its progress, retries and post-processing phases still read from it).
// A path a marker names counts only inside the run's folders: the final file
// and the files downloaded into inside the output folder, the description
// only as the file the run was told to write. Anything else is left out and
// said in the log. One reader serves one run, on one thread.
class RunOutputReader
{
public:
    // `infoFile` is the description the run writes (empty when it writes
    // none): announced by its marker in a download, written before the name
    // in the run that decides it.
    RunOutputReader(RunMarkers markers, QString outputFolder, QString infoFile);

    OutputLine read(const QString &line, bool isStandardError);

    // The lines within one line of output: a carriage return ends one too
    // (see DownloadCommandBuilder::kPostprocessTemplate); empty ones go.
    static QStringList pieces(const QString &line);

private:
    OutputLine readMarked(const RunMarkers::Marked &marked);
    bool targetInside(const QString &target);
    // The log's line for a path left out.
    QString refused(RunMarkers::Kind kind, const QString &path);

    RunMarkers m_markers;
    QString m_outputFolder;
    QString m_infoFile;
    // A playlist run writes one description per entry into the same file:
    // only the first is read.
    bool m_described = false;
    // A progress record's file left out is said once, not at every update.
    bool m_refusedTarget = false;
    QString m_lastTarget;
    bool m_lastTargetInside = false;
};
