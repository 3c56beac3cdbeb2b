#pragma once

#include "analysis/MediaList.h"
#include "analysis/MediaMetadata.h"
#include "ui/downloads/DownloadChoices.h"

#include "ui/widgets/CardFrame.h"

class AdvancedOptionsForm;
class DownloadOptionPickers;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;
class ThumbnailLoader;

// The preview of an analysed link: thumbnail, title, uploader, duration and
// host, the download options (with the subtitle languages the link offers
// for the chosen kind of subtitles), and "Download"; for a video opened
// inside a list, its place there and a way to the list.
class PreviewCard : public CardFrame
{
    Q_OBJECT

public:
    PreviewCard(const MediaMetadata &record, const DownloadChoices &choices, ThumbnailLoader &thumbnails,
                QWidget *parent = nullptr);

    const MediaMetadata &record() const { return m_record; }
    DownloadChoices choices() const { return m_choices; }

    // Whether the settings hold a cookies file, which browser cookies chosen
    // under "More options" replace for this download.
    void setCookiesFileInUse(bool inUse);
    // The video was opened inside `list` (its linkedEntry is the video's
    // place): a line says where, and "Show the List" asks for the list.
    void setEnclosingList(const MediaList &list);

signals:
    void choicesChanged(const DownloadChoices &choices);
    void downloadRequested(const MediaMetadata &record, const DownloadChoices &choices);
    void listRequested();

private:
    void choicesEdited();

    const MediaMetadata m_record;
    DownloadChoices m_choices;
    DownloadOptionPickers *m_pickers;
    QLabel *m_summary;
    AdvancedOptionsForm *m_moreOptions;
    QVBoxLayout *m_layout;
    QPushButton *m_download;
};
