#include "ui/downloads/DownloadsView.h"

#include "analysis/YTDLPClient.h"
#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/ListJobs.h"
#include "engine/ListPlacement.h"
#include "process/WhenFinished.h"
#include "services/ClipboardService.h"
#include "services/FileService.h"
#include "settings/AppSettings.h"
#include "settings/AppState.h"
#include "ui/downloads/BatchDownloadSheet.h"
#include "ui/downloads/ListPreviewCard.h"
#include "ui/downloads/PreviewCard.h"
#include "ui/downloads/QueueNoticeBar.h"
#include "ui/downloads/RemoveJobQuestion.h"
#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobListView.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/OpenFailureMessage.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QLabel *headline(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Fonts::headline());
    return label;
}

// White space other than line breaks, from both ends.
QString trimmedSpaces(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    const auto isSpace = [](QChar c) { return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space; };
    while (begin < end && isSpace(line.at(begin)))
        ++begin;
    while (end > begin && isSpace(line.at(end - 1)))
        --end;
    return line.mid(begin, end - begin);
}

QWidget *emptyPlaceholder(QWidget *parent)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QStringLiteral("emptyDownloadsPlaceholder"));
    auto *layout = new QVBoxLayout(box);
    layout->addStretch();
    auto *icon = new QLabel(box);
    const int size = QFontMetrics(Fonts::largeSymbolFont()).height() + 8;
    setTintedSymbol(icon, QStringLiteral("tray"), SemanticColor::secondary, size);
    icon->setAlignment(Qt::AlignCenter);
    auto *text = new QLabel(QCoreApplication::translate("DownloadsView", "No downloads yet"), box);
    QFont font = Fonts::title3();
    font.setWeight(QFont::Bold);
    text->setFont(font);
    text->setAlignment(Qt::AlignCenter);
    setForeground(text, SemanticColor::secondary);
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addStretch();
    return box;
}

} // namespace

