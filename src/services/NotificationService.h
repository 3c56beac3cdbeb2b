#pragma once

#include <QString>

// Desktop notifications through org.freedesktop.Notifications on the session
// bus. No state; one shared instance. Every call is asynchronous and its answer
// ignored: without a notification server nothing is shown and nothing fails.
// GUI thread only.
class NotificationService
{
public:
    static NotificationService &shared();

    // Called once at start-up. Freedesktop servers need no permission; this
    // only asks the server for its information (the answer is ignored), which
    // also starts an activatable server early.
    void requestAuthorization() const;

    // Posts one new notification (never replacing an earlier one). `title` is
    // sent as the summary, which servers show as plain text; `body` is escaped
    // because servers read the body as markup, and titles of web pages contain
    // '&', '<' and '>'. Sent with the application id TARVELLE_APP_ID as the
    // application name and as the "desktop-entry" hint.
    void notify(const QString &title, const QString &body) const;

    // `text` with the characters that markup gives a meaning to replaced by
    // their entities (&amp; &lt; &gt; &quot; &apos;).
    static QString escapeBody(const QString &text);

private:
    NotificationService() = default;
};
