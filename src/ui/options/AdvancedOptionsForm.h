#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/AdvancedOptions.h"

#include <QSet>
#include <QWidget>

#include <optional>

class CategoryPicker;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

// The editors of the advanced download options, shared by the Settings
// screen (the stored defaults) and the preview card (one download). Every
// typed value goes through its engine check: a refused value shows its
// sentence under the field and never reaches options(); a field that is
// fine updates options() at once and announces it.
class AdvancedOptionsForm : public QWidget
{
    Q_OBJECT

public:
    // defaults: no time range (it belongs to one download), the file name
    // previewed for a sample; oneDownload: everything, for the analysed link.
    enum class Scope { defaults, oneDownload };

    AdvancedOptionsForm(Scope scope, const AdvancedOptions &options, QWidget *parent = nullptr);

    // The options as last edited without a refusal.
    const AdvancedOptions &options() const { return m_options; }
    // False while some field holds a refused value.
    bool isAcceptable() const { return m_refusals.isEmpty(); }

    // Shows `options` and forgets refused texts; no optionsEdited().
    void setOptions(const AdvancedOptions &options);
    // The link whose file name the template preview shows, with the
    // extension its download will have, and whose duration bounds the time
    // range.
    void setPreviewRecord(const MediaMetadata &record, const QString &extension);
    // Whether a cookies file is set. With the defaults, browser cookies wait
    // until it is cleared (one or the other, never both); for one download,
    // chosen browser cookies replace it, as a note says.
    void setCookiesFileInUse(bool inUse);

signals:
    // After an edit that passed its check.
    void optionsEdited(const AdvancedOptions &options);
    // When isAcceptable() changes.
    void acceptableChanged(bool acceptable);

protected:
    void changeEvent(QEvent *event) override;

private:
    QLabel *addRow(QWidget *field);
    QLabel *refusalLabel(const QString &objectName);
    // Shows `message` under a field (hides it when empty) and keeps count of
    // the fields refused.
    void showRefusal(QLabel *label, const QString &message);
    void edited();
    void speedEdited();
    void proxyEdited();
    void browserEdited();
    void embedEdited();
    void timeRangeEdited();
    void templateEdited();
    void extraArgumentsEdited();
    void updatePreview();
    void updateCookies();
    void retranslate();

    const Scope m_scope;
    AdvancedOptions m_options;
    QSet<QLabel *> m_refusals;
    std::optional<MediaMetadata> m_record;
    QString m_extension;
    bool m_cookiesFileInUse = false;

    QFormLayout *m_form;
    QSpinBox *m_speedAmount;
    QComboBox *m_speedUnit;
    QLineEdit *m_proxy;
    QLabel *m_proxyRefusal;
    QComboBox *m_browser;
    QLineEdit *m_profile;
    QLabel *m_profileRefusal;
    QLabel *m_cookiesNote;
    QCheckBox *m_embedMetadata;
    QCheckBox *m_embedThumbnail;
    QCheckBox *m_embedChapters;
    QCheckBox *m_embedSubtitles;
    QLabel *m_embedNote;
    CategoryPicker *m_mark;
    CategoryPicker *m_remove;
    QLabel *m_sponsorBlockNote;
    QLineEdit *m_rangeStart = nullptr;
    QLineEdit *m_rangeEnd = nullptr;
    QLabel *m_rangeRefusal = nullptr;
    QLineEdit *m_template;
    QLabel *m_templateRefusal;
    QLabel *m_preview;
    QCheckBox *m_splitChapters;
    QSpinBox *m_fragments;
    QLineEdit *m_extra;
    QLabel *m_extraRefusal;

    // Row labels, in the order of the rows, re-set by retranslate().
    QLabel *m_speedLabel;
    QLabel *m_proxyLabel;
    QLabel *m_browserLabel;
    QLabel *m_embedLabel;
    QLabel *m_markLabel;
    QLabel *m_removeLabel;
    QLabel *m_rangeLabel = nullptr;
    QLabel *m_templateLabel;
    QLabel *m_previewLabel;
    QLabel *m_fragmentsLabel;
    QLabel *m_extraLabel;
};
