#include "ui/diagnostics/ToolDiagnosticRow.h"

#include "diagnostics/DiagnosticsPresentation.h"
#include "tools/UserToolFolder.h"
#include "ui/diagnostics/ToolFreshness.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Nothing for `colour`: the text colour.
QLabel *text(const QString &objectName, const QString &content, const QFont &font,
             std::optional<SemanticColor> colour, QWidget *parent)
{
    auto *label = new QLabel(content, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    if (colour)
        setForeground(label, *colour);
    return label;
}

} // namespace

ToolDiagnosticRow::ToolDiagnosticRow(const ToolDiagnostic &tool, const QString &homeDirectory, const QDate &today,
                                     QWidget *parent)
    : QWidget(parent)
{
    const DiagnosticStatusInfo info = DiagnosticsPresentation::statusFor(tool);
    const ManifestCheckLabel manifest = DiagnosticsPresentation::manifestLabel(tool.matchesManifest);
    setObjectName(DiagnosticsPresentation::identifier(tool.name));
    setAccessibleName(tool.name + QStringLiteral(": ") + info.accessibilityLabel);

    auto *symbol = new QLabel(this);
    symbol->setObjectName(QStringLiteral("toolStatusSymbol"));
    const int size = QFontMetrics(Fonts::body()).height() + 4;
    setTintedSymbol(symbol, info.symbolName, info.foreground, size);

    QFont nameFont = Fonts::body();
    nameFont.setWeight(QFont::Medium);
    auto *nameLine = new QHBoxLayout;
    nameLine->setSpacing(6);
    nameLine->addWidget(text(QStringLiteral("toolName"), tool.name, nameFont, std::nullopt, this));
    nameLine->addWidget(text(QStringLiteral("toolStatus"),
                             QCoreApplication::translate("DiagnosticStatus", info.text.toUtf8().constData()),
                             Fonts::caption(), info.foreground, this));
    nameLine->addStretch();

    auto *left = new QVBoxLayout;
    left->setSpacing(2);
    left->addLayout(nameLine);
    if (tool.version) {
        // ffmpeg's first line goes on with its copyright: cut short at the
        // smallest window, in full as the tooltip.
        auto *version = new ElidedLabel(this);
        version->setObjectName(QStringLiteral("toolVersion"));
        version->setFont(Fonts::caption());
        version->setFullText(tr("Version %1").arg(*tool.version));
        version->setToolTip(version->accessibleName());
        setForeground(version, SemanticColor::secondary);
        left->addWidget(version);
    }
    if (tool.exists) {
        auto *facts = new QHBoxLayout;
        facts->setSpacing(6);
        facts->addWidget(text(QStringLiteral("toolSource"), ToolFreshness::sourceText(tool.source), Fonts::caption(),
                              SemanticColor::secondary, this));
        if (const auto age = ToolFreshness::ageText(tool, today))
            facts->addWidget(text(QStringLiteral("toolAge"), age->text, Fonts::caption(), age->foreground, this));
        facts->addStretch();
        left->addLayout(facts);
    }
    if (tool.userCopyIgnored) {
        auto *ignored = text(QStringLiteral("toolUserCopyIgnored"), tr("Your copy is not used: %1").arg(*tool.userCopyIgnored),
                             Fonts::caption(), SemanticColor::orange, this);
        ignored->setWordWrap(true);
        left->addWidget(ignored);
    }

    auto *pathLabel = text(QStringLiteral("toolPath"), DiagnosticsPresentation::displayPath(tool.path),
                           Fonts::monospaceCaption(), SemanticColor::secondary, this);
    if (tool.path)
        pathLabel->setToolTip(DiagnosticsPresentation::redactedPath(*tool.path, homeDirectory));
    auto *right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(pathLabel, 0, Qt::AlignRight);
    right->addWidget(text(QStringLiteral("toolManifestCheck"),
                          QCoreApplication::translate("DiagnosticStatus", manifest.text.toUtf8().constData()), Fonts::caption(),
                          manifest.foreground, this),
                     0, Qt::AlignRight);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(symbol, 0, Qt::AlignVCenter);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    if (UserToolFolder::kUpdatableTools.contains(tool.name)) {
        auto *update = new QPushButton(tr("Update"), this);
        update->setObjectName(QStringLiteral("toolUpdateButton"));
        update->setAccessibleName(tr("Update %1").arg(tool.name));
        update->setAutoDefault(false);
        connect(update, &QPushButton::clicked, this, [this, name = tool.name] { emit updateRequested(name); });
        layout->addWidget(update, 0, Qt::AlignVCenter);
    }
}
