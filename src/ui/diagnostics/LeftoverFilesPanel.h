#pragma once

#include <QWidget>

class LeftoverFiles;
class QLabel;
class QPlainTextEdit;

// The partial files no download owns, as found at start (LeftoverFiles): a
// sentence and their paths, as plain text to read or copy. Hidden while
// there are none. Nothing here deletes them: they may be the user's.
class LeftoverFilesPanel : public QWidget
{
    Q_OBJECT

public:
    LeftoverFilesPanel(const LeftoverFiles &leftovers, QWidget *parent = nullptr);

private:
    void show(const LeftoverFiles &leftovers);

    QLabel *m_heading;
    QPlainTextEdit *m_paths;
};
