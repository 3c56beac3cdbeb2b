#include "ui/settings/SettingsView.h"

#include "engine/DownloadOptions.h"
#include "settings/AppLanguage.h"
#include "settings/AppSettings.h"
#include "ui/options/AdvancedOptionsForm.h"
#include "ui/shell/LanguageSwitch.h"
#include "ui/widgets/Background.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/Symbols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFuture>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

std::optional<QString> chooseWithDialog(QWidget *parent, const QString &current, bool directory)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(directory ? QStringLiteral("outputDirectoryChooser") : QStringLiteral("cookieFileChooser"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (directory) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setDirectory(current);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setMimeTypeFilters({QStringLiteral("text/plain")});
        if (!current.isEmpty())
            dialog.selectFile(current);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QComboBox *picker(const QString &objectName, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

QLineEdit *textField(const QString &objectName, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(objectName);
    return field;
}

QPushButton *button(const QString &objectName, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

QToolButton *stepButton(const QString &objectName, const QString &symbol, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setIcon(Symbols::icon(symbol));
    b->setIconSize(QSize(12, 12));
    b->setFixedSize(26, 26);
    b->setAutoRaise(false);
    return b;
}

QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets, bool stretch)
{
    auto *container = new QWidget(parent);
    auto *layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (QWidget *widget : widgets)
        layout->addWidget(widget, widget->inherits("QLineEdit") ? 1 : 0);
    if (stretch)
        layout->addStretch();
    return container;
}

// Fills `box` with one item per case, keeping the selection on the stored raw text.
template <typename Enum, typename Label, typename Raw>
void fill(QComboBox *box, const QList<Enum> &cases, Label label, Raw raw)
{
    const QSignalBlocker blocker(box);
    const int current = box->currentIndex();
    box->clear();
    for (const Enum value : cases)
        box->addItem(label(value), raw(value));
    box->setCurrentIndex(current);
}

void select(QComboBox *box, const QString &raw)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findData(raw));
}

// A form row whose label text is set (and re-set) by the translation pass.
void addLabelled(QFormLayout *form, QWidget *field)
{
    auto *label = new QLabel(form->parentWidget());
    label->setBuddy(field);
    form->addRow(label, field);
}

void setLabel(QFormLayout *form, QWidget *field, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(field)))
        label->setText(text);
}

} // namespace

