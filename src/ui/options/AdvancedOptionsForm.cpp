#include "ui/options/AdvancedOptionsForm.h"

#include "engine/ExtraArguments.h"
#include "engine/OutputTemplate.h"
#include "engine/ProxyAddress.h"
#include "engine/ShellWords.h"
#include "ui/options/CategoryPicker.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <vector>

namespace {

QLabel *captionLabel(const QString &objectName, SemanticColor colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Fonts::caption());
    label->setWordWrap(true);
    setForeground(label, colour);
    return label;
}

QLineEdit *lineEdit(const QString &objectName, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setClearButtonEnabled(true);
    return field;
}

QCheckBox *checkBox(const QString &objectName, QWidget *parent)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(objectName);
    return box;
}

QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *container = new QWidget(parent);
    auto *layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (QWidget *widget : widgets)
        layout->addWidget(widget, widget->inherits("QLineEdit") ? 1 : 0);
    layout->addStretch();
    return container;
}

// A column of a field and what is said about it.
QWidget *column(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *container = new QWidget(parent);
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    return container;
}

// What the file name preview shows before a link was analysed.
MediaMetadata sampleRecord()
{
    MediaMetadata record;
    record.id = QStringLiteral("a1B2c3D4e5F");
    record.title = AdvancedOptionsForm::tr("Sample video title");
    record.uploader = AdvancedOptionsForm::tr("Sample channel");
    record.duration = 212;
    record.extractor = QStringLiteral("generic");
    return record;
}

} // namespace

