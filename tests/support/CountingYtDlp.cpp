#include "support/CountingYtDlp.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

CountingYtDlp::CountingYtDlp(const QString &realYtDlp)
{
    const QString tools = TestSupport::buildToolsDirectory();
    const QString real = realYtDlp.isEmpty() ? QDir(tools).filePath("yt-dlp") : realYtDlp;
    if (!QDir(m_dir.path()).mkpath("Tools"))
        return;
    for (const char *name : {"ffmpeg", "ffprobe", "deno"}) {
        if (!QFile::link(QDir(tools).filePath(name), m_dir.filePath(QStringLiteral("Tools/") + name)))
            return;
    }
    TestSupport::writeScript(m_dir, "Tools/yt-dlp",
                             TestSupport::logArgumentsTo(m_dir.filePath("runs")) + "exec '" + real.toUtf8()
                                 + "' \"$@\"\n");
    m_valid = true;
}

QList<QStringList> CountingYtDlp::runs() const
{
    return TestSupport::readArgumentLog(m_dir.filePath("runs"));
}

int CountingYtDlp::extractions() const
{
    int count = 0;
    for (const QStringList &arguments : runs()) {
        if (!arguments.contains(QStringLiteral("--load-info-json")))
            ++count;
    }
    return count;
}
