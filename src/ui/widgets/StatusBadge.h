#pragma once

#include "engine/DownloadStatus.h"
#include "engine/ProgressDisplay.h"

#include <QWidget>

// A status as a coloured capsule with its symbol and text, as the job rows
// paint it, for screens built from widgets.
class StatusBadge : public QWidget
{
    Q_OBJECT

public:
    explicit StatusBadge(QWidget *parent = nullptr);

    void setStatus(DownloadStatus status, const QString &stage = {});

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refresh();

    DownloadStatus m_status = DownloadStatus::queued;
    QString m_stage;
    JobStatusInfo m_info;
};
