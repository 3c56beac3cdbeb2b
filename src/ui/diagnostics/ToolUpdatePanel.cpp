#include "ui/diagnostics/ToolUpdatePanel.h"

#include "settings/AppSettings.h"
#include "ui/widgets/Background.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

ToolUpdatePanel::ToolUpdatePanel(AppSettings &settings, ToolUpdater &updater, QString userToolsDirectory,
                                 QWidget *parent)
    : QGroupBox(parent)
    , m_settings(settings)
    , m_updater(updater)
    , m_userToolsDirectory(std::move(userToolsDirectory))
    , m_notice(plainLabel(QStringLiteral("toolUpdateNotice"), this))
    , m_updateYtDlp(new QPushButton(this))
    , m_updateDeno(new QPushButton(this))
    , m_rollbackButton(new QPushButton(this))
    , m_cancel(new QPushButton(this))
    , m_step(plainLabel(QStringLiteral("toolUpdateStep"), this))
    , m_progress(new QProgressBar(this))
    , m_message(plainLabel(QStringLiteral("toolUpdateMessage"), this))
{
    setObjectName(QStringLiteral("diagnosticsUpdatesSection"));
    m_updateYtDlp->setObjectName(QStringLiteral("toolUpdateYtDlpButton"));
    m_updateDeno->setObjectName(QStringLiteral("toolUpdateDenoButton"));
    m_rollbackButton->setObjectName(QStringLiteral("toolRollbackButton"));
    m_cancel->setObjectName(QStringLiteral("toolUpdateCancelButton"));
    m_progress->setObjectName(QStringLiteral("toolUpdateProgress"));
    for (QPushButton *button : {m_updateYtDlp, m_updateDeno, m_rollbackButton, m_cancel})
        button->setAutoDefault(false);
    m_notice->setFont(Fonts::caption());
    m_step->setFont(Fonts::caption());
    setForeground(m_step, SemanticColor::secondary);
    m_message->setFont(Fonts::caption());
    m_progress->setTextVisible(false);
    m_progress->setMaximumWidth(260);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_updateYtDlp);
    buttons->addWidget(m_updateDeno);
    buttons->addWidget(m_rollbackButton);
    buttons->addStretch();
    auto *progressLine = new QHBoxLayout;
    progressLine->setSpacing(8);
    progressLine->addWidget(m_progress);
    progressLine->addWidget(m_step, 1);
    progressLine->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(m_notice);
    layout->addLayout(buttons);
    layout->addLayout(progressLine);
    layout->addWidget(m_message);

    connect(m_updateYtDlp, &QPushButton::clicked, this, [this] { startUpdate(QStringLiteral("yt-dlp")); });
    connect(m_updateDeno, &QPushButton::clicked, this, [this] { startUpdate(QStringLiteral("deno")); });
    connect(m_rollbackButton, &QPushButton::clicked, this, &ToolUpdatePanel::rollback);
    connect(m_cancel, &QPushButton::clicked, &m_updater, &ToolUpdater::cancel);
    connect(&m_updater, &ToolUpdater::stepChanged, this, [this](UpdateStep step) {
        m_step->setText(UpdateSteps::description(step) + QStringLiteral("…"));
        // Busy until the download reports its size, and for the steps after it.
        m_progress->setRange(0, 0);
    });
    connect(&m_updater, &ToolUpdater::downloadProgress, this, &ToolUpdatePanel::showProgress);
    connect(&m_updater, &ToolUpdater::finished, this, &ToolUpdatePanel::updateEnded);
    connect(&m_rollback, &QFutureWatcherBase::finished, this, &ToolUpdatePanel::rollbackEnded);

    retranslate();
    showBusy(m_updater.isRunning());
    if (m_updater.isRunning()) {
        m_step->setText(UpdateSteps::description(m_updater.currentStep()) + QStringLiteral("…"));
        m_progress->setRange(0, 0);
        showProgress(m_updater.lastProgress().first, m_updater.lastProgress().second);
    }
}

