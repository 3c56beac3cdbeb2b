#include "settings/AppLanguage.h"
#include "ui/UiTestApp.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "ui/shell/LanguageSwitch.h"
#include "ui/shell/MainWindow.h"
#include "ui/widgets/ElidedLabel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <ostream>

using TestSupport::waitUntil;
using TestSupport::writeScript;

namespace {

// Every text shown in full and no sideways scrolling under `root`.
QStringList cutParts(const QWidget *root)
{
    QStringList found;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root))
            continue;
        if (const auto *bar = qobject_cast<const QScrollBar *>(widget); bar && bar->orientation() == Qt::Horizontal)
            found << QStringLiteral("a sideways scroll bar in ") + bar->parentWidget()->parentWidget()->objectName();
        const auto *label = qobject_cast<const QLabel *>(widget);
        if (label && !label->wordWrap() && !qobject_cast<const ElidedLabel *>(label) && !label->text().isEmpty()
            && label->width() < label->sizeHint().width())
            found << QStringLiteral("%1 \"%2\": %3 of %4 px").arg(label->objectName(), label->text())
                         .arg(label->width()).arg(label->sizeHint().width());
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        if (button && !button->text().isEmpty() && button->width() < button->sizeHint().width())
            found << QStringLiteral("button %1 \"%2\": %3 of %4 px").arg(button->objectName(), button->text())
                         .arg(button->width()).arg(button->sizeHint().width());
    }
    return found;
}

struct LanguageCase
{
    const char *name;
    AppLanguage language;
};

void PrintTo(const LanguageCase &c, std::ostream *out)
{
    *out << c.name;
}

class MinimumSizeTest : public ::testing::TestWithParam<LanguageCase>
{
protected:
    MinimumSizeTest() : app(resources.path())
    {
        QDir(resources.path()).mkpath(QStringLiteral("Tools"));
        writeScript(resources, QStringLiteral("Tools/ffmpeg"),
                    "echo 'ffmpeg version 5.1.9-0+deb12u1 Copyright (c) 2000-2026 the FFmpeg developers'");
        writeScript(resources, QStringLiteral("Tools/deno"), "echo 'deno 2.9.6 (stable, release, x86_64-unknown-linux-gnu)'");
        for (const auto status : {DownloadStatus::failed, DownloadStatus::completed}) {
            DownloadHistory record;
            record.uuid = QUuid::createUuid();
            record.title = QStringLiteral("A rather long title of a recording that goes on and on, 很长的标题");
            record.sourceURL = QStringLiteral("https://media.example/watch");
            record.mediaTypeRaw = QStringLiteral("video");
            record.selectedQuality = QStringLiteral("p1080");
            record.startedAt = QDateTime::currentDateTimeUtc();
            record.finalStatusRaw = DownloadStatuses::rawValue(status);
            record.errorSummary = QStringLiteral("A network error occurred.");
            record.errorReason = QStringLiteral("HTTP Error 404: Not Found");
            app.history->add(record);
        }
    }
    ~MinimumSizeTest() override { LanguageSwitch::apply(QStringLiteral("english")); }

    QTemporaryDir resources;
    UiTestApp app;
};

// At the smallest window every screen shows all of its texts without
// sideways scrolling, and the sidebar keeps one width throughout.
TEST_P(MinimumSizeTest, NothingIsCutAndTheSidebarKeepsItsWidth)
{
    app.settings->setSelectedAppLanguage(GetParam().language);
    LanguageSwitch::apply(app.settings->selectedAppLanguage());
    app.state->setLegalAccepted(true);
    MainWindow window(*app.state, *app.shutdown, app.thumbnails);
    window.show();
    window.resize(window.minimumSize());
    QList<int> sidebarWidths;
    for (const SidebarSelection section : {SidebarSelection::downloads, SidebarSelection::history,
                                           SidebarSelection::settings, SidebarSelection::diagnostics}) {
        SCOPED_TRACE(static_cast<int>(section));
        app.state->setSelectedTab(section);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (auto *diagnostics = window.findChild<DiagnosticsView *>()) {
            ASSERT_TRUE(waitUntil([&] { return diagnostics->state() == DiagnosticsView::State::report; }));
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(window.size(), window.minimumSize()) << "the screen needs no larger window";
        const QStringList cut = cutParts(&window);
        EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
        sidebarWidths << window.findChild<QWidget *>(QStringLiteral("sidebar"))->width();
    }
    EXPECT_EQ(sidebarWidths, QList<int>(4, sidebarWidths.first()));

    window.resize(1600, 1000);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.findChild<QWidget *>(QStringLiteral("sidebar"))->width(), sidebarWidths.first());
}

INSTANTIATE_TEST_SUITE_P(Languages, MinimumSizeTest,
                         ::testing::Values(LanguageCase{"English", AppLanguage::english},
                                           LanguageCase{"SimplifiedChinese", AppLanguage::simplifiedChinese},
                                           LanguageCase{"TraditionalChinese", AppLanguage::traditionalChinese}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
