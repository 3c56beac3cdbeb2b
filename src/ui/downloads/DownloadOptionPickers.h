#pragma once

#include "ui/downloads/DownloadChoices.h"
#include "ui/downloads/SubtitleLanguages.h"

#include <QWidget>

#include <functional>

class QComboBox;
class SegmentedPicker;

// The pickers a download is asked with, one labelled row each: media type,
// video quality (for video), audio format (for audio), subtitles, and their
// language (when subtitles are wanted). The preview of one video and the
// preview of a list both ask with them.
class DownloadOptionPickers : public QWidget
{
    Q_OBJECT

public:
    // The subtitle languages the download offers for a kind of subtitles.
    using OfferedLanguages = std::function<QList<SubtitleLanguages::Entry>(SubtitleMode)>;

    DownloadOptionPickers(const DownloadChoices &choices, OfferedLanguages offered, QWidget *parent = nullptr);

    // `choices` with what the pickers show; the rest is left as it is.
    void apply(DownloadChoices &choices) const;

signals:
    void edited();

private:
    QWidget *optionRow(const QString &name, QWidget *picker);
    void fillLanguages(const QString &wanted);
    void showRows();

    const OfferedLanguages m_offered;
    SegmentedPicker *m_type;
    QWidget *m_qualityRow;
    QComboBox *m_quality;
    QWidget *m_formatRow;
    QComboBox *m_format;
    SegmentedPicker *m_subtitles;
    QWidget *m_languageRow;
    QComboBox *m_language;
};
