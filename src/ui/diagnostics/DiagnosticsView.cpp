#include "ui/diagnostics/DiagnosticsView.h"

#include "diagnostics/DiagnosticsPresentation.h"
#include "diagnostics/EngineDiagnostics.h"
#include "services/ClipboardService.h"
#include "services/FileService.h"
#include "settings/AppConfiguration.h"
#include "ui/diagnostics/AboutView.h"
#include "ui/diagnostics/ToolDiagnosticRow.h"
#include "ui/diagnostics/LeftoverFilesPanel.h"
#include "ui/diagnostics/ToolUpdatePanel.h"
#include "ui/widgets/Background.h"
#include "ui/widgets/EmptyStatePanel.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QDir>
#include <QEvent>
#include <QShowEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {

QLabel *plain(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}


// A symbol and a text side by side, as one labelled item; nothing: the text colour.
QWidget *symbolLabel(const QString &objectName, const QString &symbol, const QString &text,
                     std::optional<SemanticColor> colour, const QFont &font, QWidget *parent)
{
    auto *container = new QWidget(parent);
    container->setObjectName(objectName);
    container->setAccessibleName(text);
    auto *layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto *icon = new QLabel(container);
    setTintedSymbol(icon, symbol, colour, QFontMetrics(font).height());
    auto *label = plain(objectName + QStringLiteral("Text"), text, container);
    label->setFont(font);
    if (colour)
        setForeground(label, *colour);
    layout->addWidget(icon);
    layout->addWidget(label);
    return container;
}

DiagnosticsResult gather(const std::optional<QString> &resources)
{
    return {EngineDiagnostics::run(resources), QSysInfo::prettyProductName()};
}

} // namespace

DiagnosticsView::DiagnosticsView(AppSettings &settings, ToolUpdater &updater, QWidget *parent)
    : QWidget(parent),
      m_openDocument([](const QString &path, OpenDone done) { FileService::shared().openFile(path, std::move(done)); }),
      m_title(new QLabel(this)), m_subtitle(new QLabel(this)), m_aboutButton(new QPushButton(this)),
      m_refresh(new QPushButton(this)), m_copy(new QPushButton(this)), m_body(new QStackedWidget(this)),
      m_runningPage(new QWidget(m_body)), m_runningLabel(new QLabel(m_runningPage)),
      m_empty(new EmptyStatePanel(QStringLiteral("stethoscope"), m_body)), m_reportPage(new QWidget),
      m_updates(new ToolUpdatePanel(settings, updater, AppConfiguration::userToolsDirectory(), this))
{
    setObjectName(QStringLiteral("diagnosticsView"));
    m_title->setObjectName(QStringLiteral("diagnosticsTitle"));
    m_title->setFont(Fonts::headline());
    m_subtitle->setObjectName(QStringLiteral("diagnosticsSubtitle"));
    m_subtitle->setFont(Fonts::caption());
    // Beside three buttons at the smallest window it takes two lines.
    m_subtitle->setWordWrap(true);
    setForeground(m_subtitle, SemanticColor::secondary);
    m_aboutButton->setObjectName(QStringLiteral("diagnosticsAboutButton"));
    m_refresh->setObjectName(QStringLiteral("diagnosticsRefreshButton"));
    m_copy->setObjectName(QStringLiteral("diagnosticsCopyButton"));
    for (QPushButton *button : {m_aboutButton, m_refresh, m_copy})
        button->setAutoDefault(false);

    auto *titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(m_title);
    titles->addWidget(m_subtitle);
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addLayout(titles, 1);
    header->addWidget(m_aboutButton);
    header->addWidget(m_refresh);
    header->addWidget(m_copy);

    m_runningPage->setObjectName(QStringLiteral("diagnosticsRunning"));
    m_runningLabel->setObjectName(QStringLiteral("diagnosticsRunningLabel"));
    auto *bar = new QProgressBar(m_runningPage);
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setMaximumWidth(260);
    auto *runningLayout = new QVBoxLayout(m_runningPage);
    runningLayout->addStretch();
    runningLayout->addWidget(bar, 0, Qt::AlignHCenter);
    runningLayout->addWidget(m_runningLabel, 0, Qt::AlignHCenter);
    runningLayout->addStretch(2);

    m_empty->setObjectName(QStringLiteral("diagnosticsEmptyState"));

    auto *scroll = new QScrollArea(m_body);
    scroll->setObjectName(QStringLiteral("diagnosticsReport"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    m_reportLayout = new QVBoxLayout(m_reportPage);
    m_reportLayout->setContentsMargins(0, 0, 4, 0);
    m_reportLayout->setSpacing(12);
    scroll->setWidget(m_reportPage);

    m_body->addWidget(m_empty);
    m_body->addWidget(m_runningPage);
    m_body->addWidget(scroll);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(header);
    layout->addWidget(m_body, 1);
    // Outside the report, which each run builds anew: an update goes on
    // while diagnostics run.
    layout->addWidget(m_updates);

    connect(&m_watcher, &QFutureWatcherBase::finished, this, &DiagnosticsView::finished);
    connect(m_refresh, &QPushButton::clicked, this, &DiagnosticsView::run);
    connect(m_copy, &QPushButton::clicked, this, &DiagnosticsView::copy);
    connect(m_aboutButton, &QPushButton::clicked, this, &DiagnosticsView::showAbout);
    connect(m_updates, &ToolUpdatePanel::toolsChanged, this, [this] {
        if (m_running)
            m_runAgain = true;
        else
            run();
    });

    retranslate();
}

DiagnosticsView::~DiagnosticsView() = default;

DiagnosticsView::State DiagnosticsView::state() const
{
    if (m_running)
        return State::running;
    return m_result ? State::report : State::empty;
}

QString DiagnosticsView::homeDirectory()
{
    return QDir::homePath();
}

void DiagnosticsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous() && !m_running)
        run();
}

