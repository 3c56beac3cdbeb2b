#pragma once

#include "history/DownloadHistory.h"
#include "services/FileService.h"
#include "settings/AppState.h"

#include <QWidget>

#include <functional>

class EmptyStatePanel;
class FilePresence;
class HistoryListModel;
class HistoryListView;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class SegmentedPicker;
class ThumbnailLoader;

// The History section: the stored records, newest first, narrowed by outcome
// and a search text, with Open, Reveal and Remove per record, Retry and Copy
// Link for failed and cancelled ones, and Clear History behind a
// confirmation. Loads the records when it is shown and after each change it
// makes. Retry queues the link again with the options the record kept and
// shows the Downloads section.
class HistoryView : public QWidget
{
    Q_OBJECT

public:
    // What the row buttons and the confirmation do outside the window;
    // tests put their own in place.
    struct Actions
    {
        // `done` hears whether the desktop could do it.
        std::function<void(const QString &path, OpenDone done)> open;
        std::function<void(const QString &path, OpenDone done)> reveal;
        // True when the person confirms clearing the whole history.
        std::function<bool(QWidget *parent)> confirmClear;
    };
    static Actions desktopActions();

    HistoryView(AppState &state, ThumbnailLoader &thumbnails, QWidget *parent = nullptr);

    void setActions(Actions actions) { m_actions = std::move(actions); }

    // Replaces the records with the store's.
    void reload();

    HistoryListModel &model() const { return *m_model; }
    HistoryListView &list() const { return *m_list; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateContent();
    void clearHistory();
    void remove(const QUuid &storeId);
    void retry(const DownloadHistory &record);

    AppState &m_state;
    Actions m_actions;
    HistoryListModel *m_model;
    FilePresence *m_presence;
    SegmentedPicker *m_filter;
    QLineEdit *m_search;
    QLabel *m_count;
    QPushButton *m_clear;
    QStackedWidget *m_content;
    EmptyStatePanel *m_empty;
    HistoryListView *m_list;
};
