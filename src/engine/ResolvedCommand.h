#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// One yt-dlp invocation, ready for the process runner.
struct ResolvedCommand
{
    // The program: always "yt-dlp" in the tools directory.
    QString executable;
    // The complete argument list, in order.
    QStringList arguments;
    // Variables laid over the application's environment for the child.
    QHash<QString, QString> environment;
    // The folder the command writes its files into.
    QString outputDirectory;

    bool operator==(const ResolvedCommand &) const = default;
};
