#include "ui/UiTestApp.h"
#include "ui/diagnostics/AboutView.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "ui/shell/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

using TestSupport::waitUntil;
using TestSupport::writeScript;

namespace {

// What a widget shows in colours of its own: its text colour, its background,
// the symbol it shows.
struct Look
{
    std::optional<QColor> text;
    std::optional<QColor> background;
    std::optional<QImage> symbol;
};

QHash<const QWidget *, Look> ownColours(const QWidget *root)
{
    QHash<const QWidget *, Look> looks;
    QList<const QWidget *> widgets{root};
    for (const QWidget *child : root->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : widgets) {
        Look look;
        const QPalette &palette = widget->palette();
        if (palette.isBrushSet(QPalette::Active, QPalette::WindowText))
            look.text = palette.color(QPalette::WindowText);
        if (palette.isBrushSet(QPalette::Active, QPalette::Window))
            look.background = palette.color(QPalette::Window);
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && !label->pixmap().isNull())
            look.symbol = label->pixmap().toImage();
        if (look.text || look.background || look.symbol)
            looks.insert(widget, look);
    }
    return looks;
}

// Every colour the window set for itself follows a switch between light and
// dark, and comes back with the light palette. `atLeast`: how many widgets
// with colours of their own the screen shows, so a walk that finds none fails.
void expectFollowsPalette(const QWidget *root, const char *where, int atLeast)
{
    const QPalette light = QApplication::palette();
    const auto before = ownColours(root);
    ASSERT_GE(before.size(), atLeast) << where;

    QApplication::setPalette(QPalette(Qt::white, QColor(0x1e, 0x1e, 0x1e)));
    QCoreApplication::processEvents();
    const auto dark = ownColours(root);
    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    const auto after = ownColours(root);

    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const std::string name = where + std::string(": ") + it.key()->objectName().toStdString() + " ("
                               + it.key()->metaObject()->className() + ")";
        const Look &first = it.value();
        ASSERT_TRUE(dark.contains(it.key()) && after.contains(it.key())) << name;
        const Look &inDark = dark.value(it.key());
        const Look &again = after.value(it.key());
        if (first.text) {
            EXPECT_NE(inDark.text, first.text) << name << " keeps its text colour in the dark";
            EXPECT_EQ(again.text, first.text) << name;
        }
        if (first.background) {
            EXPECT_NE(inDark.background, first.background) << name << " keeps its background in the dark";
            EXPECT_EQ(again.background, first.background) << name;
        }
        if (first.symbol) {
            EXPECT_NE(inDark.symbol, first.symbol) << name << " keeps its symbol colour in the dark";
            EXPECT_EQ(again.symbol, first.symbol) << name;
        }
    }
}

DownloadHistory missingFileRecord(const QString &folder)
{
    DownloadHistory r;
    r.uuid = QUuid::createUuid();
    r.title = QStringLiteral("Gone");
    r.sourceURL = QStringLiteral("https://media.example/1");
    r.mediaTypeRaw = QStringLiteral("video");
    r.selectedQuality = QStringLiteral("p1080");
    r.startedAt = QDateTime::currentDateTimeUtc().addSecs(-60);
    r.finishedAt = r.startedAt.addSecs(30);
    r.finalStatusRaw = QStringLiteral("completed");
    r.finalFilePath = folder + QStringLiteral("/gone.mp4");
    return r;
}

TEST(PaletteFollowing, EveryScreenFollowsALiveSwitchBetweenLightAndDark)
{
    // Tools missing and a record whose file is gone: the red and orange
    // states show too.
    QTemporaryDir resources;
    QDir(resources.path()).mkpath(QStringLiteral("Tools"));
    writeScript(resources, QStringLiteral("Tools/ffmpeg"), "echo ffmpeg version 9");
    UiTestApp app(resources.path());
    app.history->add(missingFileRecord(resources.path()));

    MainWindow window(*app.state, *app.shutdown, app.thumbnails);
    window.resize(1100, 760);
    window.show();
    expectFollowsPalette(&window, "legal notice", 2);

    app.state->setLegalAccepted(true);
    QCoreApplication::processEvents();
    app.state->setSelectedTab(SidebarSelection::history);
    ASSERT_TRUE(waitUntil([&] {
        const auto missing = window.findChildren<QWidget *>(QStringLiteral("historyFileMissing"));
        return std::any_of(missing.cbegin(), missing.cend(), [&](const QWidget *w) { return w->isVisibleTo(&window); });
    }));
    app.state->setSelectedTab(SidebarSelection::diagnostics);
    auto *diagnostics = window.findChild<DiagnosticsView *>();
    ASSERT_NE(diagnostics, nullptr);
    ASSERT_TRUE(waitUntil([&] { return diagnostics->state() == DiagnosticsView::State::report; }));
    expectFollowsPalette(&window, "main window", 20);

    window.findChild<QAbstractButton *>(QStringLiteral("diagnosticsAboutButton"))->click();
    ASSERT_NE(diagnostics->about(), nullptr);
    expectFollowsPalette(diagnostics->about(), "about", 3);
    diagnostics->about()->close();
}

} // namespace
