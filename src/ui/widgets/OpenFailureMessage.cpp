#include "ui/widgets/OpenFailureMessage.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("OpenFailureMessage", text);
}

void show(QWidget *parent, const QString &path, OpenFailureMessage::Action action)
{
    const bool reveal = action == OpenFailureMessage::Action::reveal;
    auto *box = new QMessageBox(QMessageBox::Information,
                                reveal ? translated(QT_TRANSLATE_NOOP("OpenFailureMessage", "Cannot Show in Folder"))
                                       : translated(QT_TRANSLATE_NOOP("OpenFailureMessage", "Cannot Open")),
                                reveal ? translated(QT_TRANSLATE_NOOP("OpenFailureMessage",
                                                                      "No file manager is set up to show “%1”."))
                                             .arg(path)
                                       : translated(QT_TRANSLATE_NOOP("OpenFailureMessage",
                                                                      "No application is set up to open “%1”."))
                                             .arg(path),
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("openFailureMessage"));
    // The path comes from outside; it is shown as it is.
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(reveal ? translated(QT_TRANSLATE_NOOP("OpenFailureMessage",
                                                                  "Install a file manager, or open the folder yourself."))
                                   : translated(QT_TRANSLATE_NOOP("OpenFailureMessage",
                                                                  "Choose a default application for this kind of file "
                                                                  "in the desktop's settings.")));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace

namespace OpenFailureMessage {

OpenDone reporter(QWidget *parent, const QString &path, Action action)
{
    return [guard = QPointer<QWidget>(parent), path, action](OpenOutcome outcome) {
        if (outcome == OpenOutcome::noHandler && guard)
            show(guard, path, action);
    };
}

} // namespace OpenFailureMessage
