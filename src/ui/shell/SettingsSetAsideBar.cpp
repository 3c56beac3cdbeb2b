#include "ui/shell/SettingsSetAsideBar.h"

#include "settings/AppSettings.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

SettingsSetAsideBar::SettingsSetAsideBar(AppSettings &settings, QWidget *parent)
    : QFrame(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("settingsSetAsideBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 4, 16, 4);
    layout->setSpacing(8);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("settingsSetAsideNotice"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setFont(Fonts::caption());
    setForeground(m_text, SemanticColor::orange);
    layout->addWidget(m_text, 1);
    auto *dismiss = new QPushButton(tr("Dismiss"), this);
    dismiss->setObjectName(QStringLiteral("dismissSettingsSetAsideButton"));
    layout->addWidget(dismiss);

    connect(dismiss, &QPushButton::clicked, this, [this] {
        m_dismissed = m_settings.setAsideSettingsFile();
        refresh();
    });
    connect(&settings, &AppSettings::settingsFileSetAside, this, &SettingsSetAsideBar::refresh);
    refresh();
}

void SettingsSetAsideBar::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        refresh();
}

void SettingsSetAsideBar::refresh()
{
    const QString file = m_settings.setAsideSettingsFile();
    m_text->setText(tr("Your settings file could not be read, so it was moved aside as %1. Settings that could "
                       "still be read were kept; the others are back to their defaults.")
                        .arg(QDir::toNativeSeparators(file)));
    setVisible(!file.isEmpty() && file != m_dismissed);
}
