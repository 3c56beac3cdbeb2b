#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// The links and files a start of the window was given (`tarvelle URL...`, or
// %U from the desktop entry), after QApplication took Qt's own options.
namespace LaunchArguments {

// Links and URIs as they are; a local path that exists becomes its file: URI,
// so that a window in another folder (the running one) finds it. An option
// this program does not know gives the message to print instead.
std::variant<QStringList, QString> parse(const QStringList &arguments);

} // namespace LaunchArguments
