#pragma once

#include <QFrame>

class DownloadCoordinator;
class QLabel;
class QPushButton;
class QueuePersistence;

// Above the job list: how many downloads came back from the last session
// (and how many saved ones could not be read and were set aside), with one
// action to clear them and one to dismiss the note; and, for as long as it is
// so, that the queue will not be kept after Tarvelle quits. Hidden when there
// is nothing to say.
class QueueNoticeBar : public QFrame
{
    Q_OBJECT

public:
    QueueNoticeBar(QueuePersistence &persistence, DownloadCoordinator &coordinator, QWidget *parent = nullptr);

private:
    void refresh();
    void clearRestored();
    void dismiss();

    QueuePersistence &m_persistence;
    DownloadCoordinator &m_coordinator;
    QWidget *m_restoreRow;
    QLabel *m_restoreText;
    QPushButton *m_clearButton;
    QLabel *m_notKeptText;
};
