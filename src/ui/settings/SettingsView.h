#pragma once

#include "engine/Directories.h"
#include "settings/AppState.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AdvancedOptionsForm;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;

// The Settings section: every setting as a control that stores its value the
// moment it changes, and Restore Defaults (after asking). Changing the
// language switches the whole window to it at once. The output folder is
// checked as it is typed or chosen (off the GUI thread) and stored only when
// downloads can go there; otherwise the reason shows beneath the field.
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
    // A folder still being typed is checked (and stored when usable) all the same.
    ~SettingsView() override;

    void setChoosers(Choosers choosers) { m_choosers = std::move(choosers); }
    // True when the person confirms restoring every default; tests put their own in place.
    void setRestoreConfirmation(std::function<bool(QWidget *parent)> confirm) { m_confirmRestore = std::move(confirm); }
    static bool askToRestore(QWidget *parent);

    // The output folder as typed is checked and settled (stored or refused).
    bool outputFolderChecked() const;
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
    void updateCookieSources();
    void chooseDirectory();
    void checkOutputFolder(const QString &folder, bool storeWhenUsable);
    void showFolderProblem();
    void chooseCookieFile();
    void languageChosen(int index);
    void restoreDefaults();

    AppSettings &m_settings;
    Choosers m_choosers;
    std::function<bool(QWidget *)> m_confirmRestore;
    std::function<void(const QString &)> m_applyLanguage;
    int m_folderChecksPending = 0;
    // The output folder text checked last; shared with checks still running.
    std::shared_ptr<QString> m_latestFolder = std::make_shared<QString>();
    QTimer *m_folderCheckDelay;
    std::optional<FolderProblem> m_folderProblem;

    QGroupBox *m_general;
    QGroupBox *m_authentication;
    QGroupBox *m_downloads;
    QGroupBox *m_behavior;
    QGroupBox *m_advanced;
    QGroupBox *m_restore;
    QLabel *m_generalFooter;
    QLabel *m_authenticationFooter;
    QLabel *m_downloadsFooter;
    QLabel *m_behaviorFooter;
    QLabel *m_advancedFooter;
    QLabel *m_restoreFooter;
    QFormLayout *m_generalForm;
    QFormLayout *m_authenticationForm;
    QFormLayout *m_downloadsForm;
    QFormLayout *m_behaviorForm;
    QFormLayout *m_advancedForm;
    QFormLayout *m_restoreForm;

    QComboBox *m_language;
    QLineEdit *m_outputDirectory;
    QPushButton *m_chooseDirectory;
    QLabel *m_outputDirectoryProblem;
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
    QCheckBox *m_fetchChallengeSolver;
    QComboBox *m_toolUpdateChannel;
    QCheckBox *m_watchClipboard;
    AdvancedOptionsForm *m_advancedOptions;
    QPushButton *m_restoreDefaults;
};