AdvancedOptionsForm::AdvancedOptionsForm(Scope scope, const AdvancedOptions &options, QWidget *parent)
    : QWidget(parent), m_scope(scope), m_extension(QStringLiteral("mp4"))
{
    setObjectName(QStringLiteral("advancedOptionsForm"));
    m_form = new QFormLayout(this);
    m_form->setContentsMargins(0, 0, 0, 0);
    m_form->setHorizontalSpacing(12);
    m_form->setVerticalSpacing(8);
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_speedAmount = new QSpinBox(this);
    m_speedAmount->setObjectName(QStringLiteral("speedLimitAmount"));
    m_speedAmount->setRange(0, static_cast<int>(SpeedLimit::kMaxAmount));
    m_speedAmount->setAccelerated(true);
    m_speedUnit = new QComboBox(this);
    m_speedUnit->setObjectName(QStringLiteral("speedLimitUnit"));
    for (const SpeedLimit::Unit unit : SpeedLimit::units())
        m_speedUnit->addItem(SpeedLimit::unitText(unit));
    m_speedLabel = addRow(row(this, {m_speedAmount, m_speedUnit}));

    m_proxy = lineEdit(QStringLiteral("proxyField"), this);
    m_proxyRefusal = refusalLabel(QStringLiteral("proxyRefusal"));
    m_proxyLabel = addRow(column(this, {m_proxy, m_proxyRefusal}));

    m_browser = new QComboBox(this);
    m_browser->setObjectName(QStringLiteral("browserCookiesPicker"));
    m_browser->addItem(QString());
    for (const Browser browser : Browsers::all())
        m_browser->addItem(Browsers::label(browser), Browsers::rawValue(browser));
    m_profile = lineEdit(QStringLiteral("browserProfileField"), this);
    m_profileRefusal = refusalLabel(QStringLiteral("browserProfileRefusal"));
    m_cookiesNote = captionLabel(QStringLiteral("browserCookiesNote"), SemanticColor::secondary, this);
    m_browserLabel = addRow(column(this, {row(this, {m_browser, m_profile}), m_profileRefusal, m_cookiesNote}));

    m_embedMetadata = checkBox(QStringLiteral("embedMetadataCheck"), this);
    m_embedThumbnail = checkBox(QStringLiteral("embedThumbnailCheck"), this);
    m_embedChapters = checkBox(QStringLiteral("embedChaptersCheck"), this);
    m_embedSubtitles = checkBox(QStringLiteral("embedSubtitlesCheck"), this);
    m_embedNote = captionLabel(QStringLiteral("embedNote"), SemanticColor::secondary, this);
    m_embedLabel = addRow(
        column(this, {row(this, {m_embedMetadata, m_embedThumbnail, m_embedChapters, m_embedSubtitles}), m_embedNote}));

    m_mark = new CategoryPicker(SponsorBlock::Use::mark, this);
    m_mark->setObjectName(QStringLiteral("sponsorBlockMarkPicker"));
    m_markLabel = addRow(m_mark);
    m_remove = new CategoryPicker(SponsorBlock::Use::remove, this);
    m_remove->setObjectName(QStringLiteral("sponsorBlockRemovePicker"));
    m_sponsorBlockNote = captionLabel(QStringLiteral("sponsorBlockNote"), SemanticColor::secondary, this);
    m_removeLabel = addRow(column(this, {m_remove, m_sponsorBlockNote}));

    if (m_scope == Scope::oneDownload) {
        m_rangeStart = lineEdit(QStringLiteral("timeRangeStartField"), this);
        m_rangeEnd = lineEdit(QStringLiteral("timeRangeEndField"), this);
        m_rangeRefusal = refusalLabel(QStringLiteral("timeRangeRefusal"));
        m_rangeLabel = addRow(column(this, {row(this, {m_rangeStart, m_rangeEnd}), m_rangeRefusal}));
    }

    m_template = lineEdit(QStringLiteral("outputTemplateField"), this);
    m_templateRefusal = refusalLabel(QStringLiteral("outputTemplateRefusal"));
    m_templateLabel = addRow(column(this, {m_template, m_templateRefusal}));
    m_preview = captionLabel(QStringLiteral("outputTemplatePreview"), SemanticColor::secondary, this);
    m_preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_previewLabel = addRow(m_preview);

    m_splitChapters = checkBox(QStringLiteral("splitChaptersCheck"), this);
    m_form->addRow(QString(), m_splitChapters);

    m_fragments = new QSpinBox(this);
    m_fragments->setObjectName(QStringLiteral("concurrentFragmentsSpin"));
    m_fragments->setRange(1, AdvancedOptions::kMaxConcurrentFragments);
    m_fragmentsLabel = addRow(row(this, {m_fragments}));

    m_extra = lineEdit(QStringLiteral("extraArgumentsField"), this);
    m_extraRefusal = refusalLabel(QStringLiteral("extraArgumentsRefusal"));
    m_extraLabel = addRow(column(this, {m_extra, m_extraRefusal}));

    setOptions(options);
    retranslate();

    connect(m_speedAmount, &QSpinBox::valueChanged, this, &AdvancedOptionsForm::speedEdited);
    connect(m_speedUnit, &QComboBox::currentIndexChanged, this, &AdvancedOptionsForm::speedEdited);
    connect(m_proxy, &QLineEdit::textEdited, this, &AdvancedOptionsForm::proxyEdited);
    connect(m_browser, &QComboBox::currentIndexChanged, this, &AdvancedOptionsForm::browserEdited);
    connect(m_profile, &QLineEdit::textEdited, this, &AdvancedOptionsForm::browserEdited);
    for (QCheckBox *box : {m_embedMetadata, m_embedThumbnail, m_embedChapters, m_embedSubtitles})
        connect(box, &QCheckBox::toggled, this, &AdvancedOptionsForm::embedEdited);
    connect(m_mark, &CategoryPicker::selectionChanged, this, [this](const QStringList &categories) {
        m_options.sponsorBlockMark = categories;
        edited();
    });
    connect(m_remove, &CategoryPicker::selectionChanged, this, [this](const QStringList &categories) {
        m_options.sponsorBlockRemove = categories;
        edited();
    });
    if (m_rangeStart) {
        connect(m_rangeStart, &QLineEdit::textEdited, this, &AdvancedOptionsForm::timeRangeEdited);
        connect(m_rangeEnd, &QLineEdit::textEdited, this, &AdvancedOptionsForm::timeRangeEdited);
    }
    connect(m_template, &QLineEdit::textEdited, this, &AdvancedOptionsForm::templateEdited);
    connect(m_splitChapters, &QCheckBox::toggled, this, [this](bool on) {
        m_options.splitChapters = on;
        edited();
    });
    connect(m_fragments, &QSpinBox::valueChanged, this, [this](int value) {
        m_options.concurrentFragments = value;
        edited();
    });
    connect(m_extra, &QLineEdit::textEdited, this, &AdvancedOptionsForm::extraArgumentsEdited);
}

QLabel *AdvancedOptionsForm::addRow(QWidget *field)
{
    auto *label = new QLabel(this);
    label->setBuddy(field);
    m_form->addRow(label, field);
    return label;
}

QLabel *AdvancedOptionsForm::refusalLabel(const QString &objectName)
{
    QLabel *label = captionLabel(objectName, SemanticColor::red, this);
    label->hide();
    return label;
}

void AdvancedOptionsForm::showRefusal(QLabel *label, const QString &message)
{
    const bool wasAcceptable = isAcceptable();
    label->setText(message);
    label->setVisible(!message.isEmpty());
    if (message.isEmpty())
        m_refusals.remove(label);
    else
        m_refusals.insert(label);
    if (isAcceptable() != wasAcceptable)
        emit acceptableChanged(isAcceptable());
}

