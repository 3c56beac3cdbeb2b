#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class AppSettings;
class QClipboard;

// While the user wants it (a setting, off at first), notices a link copied
// to the clipboard and offers it once: a link offered before, text that is
// not one usable link, and what this application copied itself are passed
// over.
class ClipboardWatch : public QObject
{
    Q_OBJECT

public:
    ClipboardWatch(AppSettings &settings, QClipboard &clipboard, QObject *parent = nullptr);

signals:
    void linkOffered(const QString &link);

private:
    void clipboardChanged();

    AppSettings &m_settings;
    QClipboard &m_clipboard;
    QSet<QString> m_offered;
};
