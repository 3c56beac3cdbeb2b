#pragma once

#include "history/DownloadHistory.h"

#include <QWidget>

#include <optional>

class ElidedLabel;
class QLabel;
class QMenu;
class QPushButton;
class StatusBadge;
class ThumbnailLoader;
class ThumbnailView;
class WrappedLabel;

// One record of the History screen: thumbnail, title, status badge, date,
// subtitle, why a failed record failed, and the record's actions (also on
// its context menu). Rows are reused while the list scrolls: bind() gives a
// row another record.
class HistoryRow : public QWidget
{
    Q_OBJECT

public:
    HistoryRow(ThumbnailLoader &thumbnails, QWidget *parent = nullptr);

    // `fileExists`: whether the record's file is there; nothing while that
    // is not known yet (then neither the buttons nor the warning show).
    void bind(const DownloadHistory &record, std::optional<bool> fileExists);
    const DownloadHistory &record() const { return m_record; }

    // The heights rows are made of, worked out once for a whole list.
    struct Heights
    {
        int base = 0;        // room for two title lines: a row without failure lines, the lowest
        int failureLine = 0; // each failure line adds this

        static Heights current();
        int of(const DownloadHistory &record) const;
    };

signals:
    void openRequested(const QString &path);
    void revealRequested(const QString &path);
    void retryRequested(const DownloadHistory &record);
    void copyLinkRequested(const DownloadHistory &record);
    void removeRequested(const DownloadHistory &record);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void retranslate();
    void showFailure();
    QMenu *contextMenu();

    DownloadHistory m_record;
    bool m_filePresent = false;
    ThumbnailView *m_thumbnail;
    WrappedLabel *m_title;
    StatusBadge *m_badge;
    QLabel *m_date;
    ElidedLabel *m_subtitle;
    ElidedLabel *m_failure;
    ElidedLabel *m_reason;
    QPushButton *m_open;
    QPushButton *m_reveal;
    QWidget *m_missing;
    QLabel *m_missingIcon;
    QLabel *m_missingText;
    QPushButton *m_retry;
    QPushButton *m_copyLink;
    QPushButton *m_remove;
};
