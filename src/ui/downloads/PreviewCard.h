#pragma once

#include "analysis/MediaMetadata.h"
#include "ui/downloads/DownloadChoices.h"

#include "ui/widgets/CardFrame.h"

class AdvancedOptionsForm;
class DownloadOptionPickers;
class QLabel;
class QPushButton;
class QWidget;
class ThumbnailLoader;

// The preview of an analysed link: thumbnail, title, uploader, duration and
// host, the download options (with the subtitle languages the link offers
// for the chosen kind of subtitles), and "Download".
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

signals:
    void choicesChanged(const DownloadChoices &choices);
    void downloadRequested(const MediaMetadata &record, const DownloadChoices &choices);

private:
    void choicesEdited();

    const MediaMetadata m_record;
    DownloadChoices m_choices;
    DownloadOptionPickers *m_pickers;
    QLabel *m_summary;
    AdvancedOptionsForm *m_moreOptions;
    QPushButton *m_download;
};
