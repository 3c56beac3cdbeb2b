#include "engine/RunOutputReader.h"

#include "analysis/DescriptionFile.h"
#include "analysis/SavedInfo.h"
#include "engine/FolderBounds.h"
#include "engine/ProgressParser.h"
#include "engine/ReadableLogLine.h"

#include <QDir>
#include <QFileInfo>

RunOutputReader::RunOutputReader(RunMarkers markers, QString outputFolder, QString infoFile)
    : m_markers(std::move(markers))
    , m_outputFolder(std::move(outputFolder))
    , m_infoFile(std::move(infoFile))
{
}

OutputLine RunOutputReader::read(const QString &line, bool isStandardError)
{
    if (!isStandardError) {
        if (const std::optional<RunMarkers::Marked> marked = m_markers.read(line))
            return readMarked(*marked);
    }
    return OutputLine{line, ProgressParser::parse(line), nullptr, std::nullopt, {}};
}

QStringList RunOutputReader::pieces(const QString &line)
{
    if (!line.contains(QLatin1Char('\r')))
        return {line};
    return line.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
}

OutputLine RunOutputReader::readMarked(const RunMarkers::Marked &marked)
{
    OutputLine output{QString(), ProgressEvent::None{}, nullptr, std::nullopt, {}};
    switch (marked.kind) {
    case RunMarkers::Kind::progress: {
        output.text = ReadableLogLine::recordLine(marked.value);
        output.event = ProgressParser::parseRecord(marked.value);
        const DownloadProgress *progress = output.event.progress();
        if (progress && !progress->filename.isEmpty() && !targetInside(progress->filename)) {
            // The record still shows how far the download got; its file is
            // never taken for the job's.
            if (!std::exchange(m_refusedTarget, true))
                output.text = refused(marked.kind, progress->filename);
            DownloadProgress kept = *progress;
            kept.filename.clear();
            output.event = kept;
        }
        break;
    }
    case RunMarkers::Kind::filePath:
        if (marked.value.trimmed().isEmpty())
            break;
        if (const QString path = FolderBounds::inside(m_outputFolder, marked.value.trimmed()); !path.isEmpty())
            output.event = ProgressEvent::Filepath{path};
        else
            output.text = refused(marked.kind, marked.value);
        break;
    case RunMarkers::Kind::infoFile: {
        // "NA": yt-dlp wrote nothing (it was not asked to).
        if (marked.value.isEmpty() || marked.value == QLatin1String("NA") || m_described)
            break;
        if (m_infoFile.isEmpty() || QDir::cleanPath(marked.value) != QDir::cleanPath(m_infoFile)) {
            output.text = refused(marked.kind, marked.value);
            break;
        }
        m_described = true;
        output.savedInfo = SavedInfo::adopt(m_infoFile);
        output.metadata = DescriptionFile::read(m_infoFile);
        break;
    }
    case RunMarkers::Kind::name:
        if (const QString path = FolderBounds::inside(m_outputFolder, marked.value); !path.isEmpty())
            output.plannedPath = path;
        else
            output.text = refused(marked.kind, marked.value);
        // The description the run was told to save is written before the
        // name is printed.
        if (!m_infoFile.isEmpty() && !m_described && QFileInfo::exists(m_infoFile)) {
            m_described = true;
            output.savedInfo = SavedInfo::adopt(m_infoFile);
            output.metadata = DescriptionFile::read(m_infoFile);
        }
        break;
    }
    return output;
}

bool RunOutputReader::targetInside(const QString &target)
{
    // Every progress record names its file, nearly always the last one's.
    if (target != m_lastTarget) {
        m_lastTarget = target;
        m_lastTargetInside = !FolderBounds::inside(m_outputFolder, target).isEmpty();
    }
    return m_lastTargetInside;
}

QString RunOutputReader::refused(RunMarkers::Kind kind, const QString &path)
{
    const char *what = kind == RunMarkers::Kind::infoFile ? "a description file other than its own"
                                                          : "a path outside the download folder";
    return QStringLiteral("[Tarvelle] Ignored %1: %2").arg(QLatin1String(what), path);
}
