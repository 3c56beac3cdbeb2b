#include "support/MediaProbe.h"

#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QProcess>

namespace MediaProbe {

QJsonObject probe(const QString &path)
{
    QProcess ffprobe;
    ffprobe.start(TestSupport::buildToolsDirectory() + QStringLiteral("/ffprobe"),
                  {"-v", "error", "-show_format", "-show_streams", "-show_chapters", "-of", "json", path});
    if (!ffprobe.waitForFinished(30000) || ffprobe.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
}

double duration(const QJsonObject &probed)
{
    bool ok = false;
    const double seconds = probed.value("format").toObject().value("duration").toString().toDouble(&ok);
    return ok ? seconds : -1;
}

} // namespace MediaProbe
