#include "ui/downloads/PreviewCard.h"

#include "analysis/ThumbnailService.h"
#include "engine/OutputTemplate.h"
#include "ui/downloads/SubtitleLanguages.h"
#include "ui/options/AdvancedOptionsForm.h"
#include "ui/widgets/Colors.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/SegmentedPicker.h"
#include "ui/widgets/Symbols.h"
#include "ui/widgets/ThumbnailView.h"
#include "ui/widgets/WrappedLabel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
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

QStringList labels(const auto &cases, const auto &labelOf)
{
    QStringList result;
    for (const auto value : cases)
        result << labelOf(value);
    return result;
}

} // namespace

PreviewCard::PreviewCard(const MediaMetadata &record, const DownloadChoices &choices, ThumbnailLoader &thumbnails,
                         QWidget *parent)
    : QFrame(parent), m_record(record), m_choices(choices)
{
    setObjectName(QStringLiteral("previewCard"));
    setAccessibleName(tr("Preview"));
    auto *layout = new QVBoxLayout(this);
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
    m_type = new SegmentedPicker(labels(MediaKinds::all(), MediaKinds::label), this);
    m_type->setObjectName(QStringLiteral("mediaTypePicker"));
    m_type->setAccessibleName(tr("Type"));
    m_type->setCurrentIndex(MediaKinds::all().indexOf(choices.mediaType));

    m_quality = new QComboBox(this);
    m_quality->setObjectName(QStringLiteral("videoQualityPicker"));
    m_quality->setAccessibleName(tr("Quality"));
    m_quality->addItems(labels(VideoQualities::all(), VideoQualities::label));
    m_quality->setCurrentIndex(VideoQualities::all().indexOf(choices.videoQuality));

    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("audioFormatPicker"));
    m_format->setAccessibleName(tr("Format"));
    m_format->addItems(labels(AudioFormats::all(), AudioFormats::displayText));
    m_format->setCurrentIndex(AudioFormats::all().indexOf(choices.audioFormat));

    m_subtitles = new SegmentedPicker(labels(SubtitleModes::all(), SubtitleModes::label), this);
    m_subtitles->setObjectName(QStringLiteral("subtitleModePicker"));
    m_subtitles->setAccessibleName(tr("Subtitles"));
    m_subtitles->setCurrentIndex(SubtitleModes::all().indexOf(choices.subtitleMode));

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("subtitleLanguagePicker"));
    m_language->setAccessibleName(tr("Subtitle language"));
    m_language->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // A long list of automatic captions scrolls instead of filling the screen.
    m_language->setMaxVisibleItems(12);

    auto *options = new QVBoxLayout;
    options->setSpacing(8);
    options->addWidget(optionRow(tr("Type"), m_type));
    m_qualityRow = optionRow(tr("Quality"), m_quality);
    m_formatRow = optionRow(tr("Format"), m_format);
    options->addWidget(m_qualityRow);
    options->addWidget(m_formatRow);
    options->addWidget(optionRow(tr("Subtitles"), m_subtitles));
    m_languageRow = optionRow(tr("Language"), m_language);
    options->addWidget(m_languageRow);
    layout->addLayout(options);

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

    connect(m_type, &SegmentedPicker::currentIndexChanged, this, &PreviewCard::choicesEdited);
    connect(m_quality, &QComboBox::currentIndexChanged, this, &PreviewCard::choicesEdited);
    connect(m_format, &QComboBox::currentIndexChanged, this, &PreviewCard::choicesEdited);
    connect(m_subtitles, &SegmentedPicker::currentIndexChanged, this, [this] {
        choicesEdited();
        fillLanguages();
        choicesEdited();
    });
    connect(m_language, &QComboBox::currentIndexChanged, this, &PreviewCard::choicesEdited);
    connect(download, &QPushButton::clicked, this, [this] { emit downloadRequested(m_record, m_choices); });
    fillLanguages();
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

QWidget *PreviewCard::optionRow(const QString &name, QWidget *picker)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    auto *label = plainLabel(name, Fonts::body(), row);
    label->setFixedWidth(72);
    setForeground(label, SemanticColor::secondary);
    label->setBuddy(picker);
    layout->addWidget(label);
    layout->addWidget(picker);
    layout->addStretch();
    return row;
}

void PreviewCard::fillLanguages()
{
    const QSignalBlocker blocker(m_language);
    m_language->clear();
    const QList<SubtitleLanguages::Entry> offered = SubtitleLanguages::offered(m_record, m_choices.subtitleMode);
    if (offered.isEmpty()) {
        // Nothing to choose; the language asked for stays as it was.
        m_language->addItem(tr("None offered by this link"), m_choices.subtitleLang);
        m_language->setEnabled(false);
        return;
    }
    const QList<SubtitleLanguages::Entry> entries = SubtitleLanguages::entries(offered);
    for (const SubtitleLanguages::Entry &entry : entries)
        m_language->addItem(entry.text, entry.code);
    m_language->setCurrentIndex(SubtitleLanguages::preferred(entries, m_choices.subtitleLang));
    m_language->setEnabled(true);
}

void PreviewCard::choicesEdited()
{
    const auto pick = [](const auto &all, int index, auto fallback) {
        return index >= 0 && index < all.size() ? all.at(index) : fallback;
    };
    m_choices.mediaType = pick(MediaKinds::all(), m_type->currentIndex(), m_choices.mediaType);
    m_choices.videoQuality = pick(VideoQualities::all(), m_quality->currentIndex(), m_choices.videoQuality);
    m_choices.audioFormat = pick(AudioFormats::all(), m_format->currentIndex(), m_choices.audioFormat);
    m_choices.subtitleMode = pick(SubtitleModes::all(), m_subtitles->currentIndex(), m_choices.subtitleMode);
    m_choices.subtitleLang = m_language->currentData().toString();
    m_choices.advanced = m_moreOptions->options();
    m_moreOptions->setPreviewRecord(
        m_record, OutputTemplate::expectedExtension(m_record, m_choices.mediaType, m_choices.audioFormat));

    const bool audio = m_choices.mediaType == MediaKind::audio;
    m_qualityRow->setVisible(!audio);
    m_formatRow->setVisible(audio);
    m_languageRow->setVisible(m_choices.subtitleMode != SubtitleMode::none);
    m_summary->setText(m_choices.qualitySummary());
    emit choicesChanged(m_choices);
}

void PreviewCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), 10, 10);
    painter.fillPath(path, Colors::cardFill(palette()));
}
