#include "ui/history/HistoryView.h"

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/JobRecord.h"
#include "history/HistoryStore.h"
#include "services/ClipboardService.h"
#include "services/FileService.h"
#include "ui/downloads/DownloadChoices.h"
#include "ui/history/FilePresence.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/HistoryListView.h"
#include "ui/widgets/EmptyStatePanel.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/OpenFailureMessage.h"
#include "ui/widgets/SegmentedPicker.h"

#include <QAbstractButton>
#include <QEvent>
#include <QShowEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QStringList filterLabels()
{
    QStringList labels;
    for (const HistoryFilter filter : HistoryPresentation::filters())
        labels << HistoryPresentation::filterLabel(filter);
    return labels;
}

bool askToClear(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, HistoryView::tr("Clear History"),
                    HistoryView::tr("Clear all download history?"), QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("clearHistoryConfirm"));
    box.setInformativeText(HistoryView::tr("This permanently removes every history record. This action cannot be undone."));
    QPushButton *clear = box.addButton(HistoryView::tr("Clear History"), QMessageBox::DestructiveRole);
    clear->setObjectName(QStringLiteral("confirmClearHistoryButton"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.clickedButton() == clear;
}

} // namespace

HistoryView::Actions HistoryView::desktopActions()
{
    return {
        [](const QString &path, OpenDone done) { FileService::shared().openFile(path, std::move(done)); },
        [](const QString &path, OpenDone done) { FileService::shared().revealInFinder(path, std::move(done)); },
        askToClear,
    };
}

HistoryView::HistoryView(AppState &state, ThumbnailLoader &thumbnails, QWidget *parent)
    : QWidget(parent), m_state(state), m_actions(desktopActions()), m_model(new HistoryListModel(this)),
      m_presence(new FilePresence(this)), m_filter(new SegmentedPicker(filterLabels(), this)),
      m_search(new QLineEdit(this)), m_count(new QLabel(this)), m_clear(new QPushButton(this)),
      m_content(new QStackedWidget(this)), m_empty(new EmptyStatePanel(QStringLiteral("clock.arrow.circlepath"), this)),
      m_list(new HistoryListView(*m_model, *m_presence, thumbnails, this))
{
    setObjectName(QStringLiteral("historyView"));

    m_filter->setObjectName(QStringLiteral("historyFilterPicker"));
    m_filter->setFixedWidth(240);
    m_filter->setCurrentIndex(0);
    m_search->setObjectName(QStringLiteral("historySearchField"));
    m_search->setFixedWidth(220);
    m_search->setClearButtonEnabled(true);
    m_count->setObjectName(QStringLiteral("historyItemCount"));
    m_count->setFont(Fonts::caption());
    setForeground(m_count, SemanticColor::secondary);
    m_clear->setObjectName(QStringLiteral("clearHistoryButton"));
    m_clear->setAutoDefault(false);
    setForeground(m_clear, SemanticColor::red);
    m_empty->setObjectName(QStringLiteral("historyEmptyState"));

    auto *toolbar = new QHBoxLayout;
    toolbar->setContentsMargins(16, 12, 16, 12);
    toolbar->setSpacing(10);
    toolbar->addWidget(m_filter);
    toolbar->addWidget(m_search);
    toolbar->addStretch();
    toolbar->addWidget(m_count);
    toolbar->addWidget(m_clear);

    m_content->addWidget(m_empty);
    m_content->addWidget(m_list);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(toolbar);
    layout->addWidget(m_content, 1);

    // A new filter or search shows its results from the top; a reload after
    // a removal keeps the place.
    connect(m_filter, &SegmentedPicker::currentIndexChanged, this, [this](int index) {
        m_model->setFilter(HistoryPresentation::filters().value(index, HistoryFilter::all));
        m_list->verticalScrollBar()->setValue(0);
    });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_model->setSearch(text);
        m_list->verticalScrollBar()->setValue(0);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &HistoryView::updateContent);
    connect(m_clear, &QPushButton::clicked, this, &HistoryView::clearHistory);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    connect(m_list, &HistoryListView::openRequested, this, [this](const QString &path) {
        m_actions.open(path, OpenFailureMessage::reporter(this, path));
    });
    connect(m_list, &HistoryListView::revealRequested, this, [this](const QString &path) {
        m_actions.reveal(path, OpenFailureMessage::reporter(this, path, OpenFailureMessage::Action::reveal));
    });
    connect(m_list, &HistoryListView::retryRequested, this, &HistoryView::retry);
    connect(m_list, &HistoryListView::copyLinkRequested, this,
            [](const DownloadHistory &record) { ClipboardService::shared().writeString(record.sourceURL); });
    connect(m_list, &HistoryListView::removeRequested, this, &HistoryView::remove);

    retranslate();
    updateContent();
}

void HistoryView::reload()
{
    m_model->setRecords(m_state.historyStore().all());
}

void HistoryView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        reload();
}

void HistoryView::updateContent()
{
    const qsizetype total = m_model->totalCount();
    const int shown = m_model->rowCount();
    m_count->setVisible(total > 0);
    // The rows shown, and of how many, once the filter or search leaves some out.
    m_count->setText(shown == total ? tr("%n item(s)", nullptr, int(total)) : tr("%1 of %2").arg(shown).arg(total));
    if (total == 0)
        m_empty->setTexts(tr("No Download History"), tr("Completed and failed downloads will appear here."));
    else
        m_empty->setTexts(tr("No matches"), tr("No download matches the filter and search."));
    m_content->setCurrentWidget(shown == 0 ? static_cast<QWidget *>(m_empty) : m_list);
}

void HistoryView::clearHistory()
{
    if (!m_actions.confirmClear(this))
        return;
    m_state.historyStore().clear();
    reload();
}

void HistoryView::remove(const QUuid &storeId)
{
    DownloadHistory record;
    record.storeId = storeId;
    m_state.historyStore().remove(record);
    reload();
}

void HistoryView::retry(const DownloadHistory &record)
{
    const DownloadChoices choices = DownloadChoices::recordedIn(record, DownloadChoices::fromSettings(m_state.settings()));
    const DownloadJobPtr job = DownloadJob::create(record.sourceURL, choices.mediaType, choices.videoQuality,
                                                   choices.audioFormat, choices.subtitleMode, choices.subtitleLang);
    job->setListPlacement(JobRecord::listPlacement(record));
    m_state.coordinator().queue().add(job);
    m_state.setSelectedTab(SidebarSelection::downloads);
}

void HistoryView::retranslate()
{
    m_search->setPlaceholderText(tr("Search title"));
    m_search->setAccessibleName(tr("Search title"));
    m_filter->setAccessibleName(tr("Filter"));
    const QList<QAbstractButton *> segments = m_filter->findChildren<QAbstractButton *>();
    const QStringList labels = filterLabels();
    for (int i = 0; i < segments.size() && i < labels.size(); ++i) {
        segments.at(i)->setText(labels.at(i));
        segments.at(i)->setAccessibleName(labels.at(i));
    }
    m_clear->setText(tr("Clear History"));
    updateContent();
}

void HistoryView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