DownloadsView::DownloadsView(AppState &state, ThumbnailLoader &thumbnails, QWidget *parent)
    : QWidget(parent), m_state(state), m_thumbnails(thumbnails),
      m_choices(DownloadChoices::fromSettings(state.settings()))
{
    setObjectName(QStringLiteral("downloadsView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Input section.
    auto *input = new QWidget(this);
    m_inputLayout = new QVBoxLayout(input);
    m_inputLayout->setContentsMargins(16, 16, 16, 16);
    m_inputLayout->setSpacing(10);
    m_inputLayout->addWidget(headline(tr("Add Media"), input));

    auto *focusShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    focusShortcut->setObjectName(QStringLiteral("focusInputShortcut"));
    connect(focusShortcut, &QShortcut::activated, this, &DownloadsView::focusInput);

    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    m_urlField = new QLineEdit(input);
    m_urlField->setObjectName(QStringLiteral("urlInput"));
    m_urlField->setAccessibleName(tr("Link"));
    m_urlField->setAccessibleDescription(tr("Enter a media URL, then press Return or Analyze"));
    m_urlField->setPlaceholderText(tr("Paste a video or playlist link, then press Return"));
    m_urlField->setClearButtonEnabled(true);
    // A drop on the field goes to the window, which puts one link here and
    // queues several, as for links handed in any other way.
    m_urlField->setAcceptDrops(false);
    row->addWidget(m_urlField, 1);

    const auto button = [input, row](const QString &text, const char *name) {
        auto *b = new QPushButton(text, input);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(text);
        row->addWidget(b);
        return b;
    };
    auto *pasteButton = button(tr("Paste"), "pasteButton");
    pasteButton->setIcon(QIcon::fromTheme(QStringLiteral("edit-paste")));
    m_analyzeButton = button(tr("Analyze"), "analyzeButton");
    m_analyzeButton->setDefault(true);
    m_downloadAllButton = button(tr("Download All"), "downloadAllButton");
    auto *batchButton = button(tr("Batch…"), "batchButton");
    m_busy = new QProgressBar(input);
    m_busy->setObjectName(QStringLiteral("analyzeProgress"));
    m_busy->setAccessibleName(tr("Analyzing"));
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setFixedSize(48, 8);
    // Its place is kept while hidden, so the link field keeps its width when
    // an analysis starts.
    QSizePolicy busyPolicy = m_busy->sizePolicy();
    busyPolicy.setRetainSizeWhenHidden(true);
    m_busy->setSizePolicy(busyPolicy);
    m_busy->hide();
    row->addWidget(m_busy);
    m_inputLayout->addLayout(row);

    m_errorRow = new QWidget(input);
    m_errorRow->setObjectName(QStringLiteral("analyzeErrorRow"));
    auto *errorLayout = new QHBoxLayout(m_errorRow);
    errorLayout->setContentsMargins(0, 0, 0, 0);
    errorLayout->setSpacing(6);
    auto *errorIcon = new QLabel(m_errorRow);
    setTintedSymbol(errorIcon, QStringLiteral("exclamationmark.triangle"), SemanticColor::red,
                    QFontMetrics(Fonts::caption()).height());
    m_errorText = new QLabel(m_errorRow);
    m_errorText->setObjectName(QStringLiteral("analyzeErrorLabel"));
    m_errorText->setAccessibleDescription(tr("Analysis error"));
    m_errorText->setTextFormat(Qt::PlainText);
    m_errorText->setFont(Fonts::caption());
    m_errorText->setWordWrap(true);
    setForeground(m_errorText, SemanticColor::red);
    errorLayout->addWidget(errorIcon);
    errorLayout->addWidget(m_errorText, 1);
    m_errorRow->hide();
    m_inputLayout->addWidget(m_errorRow);
    layout->addWidget(input);

    auto *divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    // Jobs section.
    auto *jobsHeading = headline(tr("Downloads"), this);
    jobsHeading->setContentsMargins(16, 8, 16, 4);
    layout->addWidget(jobsHeading);
    if (QueuePersistence *persistence = state.queuePersistence())
        layout->addWidget(new QueueNoticeBar(*persistence, state.coordinator(), this));
    m_jobsStack = new QStackedWidget(this);
    m_jobsStack->addWidget(emptyPlaceholder(this));
    m_model = new JobListModel(state.coordinator().queue(), this);
    AppSettings &settings = state.settings();
    m_model->setOffersEveryLog(settings.showVerboseLogs());
    connect(&settings, &AppSettings::showVerboseLogsChanged, m_model,
            [this, &settings] { m_model->setOffersEveryLog(settings.showVerboseLogs()); });
    m_jobList = new JobListView(thumbnails, m_jobsStack);
    m_jobList->setJobModel(m_model);
    m_jobsStack->addWidget(m_jobList);
    layout->addWidget(m_jobsStack, 1);

    connect(m_urlField, &QLineEdit::textChanged, this, &DownloadsView::textEdited);
    connect(m_urlField, &QLineEdit::returnPressed, this, &DownloadsView::analyze);
    connect(pasteButton, &QPushButton::clicked, this, &DownloadsView::paste);
    connect(m_analyzeButton, &QPushButton::clicked, this, &DownloadsView::analyze);
    connect(m_downloadAllButton, &QPushButton::clicked, this, &DownloadsView::downloadAll);
    connect(batchButton, &QPushButton::clicked, this, &DownloadsView::openBatchSheet);
    connect(m_jobList, &JobListView::actionTriggered, this, &DownloadsView::rowAction);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &DownloadsView::updateListPlaceholder);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &DownloadsView::updateListPlaceholder);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DownloadsView::updateListPlaceholder);

    textEdited();
    updateListPlaceholder();
}

DownloadsView::~DownloadsView()
{
    if (m_analyzing)
        m_cancel.cancel();
}

std::optional<QString> DownloadsView::firstURL(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    for (const QString &line : text.split(lineBreak, Qt::SkipEmptyParts)) {
        const QString trimmed = trimmedSpaces(line);
        if (!trimmed.isEmpty())
            return trimmed;
    }
    return std::nullopt;
}

void DownloadsView::focusInput()
{
    m_urlField->setFocus(Qt::ShortcutFocusReason);
}

