#include "ui/downloads/ListPreviewCard.h"

#include "analysis/ListItemRange.h"
#include "ui/downloads/DownloadOptionPickers.h"
#include "ui/downloads/ListEntriesModel.h"
#include "ui/downloads/ListEntryDelegate.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/Symbols.h"
#include "ui/widgets/ThumbnailLoader.h"
#include "ui/widgets/WrappedLabel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &text, const QFont &font, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

// The source language has no plural forms of its own without a translation.
QString entryCount(int count)
{
    return count == 1 ? ListPreviewCard::tr("1 entry") : ListPreviewCard::tr("%n entries", nullptr, count);
}

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(text);
    return b;
}

// The entries' subtitles are not known before each is read: the languages
// offered are the ones asked for by default (English beside "All languages"
// when every language is).
QList<SubtitleLanguages::Entry> wantedLanguages(const QString &wanted)
{
    QList<SubtitleLanguages::Entry> languages;
    for (const QString &part : wanted.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString code = part.trimmed();
        if (!code.isEmpty() && code != QLatin1String(SubtitleLanguages::kAll))
            languages.append({code, SubtitleLanguages::displayName(code)});
    }
    if (languages.isEmpty())
        languages.append({QStringLiteral("en"), SubtitleLanguages::displayName(QStringLiteral("en"))});
    return languages;
}

} // namespace

