#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

// Desktop notifications through org.freedesktop.Notifications on the session
// bus. One shared instance. No call waits for the server: without a server
// nothing is shown and nothing fails. GUI thread only.
class NotificationService : public QObject
{
    Q_OBJECT

public:
    // A button on the notification: the key that comes back when it is
    // pressed, and its label. The key "default" is the notification itself.
    using Action = std::pair<QString, QString>;

    static NotificationService &shared();

    // Called once at start-up. Freedesktop servers need no permission; this
    // asks the server for its information (which also starts an activatable
    // server early) and for its capabilities, to learn whether it shows
    // action buttons.
    void requestAuthorization();

    // True once the server said it shows actions; until then notifications
    // go without buttons, which every server can show.
    bool supportsActions() const { return m_supportsActions; }

    // Posts a notification, new or in place of `replacesId` (0: new). `title`
    // is sent as the summary, which servers show as plain text; `body` is
    // escaped because servers read the body as markup, and titles of web
    // pages contain '&', '<' and '>'. Sent with the application id
    // TARVELLE_APP_ID as the application name and as the "desktop-entry"
    // hint. `posted`, when given, receives the server's id for it (on the GUI
    // thread, unless `context` is gone by then); no answer, no call.
    void notify(const QString &title, const QString &body, const QList<Action> &actions = {}, uint replacesId = 0,
                QObject *context = nullptr, std::function<void(uint)> posted = {});

    // `text` with the characters that markup gives a meaning to replaced by
    // their entities (&amp; &lt; &gt; &quot; &apos;).
    static QString escapeBody(const QString &text);

signals:
    // The user pressed the action `key` of notification `id`.
    void actionInvoked(uint id, const QString &key);
    // Notification `id` is gone from the screen.
    void closed(uint id);

private slots:
    void onActionInvoked(uint id, const QString &key);
    void onClosed(uint id, uint reason);

private:
    explicit NotificationService(QObject *parent);

    bool m_supportsActions = false;
};
