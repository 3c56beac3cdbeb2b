#pragma once

#include "history/DownloadHistory.h"

#include <QWidget>

#include <optional>

class ElidedLabel;
class QLabel;
class QPushButton;
class StatusBadge;
class ThumbnailLoader;
class ThumbnailView;
class WrappedLabel;

// One record of the History screen: thumbnail, title, status badge, date,
// subtitle and the record's actions. Rows are reused while the list scrolls:
// bind() gives a row another record.
class HistoryRow : public QWidget
{
    Q_OBJECT

public:
    HistoryRow(ThumbnailLoader &thumbnails, QWidget *parent = nullptr);

    // `fileExists`: whether the record's file is there; nothing while that
    // is not known yet (then neither the buttons nor the warning show).
    void bind(const DownloadHistory &record, std::optional<bool> fileExists);
    const DownloadHistory &record() const { return m_record; }

    // The row height that fits two title lines, whatever the record.
    static int fixedHeight();

signals:
    void openRequested(const QString &path);
    void revealRequested(const QString &path);
    void removeRequested(const DownloadHistory &record);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    DownloadHistory m_record;
    ThumbnailView *m_thumbnail;
    WrappedLabel *m_title;
    StatusBadge *m_badge;
    QLabel *m_date;
    ElidedLabel *m_subtitle;
    QPushButton *m_open;
    QPushButton *m_reveal;
    QWidget *m_missing;
    QLabel *m_missingIcon;
    QLabel *m_missingText;
    QPushButton *m_remove;
};
