#pragma once

#include "analysis/MediaMetadata.h"
#include "ui/downloads/DownloadChoices.h"

#include <QFrame>

class AdvancedOptionsForm;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class SegmentedPicker;
class ThumbnailLoader;

// The preview of an analysed link: thumbnail, title, uploader, duration and
// host, the download options (with the subtitle languages the link offers
// for the chosen kind of subtitles), and "Download".
class PreviewCard : public QFrame
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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *optionRow(const QString &name, QWidget *picker);
    void fillLanguages();
    void choicesEdited();

    const MediaMetadata m_record;
    DownloadChoices m_choices;
    SegmentedPicker *m_type;
    QWidget *m_qualityRow;
    QComboBox *m_quality;
    QWidget *m_formatRow;
    QComboBox *m_format;
    SegmentedPicker *m_subtitles;
    QWidget *m_languageRow;
    QComboBox *m_language;
    QLabel *m_summary;
    AdvancedOptionsForm *m_moreOptions;
    QPushButton *m_download;
};