void AdvancedOptionsForm::setOptions(const AdvancedOptions &options)
{
    m_options = options;
    // Line edits announce typing only; the other editors announce any change.
    std::vector<QSignalBlocker> blockers;
    for (QWidget *editor : std::initializer_list<QWidget *>{m_speedAmount, m_speedUnit, m_browser, m_embedMetadata,
                                                            m_embedThumbnail, m_embedChapters, m_embedSubtitles,
                                                            m_splitChapters, m_fragments})
        blockers.emplace_back(editor);

    m_speedAmount->setValue(options.speedLimit ? static_cast<int>(options.speedLimit->amount) : 0);
    m_speedUnit->setCurrentIndex(
        SpeedLimit::units().indexOf(options.speedLimit ? options.speedLimit->unit : SpeedLimit::Unit::kibibytes));
    m_proxy->setText(options.proxy);
    m_browser->setCurrentIndex(
        options.browserCookies ? m_browser->findData(Browsers::rawValue(options.browserCookies->browser)) : 0);
    m_profile->setText(options.browserCookies ? options.browserCookies->profile : QString());
    m_embedMetadata->setChecked(options.embed.metadata);
    m_embedThumbnail->setChecked(options.embed.thumbnail);
    m_embedChapters->setChecked(options.embed.chapters);
    m_embedSubtitles->setChecked(options.embed.subtitles);
    m_mark->setSelection(options.sponsorBlockMark);
    m_remove->setSelection(options.sponsorBlockRemove);
    if (m_rangeStart) {
        m_rangeStart->setText(options.timeRange ? TimeRange::clockText(options.timeRange->start) : QString());
        m_rangeEnd->setText(options.timeRange && options.timeRange->end ? TimeRange::clockText(*options.timeRange->end)
                                                                         : QString());
    }
    m_template->setText(options.outputTemplate);
    m_splitChapters->setChecked(options.splitChapters);
    m_fragments->setValue(options.concurrentFragments);
    m_extra->setText(ShellWords::join(options.extraArguments));

    for (QLabel *label : {m_proxyRefusal, m_profileRefusal, m_rangeRefusal, m_templateRefusal, m_extraRefusal}) {
        if (label)
            showRefusal(label, QString());
    }
    updateCookies();
    updatePreview();
}

void AdvancedOptionsForm::setPreviewRecord(const MediaMetadata &record, const QString &extension)
{
    m_record = record;
    m_extension = extension;
    updatePreview();
}

void AdvancedOptionsForm::setCookiesFileInUse(bool inUse)
{
    m_cookiesFileInUse = inUse;
    updateCookies();
}

void AdvancedOptionsForm::edited()
{
    updateCookies();
    emit optionsEdited(m_options);
}

void AdvancedOptionsForm::speedEdited()
{
    const int amount = m_speedAmount->value();
    if (amount == 0) {
        m_options.speedLimit.reset();
    } else {
        const Checked<SpeedLimit> limit =
            SpeedLimit::make(amount, SpeedLimit::units().value(m_speedUnit->currentIndex()));
        if (!limit)
            return; // the spin box keeps the amount within the range
        m_options.speedLimit = limit.value();
    }
    edited();
}

void AdvancedOptionsForm::proxyEdited()
{
    const Checked<QString> proxy = ProxyAddress::parse(m_proxy->text());
    showRefusal(m_proxyRefusal, proxy ? QString() : proxy.error());
    if (!proxy)
        return;
    m_options.proxy = proxy.value();
    edited();
}

void AdvancedOptionsForm::browserEdited()
{
    const std::optional<Browser> browser = Browsers::fromRawValue(m_browser->currentData().toString());
    m_profile->setEnabled(browser.has_value());
    if (!browser) {
        showRefusal(m_profileRefusal, QString());
        m_options.browserCookies.reset();
        edited();
        return;
    }
    const Checked<BrowserCookies> cookies = BrowserCookies::make(*browser, m_profile->text());
    showRefusal(m_profileRefusal, cookies ? QString() : cookies.error());
    if (!cookies)
        return;
    m_options.browserCookies = cookies.value();
    edited();
}

void AdvancedOptionsForm::embedEdited()
{
    m_options.embed = {m_embedMetadata->isChecked(), m_embedThumbnail->isChecked(), m_embedChapters->isChecked(),
                       m_embedSubtitles->isChecked()};
    edited();
}

void AdvancedOptionsForm::timeRangeEdited()
{
    if (m_rangeStart->text().trimmed().isEmpty() && m_rangeEnd->text().trimmed().isEmpty()) {
        showRefusal(m_rangeRefusal, QString());
        m_options.timeRange.reset();
        edited();
        return;
    }
    const Checked<TimeRange> range = TimeRange::make(m_rangeStart->text(), m_rangeEnd->text(),
                                                     m_record ? m_record->duration : std::nullopt);
    showRefusal(m_rangeRefusal, range ? QString() : range.error());
    if (!range)
        return;
    m_options.timeRange = range.value();
    edited();
}

