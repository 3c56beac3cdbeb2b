#include "ui/downloads/PreviewCard.h"

#include "analysis/ThumbnailService.h"
#include "engine/OutputTemplate.h"
#include "ui/downloads/DownloadOptionPickers.h"
#include "ui/downloads/SubtitleLanguages.h"
#include "ui/options/AdvancedOptionsForm.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/Symbols.h"
#include "ui/widgets/ThumbnailView.h"
#include "ui/widgets/WrappedLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

// A symbol followed by a text, in the caption font and secondary colour.
QWidget *symbolLabel(const QString &symbol, const QString &text, const QString &objectName, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *icon = new QLabel(box);
    const int size = QFontMetrics(Fonts::caption()).height() - 2;
    setTintedSymbol(icon, symbol, SemanticColor::secondary, size);
    auto *label = plainLabel(text, Fonts::caption(), box);
    label->setObjectName(objectName);
    setForeground(label, SemanticColor::secondary);
    layout->addWidget(icon);
    layout->addWidget(label);
    return box;
}

} // namespace

PreviewCard::PreviewCard(const MediaMetadata &record, const DownloadChoices &choices, ThumbnailLoader &thumbnails,
                         QWidget *parent)
    : CardFrame(parent), m_record(record), m_choices(choices)
{
    setObjectName(QStringLiteral("previewCard"));
    setAccessibleName(tr("Preview"));
    auto *layout = new QVBoxLayout(this);
    m_layout = layout;
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);

    // Header: thumbnail beside title, uploader, duration and host.
    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    auto *thumbnail = new ThumbnailView(thumbnails, QSize(144, 81), 6, this);
    thumbnail->setObjectName(QStringLiteral("previewThumbnail"));
    thumbnail->setUrl(ThumbnailService::validatedURL(record.thumbnail));
    header->addWidget(thumbnail, 0, Qt::AlignTop);

    auto *facts = new QVBoxLayout;
    facts->setSpacing(4);
    auto *title = new WrappedLabel(2, this);
    title->setObjectName(QStringLiteral("previewTitle"));
    title->setFont(Fonts::title3());
    title->setText(record.title);
    facts->addWidget(title);
    if (record.uploader) {
        auto *uploader = plainLabel(*record.uploader, Fonts::subheadline(), this);
        uploader->setObjectName(QStringLiteral("previewUploader"));
        setForeground(uploader, SemanticColor::secondary);
        facts->addWidget(uploader);
    }
    auto *meta = new QHBoxLayout;
    meta->setSpacing(12);
    if (const auto duration = record.durationString())
        meta->addWidget(symbolLabel(QStringLiteral("clock"), *duration, QStringLiteral("previewDuration"), this));
    const QUrl page(record.webpageUrl);
    if (page.isValid() && !page.host().isEmpty())
        meta->addWidget(symbolLabel(QStringLiteral("link"), page.host(), QStringLiteral("previewHost"), this));
    meta->addStretch();
    facts->addLayout(meta);
    facts->addStretch();
    header->addLayout(facts, 1);
    layout->addLayout(header);

    // Options.
    m_pickers = new DownloadOptionPickers(
        choices, [record](SubtitleMode mode) { return SubtitleLanguages::offered(record, mode); }, this);
    layout->addWidget(m_pickers);

    // More options: the advanced options for this download only, folded away.
    auto *moreToggle = new QToolButton(this);
    moreToggle->setObjectName(QStringLiteral("moreOptionsButton"));
    moreToggle->setText(tr("More options"));
    moreToggle->setAccessibleName(moreToggle->text());
    moreToggle->setCheckable(true);
    moreToggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    moreToggle->setArrowType(Qt::RightArrow);
    moreToggle->setAutoRaise(true);
    layout->addWidget(moreToggle);
    // The options are many: they scroll within the card, which keeps its
    // height, so the job list below stays in sight.
    auto *moreArea = new QScrollArea(this);
    moreArea->setObjectName(QStringLiteral("moreOptionsArea"));
    moreArea->setWidgetResizable(true);
    moreArea->setFrameShape(QFrame::NoFrame);
    moreArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    moreArea->setMaximumHeight(280);
    moreArea->viewport()->setAutoFillBackground(false);
    m_moreOptions = new AdvancedOptionsForm(AdvancedOptionsForm::Scope::oneDownload, choices.advanced, moreArea);
    m_moreOptions->setObjectName(QStringLiteral("moreOptionsForm"));
    moreArea->setWidget(m_moreOptions);
    // On the card's own fill (setWidget() makes the widget paint its background).
    m_moreOptions->setAutoFillBackground(false);
    moreArea->hide();
    layout->addWidget(moreArea);
    connect(moreToggle, &QToolButton::toggled, this, [moreToggle, moreArea](bool open) {
        moreToggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        moreArea->setVisible(open);
    });

    auto *actions = new QHBoxLayout;
    actions->setSpacing(10);
    auto *download = new QPushButton(tr("Download"), this);
    m_download = download;
    download->setObjectName(QStringLiteral("downloadButton"));
    download->setAccessibleName(download->text());
    download->setDefault(true);
    download->setIcon(Symbols::icon(QStringLiteral("arrow.down.circle")));
    m_summary = plainLabel(QString(), Fonts::caption(), this);
    m_summary->setObjectName(QStringLiteral("qualitySummaryLabel"));
    setForeground(m_summary, SemanticColor::secondary);
    actions->addWidget(download);
    actions->addWidget(m_summary);
    actions->addStretch();
    layout->addLayout(actions);

    connect(m_pickers, &DownloadOptionPickers::edited, this, &PreviewCard::choicesEdited);
    connect(download, &QPushButton::clicked, this, [this] { emit downloadRequested(m_record, m_choices); });
    connect(m_moreOptions, &AdvancedOptionsForm::optionsEdited, this, &PreviewCard::choicesEdited);
    // A refused value under "More options" is never passed on: no download
    // until it is mended, and its sentence says why.
    connect(m_moreOptions, &AdvancedOptionsForm::acceptableChanged, download, &QPushButton::setEnabled);
    choicesEdited();
}

void PreviewCard::setCookiesFileInUse(bool inUse)
{
    m_moreOptions->setCookiesFileInUse(inUse);
}

void PreviewCard::setEnclosingList(const MediaList &list)
{
    if (!list.linkedEntry)
        return;
    const int count = int(list.entries.size());
    const QString number = QString::number(*list.linkedEntry);
    // The source language has no plural forms of its own without a translation.
    const QString text = count == 1 ? tr("Entry %1 of “%2” (1 entry)").arg(number, list.title)
                                    : tr("Entry %1 of “%2” (%n entries)", nullptr, count).arg(number, list.title);
    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    auto *line = plainLabel(text, Fonts::body(), this);
    line->setObjectName(QStringLiteral("previewListEntryLine"));
    line->setWordWrap(true);
    auto *show = new QPushButton(tr("Show the List"), this);
    show->setObjectName(QStringLiteral("previewShowListButton"));
    show->setAccessibleName(show->text());
    row->addWidget(line, 1);
    row->addWidget(show);
    // Just below the header.
    m_layout->insertLayout(1, row);
    connect(show, &QPushButton::clicked, this, &PreviewCard::listRequested);
}

void PreviewCard::choicesEdited()
{
    m_pickers->apply(m_choices);
    m_choices.advanced = m_moreOptions->options();
    m_moreOptions->setPreviewRecord(
        m_record, OutputTemplate::expectedExtension(m_record, m_choices.mediaType, m_choices.audioFormat));
    m_summary->setText(m_choices.qualitySummary());
    emit choicesChanged(m_choices);
}
