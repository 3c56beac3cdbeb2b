#pragma once

#include "batch/BatchURLParser.h"

#include <QDialog>

#include <optional>
#include <variant>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

// The batch sheet: many links pasted or imported from a text file, sorted
// into usable, repeated and invalid lines as they are typed, and queued with
// one button. Each sheet starts empty. Queuing is left to whoever listens to
// queueRequested.
class BatchDownloadSheet : public QDialog
{
    Q_OBJECT

public:
    explicit BatchDownloadSheet(QWidget *parent = nullptr);

    QString text() const;
    const std::optional<BatchParseResult> &parseResult() const { return m_result; }
    std::optional<QString> importError() const { return m_importError; }

    // Reads `path` in the background (as BatchFile reads it) and replaces
    // the text with it when it is UTF-8 text; otherwise shows why and keeps
    // the text. importFinished()
    // follows either way.
    void importFile(const QString &path);

signals:
    // "Add to Queue": the first occurrence of every usable link, in line
    // order, one per line. The sheet closes after emitting it.
    void queueRequested(const QString &links);
    void importFinished();

private:
    void chooseFile();
    void textEdited();
    void importRead(const QString &path, const std::variant<QByteArray, QString> &read);
    void addToQueue();
    void refresh();

    QPlainTextEdit *m_editor;
    QLabel *m_summary;
    QTreeWidget *m_faults;
    QWidget *m_errorRow;
    QLabel *m_errorText;
    QPushButton *m_addButton;
    std::optional<BatchParseResult> m_result;
    std::optional<QString> m_importError;
};