ListPreviewCard::ListPreviewCard(const MediaList &list, const DownloadChoices &choices, ThumbnailLoader &thumbnails,
                                 QWidget *parent)
    : CardFrame(parent), m_list(list), m_choices(choices)
{
    setObjectName(QStringLiteral("listPreviewCard"));
    setAccessibleName(tr("List preview"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);

    // Header: title, uploader and number of entries.
    auto *title = new WrappedLabel(2, this);
    title->setObjectName(QStringLiteral("listTitle"));
    title->setFont(Fonts::title3());
    title->setText(list.title);
    layout->addWidget(title);
    auto *facts = new QHBoxLayout;
    facts->setSpacing(12);
    if (list.uploader) {
        auto *uploader = plainLabel(*list.uploader, Fonts::subheadline(), "listUploader", this);
        setForeground(uploader, SemanticColor::secondary);
        facts->addWidget(uploader);
    }
    auto *count = plainLabel(entryCount(int(list.entries.size())), Fonts::subheadline(),
                             "listEntryCount", this);
    setForeground(count, SemanticColor::secondary);
    facts->addWidget(count);
    facts->addStretch();
    layout->addLayout(facts);

    if (list.linkedEntry) {
        auto *linked = new QHBoxLayout;
        linked->setSpacing(10);
        auto *note = plainLabel(tr("This link opens entry %1 of the list.").arg(*list.linkedEntry), Fonts::body(),
                                "listLinkedEntryNote", this);
        note->setWordWrap(true);
        auto *only = button(tr("Only This Video"), "listOnlyThisVideo", this);
        linked->addWidget(note, 1);
        linked->addWidget(only);
        layout->addLayout(linked);
        connect(only, &QPushButton::clicked, this, &ListPreviewCard::onlyLinkedEntryRequested);
    }

    // Which entries: all, none, or a typed range.
    auto *selection = new QHBoxLayout;
    selection->setSpacing(10);
    auto *all = button(tr("Select All"), "listSelectAll", this);
    auto *none = button(tr("Select None"), "listSelectNone", this);
    m_range = new QLineEdit(this);
    m_range->setObjectName(QStringLiteral("listRange"));
    m_range->setAccessibleName(tr("Entries to download"));
    m_range->setAccessibleDescription(tr("Numbers and ranges of the entries to download, such as 1-10, 15"));
    m_range->setPlaceholderText(tr("Entries, such as 1-10, 15"));
    m_range->setClearButtonEnabled(true);
    selection->addWidget(all);
    selection->addWidget(none);
    selection->addWidget(m_range, 1);
    layout->addLayout(selection);
    m_rangeError = plainLabel(QString(), Fonts::caption(), "listRangeError", this);
    m_rangeError->setAccessibleDescription(tr("Entries error"));
    m_rangeError->setWordWrap(true);
    setForeground(m_rangeError, SemanticColor::red);
    m_rangeError->hide();
    layout->addWidget(m_rangeError);

    m_model = new ListEntriesModel(list.entries, this);
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("listEntries"));
    m_view->setAccessibleName(tr("List entries"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new ListEntryDelegate(thumbnails, m_view));
    // One measure for every row: thousands of entries lay out at once.
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setMinimumHeight(160);
    m_view->setMaximumHeight(260);
    connect(&thumbnails, &ThumbnailLoader::finished, m_view->viewport(), qOverload<>(&QWidget::update));
    layout->addWidget(m_view);

    m_pickers = new DownloadOptionPickers(
        choices, [wanted = choices.subtitleLang](SubtitleMode mode) {
            return mode == SubtitleMode::none ? QList<SubtitleLanguages::Entry>() : wantedLanguages(wanted);
        },
        this);
    layout->addWidget(m_pickers);
    m_skipDownloaded = new QCheckBox(tr("Skip entries already downloaded"), this);
    m_skipDownloaded->setObjectName(QStringLiteral("listSkipDownloaded"));
    m_skipDownloaded->setAccessibleName(m_skipDownloaded->text());
    m_skipDownloaded->setChecked(choices.advanced.skipDownloaded);
    layout->addWidget(m_skipDownloaded);

    auto *actions = new QHBoxLayout;
    actions->setSpacing(10);
    m_download = new QPushButton(this);
    m_download->setObjectName(QStringLiteral("listDownloadSelected"));
    m_download->setIcon(Symbols::icon(QStringLiteral("arrow.down.circle")));
    m_download->setDefault(true);
    m_summary = plainLabel(QString(), Fonts::caption(), "listQualitySummary", this);
    setForeground(m_summary, SemanticColor::secondary);
    actions->addWidget(m_download);
    actions->addWidget(m_summary);
    actions->addStretch();
    layout->addLayout(actions);

    connect(all, &QPushButton::clicked, this, [this] {
        m_range->clear();
        showRangeError(QString());
        m_model->setAllChecked(true);
    });
    connect(none, &QPushButton::clicked, this, [this] {
        m_range->clear();
        showRangeError(QString());
        m_model->setAllChecked(false);
    });
    connect(m_range, &QLineEdit::textEdited, this, &ListPreviewCard::rangeEdited);
    connect(m_model, &ListEntriesModel::checkedCountChanged, this, &ListPreviewCard::checkedCountChanged);
    connect(m_pickers, &DownloadOptionPickers::edited, this, &ListPreviewCard::choicesEdited);
    connect(m_skipDownloaded, &QCheckBox::toggled, this, &ListPreviewCard::choicesEdited);
    connect(m_download, &QPushButton::clicked, this,
            [this] { emit downloadRequested(m_list, m_model->checkedEntries(), m_choices); });
    checkedCountChanged(m_model->checkedCount());
    choicesEdited();
}

void ListPreviewCard::rangeEdited(const QString &text)
{
    // An empty field chooses nothing new; the checks stay as they are.
    if (text.trimmed().isEmpty()) {
        showRangeError(QString());
        return;
    }
    const Checked<QList<int>> chosen = ListItemRange::parse(text, int(m_list.entries.size()));
    if (!chosen) {
        showRangeError(chosen.error());
        return;
    }
    showRangeError(QString());
    m_model->setCheckedEntries(chosen.value());
}

void ListPreviewCard::showRangeError(const QString &sentence)
{
    m_rangeError->setText(sentence);
    m_rangeError->setVisible(!sentence.isEmpty());
}

void ListPreviewCard::choicesEdited()
{
    m_pickers->apply(m_choices);
    m_choices.advanced.skipDownloaded = m_skipDownloaded->isChecked();
    m_summary->setText(m_choices.qualitySummary());
    emit choicesChanged(m_choices);
}

void ListPreviewCard::checkedCountChanged(int count)
{
    m_download->setText(tr("Download %n selected", nullptr, count));
    m_download->setAccessibleName(m_download->text());
    m_download->setEnabled(count > 0);
}