void DownloadsView::showLink(const QString &link)
{
    showPreview(std::nullopt);
    showAnalyzeError(std::nullopt);
    m_urlField->setText(link);
    textEdited();
    focusInput();
}

void DownloadsView::openBatchFile(const QString &path)
{
    openBatchSheet()->importFile(path);
}

void DownloadsView::textEdited()
{
    const bool hasLink = firstURL(m_urlField->text()).has_value();
    m_analyzeButton->setEnabled(hasLink && !m_analyzing);
    m_downloadAllButton->setEnabled(hasLink);
}

void DownloadsView::analyze()
{
    if (const auto url = firstURL(m_urlField->text()))
        analyzeLink(*url);
}

void DownloadsView::analyzeLink(const QString &url)
{
    if (m_analyzing)
        return;
    m_analyzing = true;
    showAnalyzeError(std::nullopt);
    showPreview(std::nullopt);
    m_urlField->setEnabled(false);
    m_busy->show();
    textEdited();

    m_cancel = AnalysisCancelToken();
    whenFinished(m_state.coordinator().client().analyze(url, m_cancel, YTDLPClient::KeepInfo::yes,
                                                              YTDLPClient::Scope::linkedItem), this,
                 [this](const AnalyzeResult &result) {
                     m_analyzing = false;
                     m_busy->hide();
                     m_urlField->setEnabled(true);
                     textEdited();
                     if (result.hasMetadata()) {
                         showPreview(result.metadata(), result.savedInfo(), result.enclosingList());
                     } else if (result.hasList()) {
                         // No video of it could be described: the list is all there is.
                         MediaList list = result.list();
                         list.linkedEntry.reset();
                         showListPreview(list);
                     } else {
                         showAnalyzeError(QCoreApplication::translate("DownloadErrorCategory", result.message()));
                     }
                     emit analysisFinished();
                 });
}

void DownloadsView::downloadAll()
{
    m_state.coordinator().addURLs(m_urlField->text());
    resetInput();
}

void DownloadsView::downloadOne(const MediaMetadata &record, const DownloadChoices &choices)
{
    const DownloadJobPtr job = DownloadJob::create(record.webpageUrl, choices.mediaType, choices.videoQuality,
                                                   choices.audioFormat, choices.subtitleMode, choices.subtitleLang);
    job->setAdvancedOptions(choices.advanced);
    // A video of a list's own page is fetched as that list's item, never as
    // its first one.
    if (m_enclosingList && m_enclosingList->linkedEntry) {
        const MediaListEntry &entry = m_enclosingList->entries.at(*m_enclosingList->linkedEntry - 1);
        job->setListPlacement(ListPlacement{m_enclosingList->title, entry.index, entry.fetchFromList});
    }
    job->setMetadata(record);
    job->setSavedInfo(m_previewInfo);
    m_state.coordinator().queue().add(job);
    resetInput();
}

void DownloadsView::downloadEntries(const MediaList &list, const QList<int> &indices, const DownloadChoices &choices)
{
    const ListJobs::Options options{choices.mediaType,   choices.videoQuality,  choices.audioFormat,
                                    choices.subtitleMode, choices.subtitleLang, choices.advanced};
    DownloadQueue &queue = m_state.coordinator().queue();
    queue.append(ListJobs::create(list, indices, options));
    queue.pump();
    // Whether to pass over what was downloaded before is remembered for the
    // next list.
    m_state.settings().setSkipDownloadedEntries(choices.advanced.skipDownloaded);
    resetInput();
}

void DownloadsView::resetInput()
{
    showPreview(std::nullopt);
    showAnalyzeError(std::nullopt);
    m_urlField->clear();
}

