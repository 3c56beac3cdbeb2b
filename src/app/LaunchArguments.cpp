#include "app/LaunchArguments.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace LaunchArguments {

std::variant<QStringList, QString> parse(const QStringList &arguments)
{
    QStringList items;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            return QCoreApplication::translate("LaunchArguments", "Unknown option: %1").arg(argument);
        const QUrl url(argument, QUrl::StrictMode);
        const bool hasScheme = url.isValid() && !url.scheme().isEmpty();
        if (!hasScheme && QFileInfo::exists(argument))
            items.append(QUrl::fromLocalFile(QFileInfo(argument).absoluteFilePath()).toString());
        else
            items.append(argument);
    }
    return items;
}

} // namespace LaunchArguments
