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
    // One line per run: its arguments, each ended by an ASCII unit separator.
    const QByteArray log = m_dir.filePath("runs").toUtf8();
    TestSupport::writeScript(m_dir, "Tools/yt-dlp",
                             "for a; do printf '%s\\037' \"$a\"; done >> '" + log + "'\necho >> '" + log
                                 + "'\nexec '" + real.toUtf8() + "' \"$@\"\n");
    m_valid = true;
}

QList<QStringList> CountingYtDlp::runs() const
{
    QFile file(m_dir.filePath("runs"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> runs;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        QStringList arguments = QString::fromUtf8(line).split(QChar(0x1f));
        arguments.removeLast();
        runs.append(arguments);
    }
    return runs;
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