void ToolUpdatePanel::showProgress(qint64 received, qint64 total)
{
    if (total <= 0)
        return;
    m_progress->setRange(0, 1000);
    m_progress->setValue(static_cast<int>(received * 1000 / total));
}

bool ToolUpdatePanel::isBusy() const
{
    return m_updater.isRunning() || m_rollingBack;
}

void ToolUpdatePanel::startUpdate(const QString &tool)
{
    if (isBusy())
        return;
    m_message->clear();
    showBusy(true);
    m_updater.update(tool, m_settings.toolUpdateChannel());
}

void ToolUpdatePanel::rollback()
{
    if (isBusy())
        return;
    m_message->clear();
    m_rollingBack = true;
    showBusy(true);
    m_cancel->setVisible(false);
    m_step->setText(tr("Rolling back…"));
    m_progress->setRange(0, 0);
    // It checks the earlier files' digests: off the GUI thread.
    m_rollback.setFuture(runInBackground([folder = m_userToolsDirectory] { return ToolInstaller::rollback(folder); }));
}

void ToolUpdatePanel::updateEnded(const ToolUpdateResult &result)
{
    showBusy(false);
    m_message->setText(result.message());
    const bool good = result.kind != ToolUpdateResult::Kind::failed && result.kind != ToolUpdateResult::Kind::cancelled;
    setForeground(m_message, good ? SemanticColor::green : SemanticColor::red);
    if (result.tool == QLatin1String("yt-dlp")
        && (result.kind == ToolUpdateResult::Kind::installed || result.kind == ToolUpdateResult::Kind::upToDate)) {
        m_settings.recordToolUpdateCheck(QDateTime::currentDateTimeUtc(), std::nullopt);
        showNotice();
    }
    if (result.kind == ToolUpdateResult::Kind::installed)
        emit toolsChanged();
}

void ToolUpdatePanel::rollbackEnded()
{
    m_rollingBack = false;
    showBusy(false);
    const ToolInstaller::RollbackResult result = m_rollback.result();
    if (result.failure) {
        m_message->setText(tr("Nothing was rolled back: %1").arg(*result.failure));
        setForeground(m_message, SemanticColor::red);
        return;
    }
    QStringList changes;
    for (const ToolInstaller::RolledBack &change : result.changes)
        changes << tr("%1 is back to %2.").arg(change.tool, change.to ? *change.to : tr("the shipped tool"));
    m_message->setText(changes.isEmpty() ? tr("The tools in use are the same as before.") : changes.join(QLatin1Char(' ')));
    setForeground(m_message, SemanticColor::green);
    emit toolsChanged();
}

void ToolUpdatePanel::showBusy(bool busy)
{
    m_updateYtDlp->setEnabled(!busy);
    m_updateDeno->setEnabled(!busy);
    m_rollbackButton->setEnabled(!busy);
    m_cancel->setVisible(busy);
    m_progress->setVisible(busy);
    m_step->setVisible(busy);
    if (!busy)
        m_progress->reset();
}

void ToolUpdatePanel::showNotice()
{
    const std::optional<QString> newer = m_settings.newerYtDlp();
    m_notice->setVisible(newer.has_value());
    if (newer) {
        m_notice->setText(tr("A newer yt-dlp is available: %1.").arg(*newer));
        setForeground(m_notice, SemanticColor::orange);
    }
}

void ToolUpdatePanel::retranslate()
{
    setTitle(tr("Tool Updates"));
    m_updateYtDlp->setText(tr("Update yt-dlp"));
    m_updateDeno->setText(tr("Update deno"));
    m_rollbackButton->setText(tr("Roll Back Last Update"));
    m_cancel->setText(tr("Cancel"));
    showNotice();
}

void ToolUpdatePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QGroupBox::changeEvent(event);
}
