#pragma once

#include "analysis/AnalysisCancelToken.h"
#include "analysis/MediaList.h"
#include "analysis/MediaMetadata.h"
#include "analysis/SavedInfo.h"
#include "analysis/YTDLPClient.h"
#include "engine/DownloadJob.h"
#include "ui/downloads/DownloadChoices.h"
#include "ui/jobs/JobRowContent.h"

#include <QWidget>

#include <memory>
#include <optional>

class AppState;
class BatchDownloadSheet;
class JobListModel;
class JobListView;
class ListPreviewCard;
class PreviewCard;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class ThumbnailLoader;

// The Downloads section: a link field whose first link can be analysed into
// a preview card and downloaded with the card's options, or whose every line
// can be queued with the stored defaults; the batch sheet; and the list of
// every job in the queue. The screen keeps only transient state: it is made
// afresh each time its section is selected.
class DownloadsView : public QWidget
{
    Q_OBJECT

public:
    DownloadsView(AppState &state, ThumbnailLoader &thumbnails, QWidget *parent = nullptr);
    // An analysis still running for the preview is stopped: nobody will see it.
    ~DownloadsView() override;

    // The first non-blank line of `text`, trimmed; lines end at LF, CR LF or
    // CR, as the coordinator splits them.
    static std::optional<QString> firstURL(const QString &text);

    bool isAnalyzing() const { return m_analyzing; }
    JobListView *jobList() const { return m_jobList; }
    PreviewCard *previewCard() const { return m_preview; }
    ListPreviewCard *listPreviewCard() const { return m_listPreview; }

public slots:
    void analyze();
    void focusInput();
    // A link handed in from outside (a launcher, a drop, the clipboard bar)
    // replaces the field's text, ready to analyse; a preview or error shown
    // for the previous link goes.
    void showLink(const QString &link);
    // A text file of links handed in from outside opens in the batch sheet,
    // where its lines are checked before anything is queued.
    void openBatchFile(const QString &path);

signals:
    // An analysis started here has ended and its outcome is shown.
    void analysisFinished();

private:
    void textEdited();
    // A link naming a video inside a list is described as that video.
    void analyzeLink(const QString &url);
    void downloadAll();
    void downloadOne(const MediaMetadata &record, const DownloadChoices &choices);
    void downloadEntries(const MediaList &list, const QList<int> &indices, const DownloadChoices &choices);
    void resetInput();
    // `savedInfo`: yt-dlp's answer behind the preview, handed to the job its
    // Download button makes so that the link is not extracted again.
    // `enclosingList`: the list the link opened the video in.
    void showPreview(const std::optional<MediaMetadata> &record,
                     std::shared_ptr<const SavedInfo> savedInfo = nullptr,
                     const std::optional<MediaList> &enclosingList = std::nullopt);
    void showListPreview(const std::optional<MediaList> &list);
    // The list the previewed video was opened in, and back.
    void showEnclosingList();
    void showLinkedVideo();
    void showAnalyzeError(const std::optional<QString> &message);
    BatchDownloadSheet *openBatchSheet();
    void paste();
    void rowAction(const DownloadJobPtr &job, JobRowAction action);
    void updateListPlaceholder();

    AppState &m_state;
    ThumbnailLoader &m_thumbnails;
    DownloadChoices m_choices;
    bool m_analyzing = false;
    AnalysisCancelToken m_cancel;

    QVBoxLayout *m_inputLayout;
    QLineEdit *m_urlField;
    QPushButton *m_analyzeButton;
    QPushButton *m_downloadAllButton;
    QProgressBar *m_busy;
    QWidget *m_errorRow;
    QLabel *m_errorText;
    PreviewCard *m_preview = nullptr;
    std::shared_ptr<const SavedInfo> m_previewInfo;
    // The analysed video opened inside a list, kept while either card shows,
    // so that moving between the two needs no new analysis.
    std::optional<MediaMetadata> m_linkedVideo;
    std::optional<MediaList> m_enclosingList;
    ListPreviewCard *m_listPreview = nullptr;
    QStackedWidget *m_jobsStack;
    JobListModel *m_model;
    JobListView *m_jobList;
};
