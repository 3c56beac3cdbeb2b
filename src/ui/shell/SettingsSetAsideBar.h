#pragma once

#include <QFrame>

class AppSettings;
class QLabel;

// Across the top of the window: the settings file could not be read and was
// moved aside, keeping what could still be read of it. Told once for each
// file set aside; dismissing it hides it for good.
class SettingsSetAsideBar : public QFrame
{
    Q_OBJECT

public:
    explicit SettingsSetAsideBar(AppSettings &settings, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();

    AppSettings &m_settings;
    QString m_dismissed; // the set-aside file the user has seen
    QLabel *m_text;
};
