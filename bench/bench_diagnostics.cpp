// Wall time of a diagnostics run over the shipped tools, next to sha256sum
// hashing the same four files in the same run.
#include "diagnostics/EngineDiagnostics.h"
#include "tools/FileDigest.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString resources = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                       : QCoreApplication::applicationDirPath() + "/../share/tarvelle";
    QStringList files;
    for (const QString &name : EngineDiagnostics::kToolNames)
        files.append(QDir(resources).filePath("Tools/" + name));

    for (int round = 1; round <= 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        const auto report = EngineDiagnostics::run(resources);
        const double diagnostics = timer.nsecsElapsed() / 1e9;

        timer.restart();
        QProcess::execute("sha256sum", files);
        const double sha256sum = timer.nsecsElapsed() / 1e9;

        timer.restart();
        for (const QString &file : files)
            FileDigest::sha256(file);
        const double hashing = timer.nsecsElapsed() / 1e9;

        std::printf("round %d: diagnostics run %.3f s (all present: %s) | in-process hashing alone %.3f s | "
                    "sha256sum %.3f s | hashing / sha256sum %.2f\n",
                    round, diagnostics, report.allToolsPresent ? "yes" : "no", hashing, sha256sum,
                    hashing / sha256sum);
    }
    return 0;
}