void DiagnosticsView::run()
{
    m_running = true;
    m_refresh->setEnabled(false);
    m_body->setCurrentWidget(m_runningPage);
    m_watcher.setFuture(runInBackground([resources = AppConfiguration::resourcesDirectory()] { return gather(resources); }));
}

void DiagnosticsView::finished()
{
    if (m_runAgain) {
        m_runAgain = false;
        m_watcher.setFuture(runInBackground([resources = AppConfiguration::resourcesDirectory()] { return gather(resources); }));
        return;
    }
    m_result = m_watcher.result();
    m_running = false;
    m_refresh->setEnabled(true);
    m_copy->setEnabled(true);
    buildReport();
    m_body->setCurrentIndex(2);
    if (m_about)
        m_about->setReport(m_result->report);
}

void DiagnosticsView::showLeftovers(const LeftoverFiles &leftovers)
{
    // Above the updates panel, outside the report each run builds anew.
    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    layout->insertWidget(layout->indexOf(m_updates), new LeftoverFilesPanel(leftovers, this));
}

void DiagnosticsView::copy() const
{
    if (m_result)
        ClipboardService::shared().writeString(DiagnosticsPresentation::reportText(m_result->report, homeDirectory()));
}

void DiagnosticsView::showAbout()
{
    if (!m_about) {
        m_about = new AboutView(m_openDocument, this);
        connect(m_about, &AboutView::updateRequested, m_updates, &ToolUpdatePanel::startUpdate);
    }
    m_about->setReport(m_result ? std::optional(m_result->report) : std::nullopt);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void DiagnosticsView::buildReport()
{
    while (QLayoutItem *item = m_reportLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!m_result)
        return;
    const EngineDiagnosticsReport &report = m_result->report;
    // Application
    auto *application = new QGroupBox(tr("Application"), m_reportPage);
    application->setObjectName(QStringLiteral("diagnosticsApplicationSection"));
    auto *form = new QFormLayout(application);
    form->setContentsMargins(14, 10, 14, 12);
    form->setHorizontalSpacing(14);
    auto *facts = new QHBoxLayout;
    facts->addWidget(symbolLabel(QStringLiteral("diagnostics.architecture"), QStringLiteral("cpu"),
                                 tr("Architecture: %1").arg(report.architecture), std::nullopt, Fonts::subheadline(),
                                 application));
    facts->addStretch();
    if (report.allToolsPresent) {
        facts->addWidget(symbolLabel(QStringLiteral("diagnosticsToolsState"), QStringLiteral("checkmark.circle.fill"),
                                     tr("All tools present"), SemanticColor::green,
                                     Fonts::subheadline(), application));
    } else {
        facts->addWidget(symbolLabel(QStringLiteral("diagnosticsToolsState"), QStringLiteral("exclamationmark.triangle.fill"),
                                     tr("Tools missing"), SemanticColor::red,
                                     Fonts::subheadline(), application));
    }
    form->addRow(facts);
    form->addRow(tr("Manifest"), plain(QStringLiteral("diagnosticsManifest"),
                                       report.manifestPresent ? tr("Present") : tr("Missing"), application));
    form->addRow(tr("Version"), plain(QStringLiteral("diagnosticsVersion"),
                                      tr("%1 (Build %2)").arg(AppConfiguration::version(), AppConfiguration::buildNumber()),
                                      application));
    form->addRow(tr("Application ID"), plain(QStringLiteral("diagnosticsApplicationId"), AppConfiguration::appId(), application));
    form->addRow(tr("System"), plain(QStringLiteral("diagnosticsSystem"), m_result->systemName, application));
    m_reportLayout->addWidget(application);

    // The way out when tools are missing.
    if (!report.allToolsPresent) {
        auto *hintBox = new QGroupBox(m_reportPage);
        hintBox->setObjectName(QStringLiteral("diagnosticsHintSection"));
        auto *hintLayout = new QVBoxLayout(hintBox);
        auto *hint = new QLabel(tr("Some required tools are missing. Run scripts/bootstrap-tools.sh and rebuild the app."),
                                hintBox);
        hint->setObjectName(QStringLiteral("diagnosticsBootstrapHint"));
        hint->setWordWrap(true);
        hint->setFont(Fonts::caption());
        setForeground(hint, SemanticColor::red);
        hintLayout->addWidget(hint);
        m_reportLayout->addWidget(hintBox);
    }

    // Bundled tools
    auto *tools = new QGroupBox(tr("Bundled Tools"), m_reportPage);
    tools->setObjectName(QStringLiteral("diagnosticsToolsSection"));
    auto *toolsLayout = new QVBoxLayout(tools);
    toolsLayout->setContentsMargins(14, 10, 14, 12);
    auto *list = new QWidget(tools);
    list->setObjectName(QStringLiteral("diagnosticsToolList"));
    auto *listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(8);
    for (const ToolDiagnostic &tool : report.tools) {
        auto *row = new ToolDiagnosticRow(tool, homeDirectory(), QDate::currentDate(), list);
        connect(row, &ToolDiagnosticRow::updateRequested, m_updates, &ToolUpdatePanel::startUpdate);
        listLayout->addWidget(row);
    }
    toolsLayout->addWidget(list);
    toolsLayout->addWidget(plain(QStringLiteral("diagnosticsJsChallenges"),
                                 DiagnosticsPresentation::jsChallengesLine(report), tools));
    auto *footer = new QLabel(tr("Bundled copies ship inside the app and are used in preference to anything on the system PATH."),
                              tools);
    footer->setObjectName(QStringLiteral("diagnosticsToolsFooter"));
    footer->setWordWrap(true);
    footer->setFont(Fonts::caption());
    setForeground(footer, SemanticColor::secondary);
    toolsLayout->addWidget(footer);
    auto *userFooter = new QLabel(tr("Updates go to your own tool folder and are used only while their SHA-256 "
                                     "matches; otherwise the bundled copy runs."),
                                  tools);
    userFooter->setObjectName(QStringLiteral("diagnosticsUserToolsFooter"));
    userFooter->setWordWrap(true);
    userFooter->setFont(Fonts::caption());
    setForeground(userFooter, SemanticColor::secondary);
    toolsLayout->addWidget(userFooter);
    toolsLayout->addWidget(plain(QStringLiteral("diagnosticsUserToolsFolder"),
                                 DiagnosticsPresentation::redactedPath(AppConfiguration::userToolsDirectory(),
                                                                       homeDirectory()),
                                 tools));
    m_reportLayout->addWidget(tools);
    m_reportLayout->addStretch();
}

void DiagnosticsView::retranslate()
{
    m_title->setText(tr("Diagnostics"));
    m_subtitle->setText(tr("Bundled tools and runtime information used by the download engine."));
    m_aboutButton->setText(tr("About"));
    m_refresh->setText(tr("Run Diagnostics"));
    m_copy->setText(tr("Copy"));
    m_copy->setEnabled(m_result.has_value());
    m_runningLabel->setText(tr("Running diagnostics…"));
    m_empty->setTexts(tr("No diagnostics yet"));
    buildReport();
}

void DiagnosticsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
