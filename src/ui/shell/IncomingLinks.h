#pragma once

#include <QString>
#include <QStringList>

// What reaches the window from outside (a launcher, a second start, a drop,
// tarvelle-cli): URIs as launchers pass them, or any text, sorted into the
// links to download, text files of links to check in the batch sheet, and
// the first other line, which the link field shows so that Analyze can say
// what is wrong with it.
struct IncomingLinks
{
    QStringList links; // usable http(s) links, the first occurrence of each, in order
    QStringList files; // local paths of file: URIs
    QString otherText;

    // Only file: URIs name files: a bare path could mean anything, and
    // asking the disk whether it exists would stall the window.
    static IncomingLinks sort(const QStringList &items);

    bool isEmpty() const { return links.isEmpty() && files.isEmpty() && otherText.isEmpty(); }
};