bool SettingsView::askToRestore(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, tr("Restore Defaults"), tr("Restore every setting to its default value?"),
                    QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("restoreDefaultsConfirm"));
    box.setInformativeText(tr("The language, the output folder, the cookies file and every download default go back "
                              "to how they were at first. The download history is kept."));
    QPushButton *restore = box.addButton(tr("Restore Defaults"), QMessageBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("confirmRestoreDefaultsButton"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.clickedButton() == restore;
}

SettingsView::Choosers SettingsView::desktopChoosers()
{
    return {
        [](QWidget *parent, const QString &current) { return chooseWithDialog(parent, current, true); },
        [](QWidget *parent, const QString &current) { return chooseWithDialog(parent, current, false); },
    };
}

SettingsView::SettingsView(AppState &state, QWidget *parent)
    : QWidget(parent), m_settings(state.settings()), m_choosers(desktopChoosers()), m_confirmRestore(askToRestore),
      m_applyLanguage(LanguageSwitch::apply), m_folderCheckDelay(new QTimer(this))
{
    setObjectName(QStringLiteral("settingsView"));

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("settingsScrollArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("settingsForm"));
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(20, 16, 20, 20);
    column->setSpacing(14);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    m_general = section(QStringLiteral("settingsSectionGeneral"), m_generalForm, m_generalFooter);
    m_authentication = section(QStringLiteral("settingsSectionAuthentication"), m_authenticationForm, m_authenticationFooter);
    m_downloads = section(QStringLiteral("settingsSectionDownloads"), m_downloadsForm, m_downloadsFooter);
    m_behavior = section(QStringLiteral("settingsSectionBehavior"), m_behaviorForm, m_behaviorFooter);
    m_advanced = section(QStringLiteral("settingsSectionAdvanced"), m_advancedForm, m_advancedFooter);
    m_restore = section(QStringLiteral("settingsSectionRestore"), m_restoreForm, m_restoreFooter);
    for (QGroupBox *box : {m_general, m_authentication, m_downloads, m_behavior, m_advanced, m_restore})
        column->addWidget(box);
    column->addStretch();

    // General
    m_language = picker(QStringLiteral("settingsLanguagePicker"), m_general);
    m_outputDirectory = textField(QStringLiteral("settingsOutputDirectory"), m_general);
    m_chooseDirectory = button(QStringLiteral("chooseOutputDirectoryButton"), m_general);
    m_outputDirectoryProblem = new QLabel(m_general);
    m_outputDirectoryProblem->setObjectName(QStringLiteral("outputDirectoryProblem"));
    m_outputDirectoryProblem->setTextFormat(Qt::PlainText);
    m_outputDirectoryProblem->setWordWrap(true);
    m_outputDirectoryProblem->setFont(Fonts::caption());
    setForeground(m_outputDirectoryProblem, SemanticColor::red);
    m_outputDirectoryProblem->hide();
    addLabelled(m_generalForm, m_language);
    addLabelled(m_generalForm, row(m_general, {m_outputDirectory, m_chooseDirectory}, false));
    m_generalForm->addRow(QString(), m_outputDirectoryProblem);

    // Authentication
    m_cookieFile = textField(QStringLiteral("settingsCookieFilePath"), m_authentication);
    m_chooseCookieFile = button(QStringLiteral("chooseCookieFileButton"), m_authentication);
    m_clearCookieFile = button(QStringLiteral("clearCookieFileButton"), m_authentication);
    addLabelled(m_authenticationForm, row(m_authentication, {m_cookieFile, m_chooseCookieFile, m_clearCookieFile}, false));

    // Downloads
    buildOptionPickers();

    // Behavior
    m_notify = new QCheckBox(m_behavior);
    m_notify->setObjectName(QStringLiteral("settingsNotifyOnCompletion"));
    m_keepFailed = new QCheckBox(m_behavior);
    m_keepFailed->setObjectName(QStringLiteral("settingsKeepFailedTasks"));
    m_verboseLogs = new QCheckBox(m_behavior);
    m_verboseLogs->setObjectName(QStringLiteral("settingsShowVerboseLogs"));
    m_checkForToolUpdates = new QCheckBox(m_behavior);
    m_checkForToolUpdates->setObjectName(QStringLiteral("settingsCheckForToolUpdates"));
    m_toolUpdateChannel = picker(QStringLiteral("settingsToolUpdateChannel"), m_behavior);
    m_fetchChallengeSolver = new QCheckBox(m_behavior);
    m_fetchChallengeSolver->setObjectName(QStringLiteral("settingsFetchChallengeSolver"));
    m_behaviorForm->addRow(m_notify);
    m_behaviorForm->addRow(m_keepFailed);
    m_behaviorForm->addRow(m_verboseLogs);
    m_watchClipboard = new QCheckBox(m_behavior);
    m_watchClipboard->setObjectName(QStringLiteral("settingsWatchClipboard"));
    m_behaviorForm->addRow(m_watchClipboard);
    m_behaviorForm->addRow(m_checkForToolUpdates);
    addLabelled(m_behaviorForm, m_toolUpdateChannel);
    m_behaviorForm->addRow(m_fetchChallengeSolver);

    // Advanced
    m_advancedOptions =
        new AdvancedOptionsForm(AdvancedOptionsForm::Scope::defaults, m_settings.advancedDefaults(), m_advanced);
    m_advancedForm->addRow(m_advancedOptions);

    // Restore
    m_restoreDefaults = button(QStringLiteral("restoreDefaultsButton"), m_restore);
    m_restoreForm->addRow(row(m_restore, {m_restoreDefaults}, true));

    // Each section ends with its footer.
    for (auto [form, footer] : {std::pair{m_generalForm, m_generalFooter}, std::pair{m_authenticationForm, m_authenticationFooter},
                                std::pair{m_downloadsForm, m_downloadsFooter}, std::pair{m_behaviorForm, m_behaviorFooter},
                                std::pair{m_advancedForm, m_advancedFooter}, std::pair{m_restoreForm, m_restoreFooter}})
        form->addRow(footer);

    connect(m_language, &QComboBox::activated, this, &SettingsView::languageChosen);
    // A folder is checked once typing pauses, so the half-typed paths on the
    // way to it are neither judged nor stored; leaving the field checks at once.
    m_folderCheckDelay->setSingleShot(true);
    m_folderCheckDelay->setInterval(300);
    connect(m_outputDirectory, &QLineEdit::textEdited, m_folderCheckDelay, qOverload<>(&QTimer::start));
    connect(m_folderCheckDelay, &QTimer::timeout, this, [this] { checkOutputFolder(m_outputDirectory->text(), true); });
    connect(m_outputDirectory, &QLineEdit::editingFinished, this, [this] {
        if (m_folderCheckDelay->isActive()) {
            m_folderCheckDelay->stop();
            checkOutputFolder(m_outputDirectory->text(), true);
        }
    });
    connect(m_chooseDirectory, &QPushButton::clicked, this, &SettingsView::chooseDirectory);
    connect(m_cookieFile, &QLineEdit::textEdited, this, [this](const QString &path) {
        m_settings.setCookieFilePath(path);
        updateCookieClear();
    });
    connect(m_chooseCookieFile, &QPushButton::clicked, this, &SettingsView::chooseCookieFile);
    connect(m_clearCookieFile, &QPushButton::clicked, this, [this] {
        m_settings.setCookieFilePath(QString());
        m_cookieFile->clear();
        updateCookieClear();
    });
    connect(m_mediaType, &QComboBox::activated, this,
            [this] { m_settings.setDefaultMediaTypeRaw(m_mediaType->currentData().toString()); });
    connect(m_videoQuality, &QComboBox::activated, this,
            [this] { m_settings.setDefaultVideoQualityRaw(m_videoQuality->currentData().toString()); });
    connect(m_audioFormat, &QComboBox::activated, this,
            [this] { m_settings.setDefaultAudioFormatRaw(m_audioFormat->currentData().toString()); });
    connect(m_subtitleMode, &QComboBox::activated, this,
            [this] { m_settings.setDefaultSubtitleModeRaw(m_subtitleMode->currentData().toString()); });
    connect(m_subtitleLanguage, &QLineEdit::textEdited, &m_settings, &AppSettings::setDefaultSubtitleLang);
    connect(m_decrease, &QToolButton::clicked, this, [this] {
        m_settings.setMaxConcurrentDownloads(qMax(m_settings.maxConcurrentDownloads() - 1, AppSettings::kMinConcurrentDownloads));
    });
    connect(m_increase, &QToolButton::clicked, this, [this] {
        m_settings.setMaxConcurrentDownloads(qMin(m_settings.maxConcurrentDownloads() + 1, AppSettings::kMaxConcurrentDownloads));
    });
    connect(&m_settings, &AppSettings::maxConcurrentDownloadsChanged, this, &SettingsView::updateConcurrency);
    connect(m_notify, &QCheckBox::toggled, &m_settings, &AppSettings::setDownloadCompleteNotification);
    connect(m_keepFailed, &QCheckBox::toggled, &m_settings, &AppSettings::setKeepFailedTasks);
    connect(m_verboseLogs, &QCheckBox::toggled, &m_settings, &AppSettings::setShowVerboseLogs);
    connect(m_checkForToolUpdates, &QCheckBox::toggled, &m_settings, &AppSettings::setCheckForToolUpdates);
    connect(m_fetchChallengeSolver, &QCheckBox::toggled, &m_settings, &AppSettings::setFetchChallengeSolver);
    connect(m_toolUpdateChannel, &QComboBox::activated, this, [this](int index) {
        if (const auto channel = ReleaseChannels::fromRaw(m_toolUpdateChannel->itemData(index).toString()))
            m_settings.setToolUpdateChannel(*channel);
    });
    connect(m_watchClipboard, &QCheckBox::toggled, &m_settings, &AppSettings::setWatchClipboard);
    connect(m_advancedOptions, &AdvancedOptionsForm::optionsEdited, this, [this](const AdvancedOptions &options) {
        m_settings.setAdvancedDefaults(options);
        updateCookieSources();
    });
    connect(m_restoreDefaults, &QPushButton::clicked, this, &SettingsView::restoreDefaults);

    retranslate();
    load();
}

SettingsView::~SettingsView()
{
    if (m_folderCheckDelay->isActive())
        checkOutputFolder(m_outputDirectory->text(), true);
}

QGroupBox *SettingsView::section(const QString &objectName, QFormLayout *&form, QLabel *&footer)
{
    auto *box = new QGroupBox(this);
    box->setObjectName(objectName);
    form = new QFormLayout(box);
    form->setContentsMargins(14, 10, 14, 12);
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(10);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    footer = new QLabel(box);
    footer->setObjectName(objectName + QStringLiteral("Footer"));
    footer->setFont(Fonts::caption());
    footer->setWordWrap(true);
    setForeground(footer, SemanticColor::secondary);
    return box;
}

void SettingsView::buildOptionPickers()
{
    m_mediaType = picker(QStringLiteral("settingsMediaTypePicker"), m_downloads);
    m_videoQuality = picker(QStringLiteral("settingsVideoQualityPicker"), m_downloads);
    m_audioFormat = picker(QStringLiteral("settingsAudioFormatPicker"), m_downloads);
    m_subtitleMode = picker(QStringLiteral("settingsSubtitleModePicker"), m_downloads);
    m_subtitleLanguage = textField(QStringLiteral("settingsSubtitleLanguage"), m_downloads);
    m_subtitleLanguage->setMaximumWidth(160);
    m_decrease = stepButton(QStringLiteral("decreaseConcurrentDownloadsButton"), QStringLiteral("minus"), m_downloads);
    m_increase = stepButton(QStringLiteral("increaseConcurrentDownloadsButton"), QStringLiteral("plus"), m_downloads);
    m_concurrency = new QLabel(m_downloads);
    m_concurrency->setObjectName(QStringLiteral("maxConcurrentDownloadsValue"));
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits.setPointSizeF(Fonts::body().pointSizeF());
    m_concurrency->setFont(digits);
    m_concurrency->setMinimumWidth(28);
    m_concurrency->setAlignment(Qt::AlignCenter);

    addLabelled(m_downloadsForm, m_mediaType);
    addLabelled(m_downloadsForm, m_videoQuality);
    addLabelled(m_downloadsForm, m_audioFormat);
    addLabelled(m_downloadsForm, m_subtitleMode);
    addLabelled(m_downloadsForm, m_subtitleLanguage);
    addLabelled(m_downloadsForm, row(m_downloads, {m_decrease, m_concurrency, m_increase}, true));
}

void SettingsView::fillPickers()
{
    fill(m_language, AppLanguages::all(), AppLanguages::label, AppLanguages::rawValue);
    fill(m_mediaType, MediaKinds::all(), MediaKinds::label, MediaKinds::rawValue);
    fill(m_videoQuality, VideoQualities::all(), VideoQualities::label, VideoQualities::rawValue);
    fill(m_audioFormat, AudioFormats::all(), AudioFormats::displayText, AudioFormats::rawValue);
    fill(m_subtitleMode, SubtitleModes::all(), SubtitleModes::label, SubtitleModes::rawValue);
    fill(
        m_toolUpdateChannel, QList<ReleaseChannel>{ReleaseChannel::stable, ReleaseChannel::nightly},
        [](ReleaseChannel channel) {
            return channel == ReleaseChannel::nightly ? tr("Nightly builds") : tr("Stable releases");
        },
        ReleaseChannels::rawValue);
}

void SettingsView::load()
{
    select(m_language, AppLanguages::rawValue(m_settings.appLanguage()));
    m_outputDirectory->setText(m_settings.defaultOutputDirectory());
    // A stored folder may have gone since; say so, but store nothing.
    checkOutputFolder(m_outputDirectory->text(), false);
    m_cookieFile->setText(m_settings.cookieFilePath());
    select(m_mediaType, m_settings.defaultMediaTypeRaw());
    select(m_videoQuality, m_settings.defaultVideoQualityRaw());
    select(m_audioFormat, m_settings.defaultAudioFormatRaw());
    select(m_subtitleMode, m_settings.defaultSubtitleModeRaw());
    m_subtitleLanguage->setText(m_settings.defaultSubtitleLang());
    select(m_toolUpdateChannel, ReleaseChannels::rawValue(m_settings.toolUpdateChannel()));
    for (auto [box, on] : {std::pair{m_notify, m_settings.downloadCompleteNotification()},
                           std::pair{m_keepFailed, m_settings.keepFailedTasks()},
                           std::pair{m_verboseLogs, m_settings.showVerboseLogs()},
                           std::pair{m_checkForToolUpdates, m_settings.checkForToolUpdates()},
                           std::pair{m_fetchChallengeSolver, m_settings.fetchChallengeSolver()},
                           std::pair{m_watchClipboard, m_settings.watchClipboard()}}) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
    m_advancedOptions->setOptions(m_settings.advancedDefaults());
    updateConcurrency();
    updateCookieClear();
}

void SettingsView::updateConcurrency()
{
    const int value = m_settings.maxConcurrentDownloads();
    m_concurrency->setText(QString::number(value));
    m_decrease->setEnabled(value >= 2);
    m_increase->setEnabled(value <= 3);
}

void SettingsView::updateCookieClear()
{
    m_clearCookieFile->setVisible(!m_settings.cookieFilePath().isEmpty());
    updateCookieSources();
}

// A cookies file or a browser's cookies, never both: each waits while the
// other is set (both set, from an older settings file, can still be undone).
void SettingsView::updateCookieSources()
{
    const bool fileSet = !m_settings.cookieFilePath().isEmpty();
    const bool browserSet = m_settings.advancedDefaults().browserCookies.has_value();
    m_advancedOptions->setCookiesFileInUse(fileSet);
    m_cookieFile->setEnabled(fileSet || !browserSet);
    m_chooseCookieFile->setEnabled(fileSet || !browserSet);
    m_cookieFile->setToolTip(browserSet && !fileSet
                                 ? tr("Choose None under Cookies from browser to use a cookies file instead.")
                                 : QString());
}

void SettingsView::chooseDirectory()
{
    if (const auto path = m_choosers.directory(this, m_settings.defaultOutputDirectory())) {
        m_folderCheckDelay->stop();
        m_outputDirectory->setText(*path);
        checkOutputFolder(*path, true);
    }
}

bool SettingsView::outputFolderChecked() const
{
    return m_folderChecksPending == 0 && !m_folderCheckDelay->isActive();
}

void SettingsView::checkOutputFolder(const QString &folder, bool storeWhenUsable)
{
    ++m_folderChecksPending;
    *m_latestFolder = folder;
    // The answer goes to the settings, which outlive this screen: a folder
    // typed just before the section is left is still stored once it checks out.
    runInBackground([folder] { return Directories::problemWith(folder); })
        .then(&m_settings, [view = QPointer<SettingsView>(this), settings = &m_settings, latest = m_latestFolder, folder,
                            storeWhenUsable](const std::optional<FolderProblem> &problem) {
            // An answer about a text that has been typed over since is stale.
            const bool current = *latest == folder;
            if (current && !problem && storeWhenUsable)
                settings->setDefaultOutputDirectory(folder);
            if (!view)
                return;
            --view->m_folderChecksPending;
            if (current) {
                view->m_folderProblem = problem;
                view->showFolderProblem();
            }
        });
}

void SettingsView::showFolderProblem()
{
    QString reason;
    if (m_folderProblem) {
        const QString &path = m_folderProblem->path;
        switch (m_folderProblem->kind) {
        case FolderProblem::Kind::notAbsolute:
            reason = tr("Enter the full path of a folder, starting with /.");
            break;
        case FolderProblem::Kind::notAFolder:
            reason = tr("“%1” is a file, not a folder.").arg(path);
            break;
        case FolderProblem::Kind::notWritable:
            reason = tr("Downloads cannot be saved here: “%1” is not writable.").arg(path);
            break;
        }
        reason += QLatin1Char(' ') + tr("The folder in use stays “%1”.").arg(m_settings.defaultOutputDirectory());
    }
    m_outputDirectoryProblem->setText(reason);
    m_outputDirectoryProblem->setVisible(!reason.isEmpty());
}

void SettingsView::chooseCookieFile()
{
    if (const auto path = m_choosers.cookieFile(this, m_settings.cookieFilePath())) {
        m_settings.setCookieFilePath(*path);
        m_cookieFile->setText(*path);
        updateCookieClear();
    }
}

void SettingsView::languageChosen(int index)
{
    const auto language = AppLanguages::fromRawValue(m_language->itemData(index).toString());
    if (!language)
        return;
    const QString before = m_settings.selectedAppLanguage();
    m_settings.setSelectedAppLanguage(*language);
    if (m_settings.selectedAppLanguage() != before)
        m_applyLanguage(m_settings.selectedAppLanguage());
}

void SettingsView::restoreDefaults()
{
    if (!m_confirmRestore(this))
        return;
    const AppLanguage before = m_settings.appLanguage();
    m_settings.restoreDefaults();
    load();
    if (m_settings.appLanguage() != before)
        m_applyLanguage(m_settings.selectedAppLanguage());
}

void SettingsView::retranslate()
{
    fillPickers();
    m_general->setTitle(tr("General"));
    m_authentication->setTitle(tr("Authentication"));
    m_downloads->setTitle(tr("Downloads"));
    m_behavior->setTitle(tr("Behavior"));
    m_advanced->setTitle(tr("Advanced"));
    m_generalFooter->setText(tr("New downloads are saved to this folder."));
    m_authenticationFooter->setText(
        tr("Optional Netscape-format cookies.txt for sites that require login. Cookie contents stay in the selected file."));
    m_downloadsFooter->setText(tr("Defaults apply to new downloads. Range 1–4; default 2."));
    m_behaviorFooter->setText(tr("Keep failed tasks retains entries after a download fails so you can inspect the error."));
    m_advancedFooter->setText(tr("Defaults for new downloads; \"More options\" on the preview card changes them for "
                                 "one download."));
    m_restoreFooter->setText(tr("Restores every setting above to its default value."));

    setLabel(m_generalForm, m_language, tr("Language"));
    m_language->setAccessibleName(tr("Language"));
    setLabel(m_generalForm, m_outputDirectory->parentWidget(), tr("Default output directory"));
    m_outputDirectory->setAccessibleName(tr("Default output directory"));
    m_chooseDirectory->setText(tr("Choose…"));
    setLabel(m_authenticationForm, m_cookieFile->parentWidget(), tr("Cookies file"));
    m_cookieFile->setAccessibleName(tr("Cookies file"));
    m_chooseCookieFile->setText(tr("Choose…"));
    m_clearCookieFile->setText(tr("Clear"));

    setLabel(m_downloadsForm, m_mediaType, tr("Media type"));
    m_mediaType->setAccessibleName(tr("Media type"));
    setLabel(m_downloadsForm, m_videoQuality, tr("Video quality"));
    m_videoQuality->setAccessibleName(tr("Video quality"));
    setLabel(m_downloadsForm, m_audioFormat, tr("Audio format"));
    m_audioFormat->setAccessibleName(tr("Audio format"));
    setLabel(m_downloadsForm, m_subtitleMode, tr("Subtitles"));
    m_subtitleMode->setAccessibleName(tr("Subtitles"));
    setLabel(m_downloadsForm, m_subtitleLanguage, tr("Subtitle language"));
    m_subtitleLanguage->setAccessibleName(tr("Subtitle language"));
    setLabel(m_downloadsForm, m_concurrency->parentWidget(), tr("Max simultaneous downloads"));
    m_concurrency->setAccessibleName(tr("Max simultaneous downloads"));
    m_decrease->setAccessibleName(tr("Decrease simultaneous downloads"));
    m_decrease->setToolTip(tr("Decrease simultaneous downloads"));
    m_increase->setAccessibleName(tr("Increase simultaneous downloads"));
    m_increase->setToolTip(tr("Increase simultaneous downloads"));

    m_notify->setText(tr("Notify on download completion"));
    m_keepFailed->setText(tr("Keep failed tasks in the list"));
    m_verboseLogs->setText(tr("Show verbose logs in job details"));
    m_checkForToolUpdates->setText(tr("Check for tool updates"));
    m_checkForToolUpdates->setToolTip(
        tr("Once a week, ask GitHub whether a newer yt-dlp exists and say so. Nothing is installed without you."));
    setLabel(m_behaviorForm, m_toolUpdateChannel, tr("yt-dlp updates"));
    m_toolUpdateChannel->setAccessibleName(tr("yt-dlp updates"));
    m_watchClipboard->setText(tr("Offer to analyze links I copy while Tarvelle is open"));
    m_fetchChallengeSolver->setText(tr("Fetch the JavaScript challenge solver when a site needs it"));
    m_fetchChallengeSolver->setToolTip(
        tr("yt-dlp downloads the challenge-solver scripts of yt-dlp-ejs from GitHub (github.com/yt-dlp/ejs) once, "
           "checks them against the digests it carries before using them, and keeps them in Tarvelle's cache "
           "folder. They run in the shipped deno."));
    m_restoreDefaults->setText(tr("Restore Defaults"));
    showFolderProblem();
}

void SettingsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
