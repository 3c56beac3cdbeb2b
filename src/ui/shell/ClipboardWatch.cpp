#include "ui/shell/ClipboardWatch.h"

#include "batch/BatchURLParser.h"
#include "settings/AppSettings.h"

#include <QClipboard>

ClipboardWatch::ClipboardWatch(AppSettings &settings, QClipboard &clipboard, QObject *parent)
    : QObject(parent), m_settings(settings), m_clipboard(clipboard)
{
    connect(&m_clipboard, &QClipboard::dataChanged, this, &ClipboardWatch::clipboardChanged);
}

void ClipboardWatch::clipboardChanged()
{
    // "Copy Link" in this window must not come back as an offer.
    if (!m_settings.watchClipboard() || m_clipboard.ownsClipboard())
        return;
    const QString link = m_clipboard.text(QClipboard::Clipboard).trimmed();
    if (link.contains(QLatin1Char('\n')) || !BatchURLParser::isUsableLink(link) || m_offered.contains(link))
        return;
    m_offered.insert(link);
    emit linkOffered(link);
}
