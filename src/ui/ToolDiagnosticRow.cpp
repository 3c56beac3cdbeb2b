#include "ui/ToolDiagnosticRow.h"

#include "diagnostics/DiagnosticsPresentation.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Foreground.h"
#include "ui/Symbols.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *text(const QString &objectName, const QString &content, const QFont &font, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(content, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setForeground(label, colour);
    return label;
}

} // namespace

ToolDiagnosticRow::ToolDiagnosticRow(const ToolDiagnostic &tool, const QString &homeDirectory, QWidget *parent)
    : QWidget(parent)
{
    const DiagnosticStatusInfo info = DiagnosticsPresentation::statusFor(tool);
    const ManifestCheckLabel manifest = DiagnosticsPresentation::manifestLabel(tool.matchesManifest);
    const QColor foreground = Colors::semantic(info.foreground, palette());
    const QColor secondary = Colors::secondaryText(palette());
    setObjectName(DiagnosticsPresentation::identifier(tool.name));
    setAccessibleName(tool.name + QStringLiteral(": ") + info.accessibilityLabel);

    auto *symbol = new QLabel(this);
    symbol->setObjectName(QStringLiteral("toolStatusSymbol"));
    const int size = QFontMetrics(Fonts::body()).height() + 4;
    symbol->setPixmap(Symbols::tinted(info.symbolName, foreground, size, devicePixelRatioF()));

    QFont nameFont = Fonts::body();
    nameFont.setWeight(QFont::Medium);
    auto *nameLine = new QHBoxLayout;
    nameLine->setSpacing(6);
    nameLine->addWidget(text(QStringLiteral("toolName"), tool.name, nameFont, palette().color(QPalette::WindowText), this));
    nameLine->addWidget(text(QStringLiteral("toolStatus"),
                             QCoreApplication::translate("DiagnosticStatus", info.text.toUtf8().constData()),
                             Fonts::caption(), foreground, this));
    nameLine->addStretch();

    auto *left = new QVBoxLayout;
    left->setSpacing(2);
    left->addLayout(nameLine);
    if (tool.version) {
        left->addWidget(text(QStringLiteral("toolVersion"), tr("Version %1").arg(*tool.version), Fonts::caption(),
                             secondary, this));
    }

    auto *pathLabel = text(QStringLiteral("toolPath"), DiagnosticsPresentation::displayPath(tool.path),
                           Fonts::monospaceCaption(), secondary, this);
    if (tool.path)
        pathLabel->setToolTip(DiagnosticsPresentation::redactedPath(*tool.path, homeDirectory));
    auto *right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(pathLabel, 0, Qt::AlignRight);
    right->addWidget(text(QStringLiteral("toolManifestCheck"), manifest.text, Fonts::caption(),
                          Colors::semantic(manifest.foreground, palette()), this),
                     0, Qt::AlignRight);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(symbol, 0, Qt::AlignVCenter);
    layout->addLayout(left, 1);
    layout->addLayout(right);
}
