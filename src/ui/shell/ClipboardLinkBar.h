#pragma once

#include <QWidget>

class ElidedLabel;
class QLabel;
class QPushButton;

// A quiet bar across the top of the window that offers a copied link for
// analysis. It never takes the focus and goes away when answered or when
// another link replaces it.
class ClipboardLinkBar : public QWidget
{
    Q_OBJECT

public:
    explicit ClipboardLinkBar(QWidget *parent = nullptr);

    void offer(const QString &link);
    QString link() const { return m_link; }

signals:
    void analyzeRequested(const QString &link);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QString m_link;
    QLabel *m_question;
    ElidedLabel *m_linkText;
    QPushButton *m_analyze;
    QPushButton *m_dismiss;
};
