#pragma once

#include "analysis/MediaList.h"
#include "ui/downloads/DownloadChoices.h"
#include "ui/widgets/CardFrame.h"

#include <QList>

class DownloadOptionPickers;
class ListEntriesModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class ThumbnailLoader;

// The preview of an analysed list: its title, uploader and number of
// entries, the entries with a check box each (all checked at first), ways
// to check many at once (all, none, a typed range), the download options
// and "Download N selected", which asks for one download per checked entry.
class ListPreviewCard : public CardFrame
{
    Q_OBJECT

public:
    ListPreviewCard(const MediaList &list, const DownloadChoices &choices, ThumbnailLoader &thumbnails,
                    QWidget *parent = nullptr);

    const MediaList &list() const { return m_list; }
    ListEntriesModel *entries() const { return m_model; }
    DownloadChoices choices() const { return m_choices; }

signals:
    void choicesChanged(const DownloadChoices &choices);
    // `indices`: the checked entries' 1-based numbers, in list order.
    void downloadRequested(const MediaList &list, const QList<int> &indices, const DownloadChoices &choices);
    // The link names one video of the list, and that video alone is wanted.
    void onlyLinkedEntryRequested();

private:
    void rangeEdited(const QString &text);
    void showRangeError(const QString &sentence);
    void choicesEdited();
    void checkedCountChanged(int count);

    const MediaList m_list;
    DownloadChoices m_choices;
    ListEntriesModel *m_model;
    QListView *m_view;
    QLineEdit *m_range;
    QLabel *m_rangeError;
    DownloadOptionPickers *m_pickers;
    QCheckBox *m_skipDownloaded;
    QLabel *m_summary;
    QPushButton *m_download;
};
