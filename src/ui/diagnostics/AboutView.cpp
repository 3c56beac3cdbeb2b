#include "ui/diagnostics/AboutView.h"

#include "ui/diagnostics/ToolFreshness.h"

#include "settings/AppConfiguration.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/OpenFailureMessage.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame *divider(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}


} // namespace

AboutView::AboutView(Opener openDocument, QWidget *parent)
    : QDialog(parent), m_openDocument(std::move(openDocument)), m_name(new QLabel(QStringLiteral("Tarvelle"), this)),
      m_version(new QLabel(this)), m_toolsHeading(new QLabel(this)), m_toolsLayout(new QVBoxLayout),
      m_notices(new QPushButton(this)), m_legal(new QPushButton(this)), m_licenses(new QPushButton(this)),
      m_lawfulUse(new QLabel(this))
{
    setObjectName(QStringLiteral("aboutView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setFixedSize(480, 380);

    m_name->setObjectName(QStringLiteral("aboutName"));
    m_name->setFont(Fonts::title());
    m_version->setObjectName(QStringLiteral("aboutVersion"));
    setForeground(m_version, SemanticColor::secondary);
    m_toolsHeading->setObjectName(QStringLiteral("aboutToolsHeading"));
    m_toolsHeading->setFont(Fonts::headline());
    m_toolsLayout->setSpacing(4);
    m_notices->setObjectName(QStringLiteral("aboutNoticesButton"));
    m_legal->setObjectName(QStringLiteral("aboutLegalButton"));
    m_licenses->setObjectName(QStringLiteral("aboutLicensesButton"));
    m_lawfulUse->setObjectName(QStringLiteral("aboutLawfulUse"));
    m_lawfulUse->setWordWrap(true);
    m_lawfulUse->setFont(Fonts::caption());
    setForeground(m_lawfulUse, SemanticColor::secondary);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton *button : {m_notices, m_legal, m_licenses}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    layout->addWidget(m_name);
    layout->addWidget(m_version);
    layout->addWidget(divider(this));
    layout->addWidget(m_toolsHeading);
    layout->addLayout(m_toolsLayout);
    layout->addWidget(divider(this));
    layout->addLayout(buttons);
    layout->addStretch();
    layout->addWidget(m_lawfulUse);

    connect(m_notices, &QPushButton::clicked, this, [this] { open(QStringLiteral("THIRD_PARTY_NOTICES.md")); });
    connect(m_legal, &QPushButton::clicked, this, [this] { open(QStringLiteral("LEGAL.md")); });
    connect(m_licenses, &QPushButton::clicked, this, [this] { open(QStringLiteral("licenses")); });

    retranslate();
}

std::optional<QString> AboutView::resource(const QString &name)
{
    const auto resources = AppConfiguration::resourcesDirectory();
    if (!resources)
        return std::nullopt;
    const QString path = QDir(*resources).filePath(name);
    return QFileInfo::exists(path) ? std::optional(path) : std::nullopt;
}

void AboutView::open(const QString &name)
{
    if (const auto path = resource(name))
        m_openDocument(*path, OpenFailureMessage::reporter(this, *path));
}

void AboutView::setReport(const std::optional<EngineDiagnosticsReport> &report)
{
    m_report = report;
    buildTools();
}

void AboutView::buildTools()
{
    while (QLayoutItem *item = m_toolsLayout->takeAt(0)) {
        if (item->layout()) {
            while (QLayoutItem *inner = item->layout()->takeAt(0)) {
                delete inner->widget();
                delete inner;
            }
        }
        delete item->widget();
        delete item;
    }
    if (!m_report) {
        auto *none = new QLabel(tr("Run diagnostics to display tool versions."), this);
        none->setObjectName(QStringLiteral("aboutNoReport"));
        setForeground(none, SemanticColor::secondary);
        m_toolsLayout->addWidget(none);
        return;
    }
    for (const ToolDiagnostic &tool : m_report->tools) {
        auto *line = new QHBoxLayout;
        auto *name = new QLabel(tool.name, this);
        name->setObjectName(QStringLiteral("aboutToolName"));
        name->setTextFormat(Qt::PlainText);
        const QString versionText = tool.version.value_or(QStringLiteral("-"));
        auto *version = new QLabel(this);
        // ffmpeg's first line goes on with its copyright; the full text is the tooltip.
        version->setText(version->fontMetrics().elidedText(versionText, Qt::ElideRight, 320));
        version->setToolTip(versionText);
        version->setObjectName(QStringLiteral("aboutToolVersion"));
        version->setTextFormat(Qt::PlainText);
        version->setAccessibleName(tool.name);
        setForeground(version, SemanticColor::secondary);
        line->addWidget(name);
        line->addStretch();
        line->addWidget(version);
        if (tool.exists) {
            QString facts = ToolFreshness::sourceText(tool.source);
            const auto age = ToolFreshness::ageText(tool, QDate::currentDate());
            if (age)
                facts += QStringLiteral(" · ") + age->text;
            auto *about = new QLabel(facts, this);
            about->setObjectName(QStringLiteral("aboutToolFacts"));
            about->setTextFormat(Qt::PlainText);
            setForeground(about, age ? age->foreground : SemanticColor::secondary);
            line->addWidget(about);
            if (age && age->outdated) {
                auto *update = new QPushButton(tr("Update"), this);
                update->setObjectName(QStringLiteral("aboutToolUpdateButton"));
                update->setAccessibleName(tr("Update %1").arg(tool.name));
                update->setAutoDefault(false);
                connect(update, &QPushButton::clicked, this, [this, toolName = tool.name] { emit updateRequested(toolName); });
                line->addWidget(update);
            }
        }
        m_toolsLayout->addLayout(line);
    }
}

void AboutView::retranslate()
{
    setWindowTitle(tr("About Tarvelle"));
    m_version->setText(tr("Version %1 (Build %2)").arg(AppConfiguration::version(), AppConfiguration::buildNumber()));
    m_toolsHeading->setText(tr("Bundled tools"));
    m_notices->setText(tr("Third-Party Notices"));
    m_legal->setText(tr("Legal"));
    m_licenses->setText(tr("Open-Source Licenses"));
    m_lawfulUse->setText(tr("This application does not bypass DRM. Download only media you own, are authorized to use, "
                            "or are legally permitted to save."));
    buildTools();
}

void AboutView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
