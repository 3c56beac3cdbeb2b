#pragma once

#include "settings/AppState.h"

#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The Settings section: every setting as a control that stores its value the
// moment it changes, and Restore Defaults. Changing the language switches
// the whole window to it at once.
class SettingsView : public QWidget
{
    Q_OBJECT

public:
    // The folder and file choosers; a chooser gives nothing when cancelled.
    // Tests put their own in place of the desktop's dialogs.
    struct Choosers
    {
        std::function<std::optional<QString>(QWidget *parent, const QString &current)> directory;
        std::function<std::optional<QString>(QWidget *parent, const QString &current)> cookieFile;
    };
    static Choosers desktopChoosers();

    SettingsView(AppState &state, QWidget *parent = nullptr);

    void setChoosers(Choosers choosers) { m_choosers = std::move(choosers); }
    // Applies a stored language to the running application (LanguageSwitch
    // by default).
    void setLanguageApplier(std::function<void(const QString &)> applier) { m_applyLanguage = std::move(applier); }

protected:
    void changeEvent(QEvent *event) override;

private:
    QGroupBox *section(const QString &objectName, QFormLayout *&form, QLabel *&footer);
    void buildOptionPickers();
    void load();
    void retranslate();
    void fillPickers();
    void updateConcurrency();
    void updateCookieClear();
    void chooseDirectory();
    void chooseCookieFile();
    void languageChosen(int index);
    void restoreDefaults();

    AppSettings &m_settings;
    Choosers m_choosers;
    std::function<void(const QString &)> m_applyLanguage;

    QGroupBox *m_general;
    QGroupBox *m_authentication;
    QGroupBox *m_downloads;
    QGroupBox *m_behavior;
    QGroupBox *m_restore;
    QLabel *m_generalFooter;
    QLabel *m_authenticationFooter;
    QLabel *m_downloadsFooter;
    QLabel *m_behaviorFooter;
    QLabel *m_restoreFooter;
    QFormLayout *m_generalForm;
    QFormLayout *m_authenticationForm;
    QFormLayout *m_downloadsForm;
    QFormLayout *m_behaviorForm;
    QFormLayout *m_restoreForm;

    QComboBox *m_language;
    QLineEdit *m_outputDirectory;
    QPushButton *m_chooseDirectory;
    QLineEdit *m_cookieFile;
    QPushButton *m_chooseCookieFile;
    QPushButton *m_clearCookieFile;
    QComboBox *m_mediaType;
    QComboBox *m_videoQuality;
    QComboBox *m_audioFormat;
    QComboBox *m_subtitleMode;
    QLineEdit *m_subtitleLanguage;
    QToolButton *m_decrease;
    QLabel *m_concurrency;
    QToolButton *m_increase;
    QCheckBox *m_notify;
    QCheckBox *m_keepFailed;
    QCheckBox *m_verboseLogs;
    QCheckBox *m_checkForToolUpdates;
    QComboBox *m_toolUpdateChannel;
    QPushButton *m_restoreDefaults;
};
