#include "tools/ActiveTools.h"

#include <QFileInfo>

const ActiveTool &ActiveTools::tool(const QString &name) const
{
    for (const ActiveTool &candidate : tools) {
        if (candidate.name == name)
            return candidate;
    }
    static const ActiveTool none;
    return none;
}

QStringList ActiveTools::searchFolders() const
{
    QStringList folders;
    const ActiveTool &deno = tool(QStringLiteral("deno"));
    if (deno.source == ToolSource::user && deno.path)
        folders.append(QFileInfo(*deno.path).absolutePath());
    if (shippedDirectory)
        folders.append(*shippedDirectory);
    return folders;
}