void AdvancedOptionsForm::templateEdited()
{
    const Checked<QString> checked = OutputTemplate::check(m_template->text());
    showRefusal(m_templateRefusal, checked ? QString() : checked.error());
    if (checked) {
        m_options.outputTemplate = checked.value();
        edited();
    }
    updatePreview();
}

void AdvancedOptionsForm::extraArgumentsEdited()
{
    const Checked<QStringList> words = ExtraArguments::parse(m_extra->text());
    showRefusal(m_extraRefusal, words ? QString() : words.error());
    if (!words)
        return;
    m_options.extraArguments = words.value();
    edited();
}

void AdvancedOptionsForm::updatePreview()
{
    if (m_refusals.contains(m_templateRefusal)) {
        m_preview->clear();
        return;
    }
    const QString templateText =
        m_options.outputTemplate.isEmpty() ? OutputTemplate::defaultTemplate() : m_options.outputTemplate;
    m_preview->setText(OutputTemplate::preview(templateText, m_record.value_or(sampleRecord()), m_extension));
}

void AdvancedOptionsForm::updateCookies()
{
    const bool browserChosen = m_browser->currentIndex() > 0;
    m_profile->setEnabled(browserChosen);
    if (m_scope == Scope::defaults) {
        // One or the other: browser cookies wait until the cookies file is
        // cleared (both stored, from an older file, can still be undone).
        m_browser->setEnabled(!m_cookiesFileInUse || browserChosen);
        m_cookiesNote->setText(
            tr("Clear the cookies file under Authentication to use a browser's cookies instead."));
        m_cookiesNote->setVisible(m_cookiesFileInUse && !browserChosen);
    } else {
        m_cookiesNote->setText(tr("For this download, the browser's cookies replace the cookies file."));
        m_cookiesNote->setVisible(m_cookiesFileInUse && browserChosen);
    }
}

void AdvancedOptionsForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AdvancedOptionsForm::retranslate()
{
    const auto label = [](QLabel *rowLabel, QWidget *field, const QString &text) {
        rowLabel->setText(text);
        field->setAccessibleName(text);
    };
    label(m_speedLabel, m_speedAmount, tr("Speed limit"));
    m_speedAmount->setSpecialValueText(tr("No limit"));
    m_speedUnit->setAccessibleName(tr("Speed unit"));
    label(m_proxyLabel, m_proxy, tr("Proxy"));
    m_proxy->setPlaceholderText(tr("No proxy"));
    label(m_browserLabel, m_browser, tr("Cookies from browser"));
    m_browser->setItemText(0, tr("None"));
    m_profile->setPlaceholderText(tr("Default profile"));
    m_profile->setAccessibleName(tr("Browser profile"));
    m_embedLabel->setText(tr("Embed"));
    m_embedMetadata->setText(tr("Metadata"));
    m_embedThumbnail->setText(tr("Thumbnail"));
    m_embedChapters->setText(tr("Chapters"));
    m_embedSubtitles->setText(tr("Subtitles"));
    m_embedNote->setText(tr("Thumbnails go into videos and into MP3 and M4A audio; subtitles into videos."));
    label(m_markLabel, m_mark, tr("Mark segments"));
    label(m_removeLabel, m_remove, tr("Remove segments"));
    m_sponsorBlockNote->setText(tr("Segments of videos that SponsorBlock users marked, as chapters or cut out."));
    if (m_rangeStart) {
        m_rangeLabel->setText(tr("Time range"));
        m_rangeStart->setPlaceholderText(tr("Start (m:ss)"));
        m_rangeStart->setAccessibleName(tr("Start of the time range"));
        m_rangeEnd->setPlaceholderText(tr("End (empty: to the end)"));
        m_rangeEnd->setAccessibleName(tr("End of the time range"));
    }
    label(m_templateLabel, m_template, tr("File name"));
    m_template->setPlaceholderText(tr("Default name"));
    m_previewLabel->setText(m_scope == Scope::defaults ? tr("Example") : tr("Preview"));
    m_splitChapters->setText(tr("Also save one file per chapter"));
    label(m_fragmentsLabel, m_fragments, tr("Concurrent fragments"));
    label(m_extraLabel, m_extra, tr("Extra yt-dlp arguments"));
    m_extra->setPlaceholderText(tr("None"));
    updateCookies();
    if (!m_record)
        updatePreview(); // the sample is translated
}