void DownloadsView::showPreview(const std::optional<MediaMetadata> &record, std::shared_ptr<const SavedInfo> savedInfo,
                                const std::optional<MediaList> &enclosingList)
{
    m_previewInfo = std::move(savedInfo);
    m_linkedVideo = enclosingList ? record : std::nullopt;
    m_enclosingList = record ? enclosingList : std::nullopt;
    showListPreview(std::nullopt);
    if (m_preview) {
        m_preview->hide();
        m_preview->deleteLater();
        m_preview = nullptr;
    }
    if (!record)
        return;
    m_preview = new PreviewCard(*record, m_choices, m_thumbnails, this);
    m_preview->setCookiesFileInUse(!m_state.settings().cookieFilePath().isEmpty());
    connect(m_preview, &PreviewCard::choicesChanged, this, [this](const DownloadChoices &choices) {
        m_choices = choices;
        // The next link keeps the card's choices, but a time range belongs
        // to this one.
        m_choices.advanced.timeRange.reset();
    });
    connect(m_preview, &PreviewCard::downloadRequested, this, &DownloadsView::downloadOne);
    if (m_enclosingList) {
        m_preview->setEnclosingList(*m_enclosingList);
        connect(m_preview, &PreviewCard::listRequested, this, &DownloadsView::showEnclosingList);
    }
    m_inputLayout->addWidget(m_preview);
}

void DownloadsView::showEnclosingList()
{
    if (!m_enclosingList || !m_preview)
        return;
    m_preview->hide();
    m_preview->deleteLater();
    m_preview = nullptr;
    showListPreview(m_enclosingList);
}

void DownloadsView::showLinkedVideo()
{
    if (!m_linkedVideo)
        return;
    // Copies: showPreview() replaces what they are read from.
    const MediaMetadata video = *m_linkedVideo;
    const MediaList list = *m_enclosingList;
    showPreview(video, m_previewInfo, list);
}

void DownloadsView::showListPreview(const std::optional<MediaList> &list)
{
    if (m_listPreview) {
        m_listPreview->hide();
        m_listPreview->deleteLater();
        m_listPreview = nullptr;
    }
    if (!list)
        return;
    DownloadChoices choices = m_choices;
    choices.advanced.skipDownloaded = m_state.settings().skipDownloadedEntries();
    m_listPreview = new ListPreviewCard(*list, choices, m_thumbnails, this);
    connect(m_listPreview, &ListPreviewCard::choicesChanged, this,
            [this](const DownloadChoices &choices) {
                m_choices = choices;
                // A list's choice: a single video is always fetched.
                m_choices.advanced.skipDownloaded = false;
            });
    connect(m_listPreview, &ListPreviewCard::downloadRequested, this, &DownloadsView::downloadEntries);
    connect(m_listPreview, &ListPreviewCard::onlyLinkedEntryRequested, this, &DownloadsView::showLinkedVideo);
    m_inputLayout->addWidget(m_listPreview);
}

void DownloadsView::showAnalyzeError(const std::optional<QString> &message)
{
    m_errorText->setText(message.value_or(QString()));
    m_errorRow->setVisible(message.has_value());
}

void DownloadsView::paste()
{
    // The clipboard's text replaces the field as it is, line breaks included.
    if (const auto text = ClipboardService::shared().readString())
        m_urlField->setText(*text);
}

BatchDownloadSheet *DownloadsView::openBatchSheet()
{
    auto *sheet = new BatchDownloadSheet(this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &BatchDownloadSheet::queueRequested, this,
            [this](const QString &links) { m_state.coordinator().addURLs(links); });
    sheet->open();
    return sheet;
}

void DownloadsView::rowAction(const DownloadJobPtr &job, JobRowAction action)
{
    DownloadCoordinator &coordinator = m_state.coordinator();
    switch (action) {
    case JobRowAction::cancel:
        coordinator.cancel(job);
        break;
    case JobRowAction::retry:
        coordinator.retry(job);
        break;
    case JobRowAction::open:
        FileService::shared().openFile(job->outputPath(), OpenFailureMessage::reporter(this, job->outputPath()));
        break;
    case JobRowAction::reveal:
        FileService::shared().revealInFinder(
            job->outputPath(), OpenFailureMessage::reporter(this, job->outputPath(), OpenFailureMessage::Action::reveal));
        break;
    case JobRowAction::remove:
        RemoveJobQuestion::removeJob(job, coordinator, this);
        break;
    case JobRowAction::copyLink:
        ClipboardService::shared().writeString(job->url());
        break;
    }
}

void DownloadsView::updateListPlaceholder()
{
    m_jobsStack->setCurrentIndex(m_model->rowCount() > 0 ? 1 : 0);
}
