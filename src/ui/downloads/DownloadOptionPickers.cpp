#include "ui/downloads/DownloadOptionPickers.h"

#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/SegmentedPicker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QStringList labels(const auto &cases, const auto &labelOf)
{
    QStringList result;
    for (const auto value : cases)
        result << labelOf(value);
    return result;
}

template <typename T>
T picked(const QList<T> &all, int index, T fallback)
{
    return index >= 0 && index < all.size() ? all.at(index) : fallback;
}

} // namespace

DownloadOptionPickers::DownloadOptionPickers(const DownloadChoices &choices, OfferedLanguages offered, QWidget *parent)
    : QWidget(parent), m_offered(std::move(offered))
{
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

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(optionRow(tr("Type"), m_type));
    m_qualityRow = optionRow(tr("Quality"), m_quality);
    m_formatRow = optionRow(tr("Format"), m_format);
    layout->addWidget(m_qualityRow);
    layout->addWidget(m_formatRow);
    layout->addWidget(optionRow(tr("Subtitles"), m_subtitles));
    m_languageRow = optionRow(tr("Language"), m_language);
    layout->addWidget(m_languageRow);

    fillLanguages(choices.subtitleLang);
    showRows();

    const auto edit = [this] {
        showRows();
        emit edited();
    };
    connect(m_type, &SegmentedPicker::currentIndexChanged, this, edit);
    connect(m_quality, &QComboBox::currentIndexChanged, this, edit);
    connect(m_format, &QComboBox::currentIndexChanged, this, edit);
    connect(m_subtitles, &SegmentedPicker::currentIndexChanged, this, [this, edit] {
        // Another kind of subtitles offers other languages; the one chosen
        // is kept where it is offered again.
        fillLanguages(m_language->currentData().toString());
        edit();
    });
    connect(m_language, &QComboBox::currentIndexChanged, this, edit);
}

void DownloadOptionPickers::apply(DownloadChoices &choices) const
{
    choices.mediaType = picked(MediaKinds::all(), m_type->currentIndex(), choices.mediaType);
    choices.videoQuality = picked(VideoQualities::all(), m_quality->currentIndex(), choices.videoQuality);
    choices.audioFormat = picked(AudioFormats::all(), m_format->currentIndex(), choices.audioFormat);
    choices.subtitleMode = picked(SubtitleModes::all(), m_subtitles->currentIndex(), choices.subtitleMode);
    choices.subtitleLang = m_language->currentData().toString();
}

QWidget *DownloadOptionPickers::optionRow(const QString &name, QWidget *picker)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    auto *label = new QLabel(name, row);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Fonts::body());
    label->setFixedWidth(72);
    setForeground(label, SemanticColor::secondary);
    label->setBuddy(picker);
    layout->addWidget(label);
    layout->addWidget(picker);
    layout->addStretch();
    return row;
}

void DownloadOptionPickers::fillLanguages(const QString &wanted)
{
    const QSignalBlocker blocker(m_language);
    m_language->clear();
    const SubtitleMode mode = picked(SubtitleModes::all(), m_subtitles->currentIndex(), SubtitleMode::none);
    const QList<SubtitleLanguages::Entry> offered = m_offered(mode);
    if (offered.isEmpty()) {
        // Nothing to choose; the language asked for stays as it was.
        m_language->addItem(tr("None offered by this link"), wanted);
        m_language->setEnabled(false);
        return;
    }
    const QList<SubtitleLanguages::Entry> entries = SubtitleLanguages::entries(offered);
    for (const SubtitleLanguages::Entry &entry : entries)
        m_language->addItem(entry.text, entry.code);
    m_language->setCurrentIndex(SubtitleLanguages::preferred(entries, wanted));
    m_language->setEnabled(true);
}

void DownloadOptionPickers::showRows()
{
    const bool audio = picked(MediaKinds::all(), m_type->currentIndex(), MediaKind::video) == MediaKind::audio;
    m_qualityRow->setVisible(!audio);
    m_formatRow->setVisible(audio);
    m_languageRow->setVisible(picked(SubtitleModes::all(), m_subtitles->currentIndex(), SubtitleMode::none)
                              != SubtitleMode::none);
}
