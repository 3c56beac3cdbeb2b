#include "ui/downloads/RemoveJobQuestion.h"

#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "engine/Formatters.h"
#include "engine/PartialFiles.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

QString folderOf(const QStringList &paths)
{
    const QString folder = QFileInfo(paths.constFirst()).absolutePath();
    for (const QString &path : paths) {
        if (QFileInfo(path).absolutePath() != folder)
            return {};
    }
    return QDir::toNativeSeparators(folder);
}

void tellUndeleted(const QStringList &paths, QWidget *parent)
{
    auto *message = new QMessageBox(
        QMessageBox::Warning, QCoreApplication::translate("RemoveJobQuestion", "Remove Download?"),
        QCoreApplication::translate("RemoveJobQuestion", "%n partial file(s) could not be deleted.", nullptr,
                                    int(paths.size())),
        QMessageBox::Ok, parent);
    message->setObjectName(QStringLiteral("partialFilesNotDeleted"));
    message->setTextFormat(Qt::PlainText);
    message->setDetailedText(paths.join(QLatin1Char('\n')));
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

// Running or waiting: the download stops first.
void askToStop(const DownloadJobPtr &job, DownloadCoordinator &coordinator, QWidget *parent)
{
    auto *question = new QMessageBox(QMessageBox::Question,
                                     QCoreApplication::translate("RemoveJobQuestion", "Stop and remove?"),
                                     QCoreApplication::translate("RemoveJobQuestion", "“%1” is still in the queue. Removing it stops its download.").arg(job->title()),
                                     QMessageBox::NoButton, parent);
    question->setObjectName(QStringLiteral("stopAndRemoveQuestion"));
    question->setTextFormat(Qt::PlainText);
    auto *deleteFiles = new QCheckBox(QCoreApplication::translate("RemoveJobQuestion", "Also delete its partial files"));
    deleteFiles->setObjectName(QStringLiteral("deletePartialFilesCheck"));
    question->setCheckBox(deleteFiles);
    question->setAttribute(Qt::WA_DeleteOnClose);
    auto *stop = question->addButton(QCoreApplication::translate("RemoveJobQuestion", "Stop and Remove"), QMessageBox::DestructiveRole);
    stop->setObjectName(QStringLiteral("stopAndRemoveButton"));
    auto *cancel = question->addButton(QMessageBox::Cancel);
    cancel->setObjectName(QStringLiteral("removeCancelButton"));
    question->setDefaultButton(cancel);
    QPointer<DownloadCoordinator> target(&coordinator);
    QObject::connect(question, &QMessageBox::buttonClicked, question, [job, target, stop, deleteFiles](QAbstractButton *button) {
        if (target && button == stop)
            target->remove(job, deleteFiles->isChecked());
    });
    question->open();
}

} // namespace

namespace RemoveJobQuestion {

void removeJob(const DownloadJobPtr &job, DownloadCoordinator &coordinator, QWidget *parent)
{
    if (job->status() == DownloadStatus::queued || job->isActive()) {
        askToStop(job, coordinator, parent);
        return;
    }
    const QStringList files = PartialFiles::of(*job, coordinator.queue().jobs());
    if (files.isEmpty()) {
        coordinator.remove(job, false);
        return;
    }
    const QString folder = folderOf(files);
    const QString size = Formatters::formatBytes(PartialFiles::totalSize(files));
    QString text = folder.isEmpty()
                       ? QCoreApplication::translate("RemoveJobQuestion", "This download left %n partial file(s) (%1).", nullptr, int(files.size())).arg(size)
                       : QCoreApplication::translate("RemoveJobQuestion", "This download left %n partial file(s) (%1) in %2.", nullptr, int(files.size())).arg(size, folder);
    auto *question = new QMessageBox(QMessageBox::Question, QCoreApplication::translate("RemoveJobQuestion", "Remove Download?"), text, QMessageBox::NoButton, parent);
    question->setObjectName(QStringLiteral("removeJobQuestion"));
    question->setTextFormat(Qt::PlainText);
    question->setInformativeText(QCoreApplication::translate("RemoveJobQuestion", "Delete them too? Finished files and other downloads' files are never touched."));
    QStringList names;
    for (const QString &path : files)
        names.append(QFileInfo(path).fileName());
    question->setDetailedText(names.join(QLatin1Char('\n')));
    question->setAttribute(Qt::WA_DeleteOnClose);
    auto *deleteFiles = question->addButton(QCoreApplication::translate("RemoveJobQuestion", "Remove and Delete Files"), QMessageBox::DestructiveRole);
    deleteFiles->setObjectName(QStringLiteral("removeDeleteFilesButton"));
    auto *keepFiles = question->addButton(QCoreApplication::translate("RemoveJobQuestion", "Remove Only"), QMessageBox::AcceptRole);
    keepFiles->setObjectName(QStringLiteral("removeKeepFilesButton"));
    auto *cancel = question->addButton(QMessageBox::Cancel);
    cancel->setObjectName(QStringLiteral("removeCancelButton"));
    question->setDefaultButton(keepFiles);

    QPointer<DownloadCoordinator> target(&coordinator);
    QObject::connect(question, &QMessageBox::buttonClicked, question,
                     [job, target, deleteFiles, keepFiles, parent = QPointer<QWidget>(parent)](QAbstractButton *button) {
                         if (!target || (button != deleteFiles && button != keepFiles))
                             return;
                         // The files are looked up again: the job may have been
                         // retried, or another job may have claimed a file, meanwhile.
                         const QStringList undeleted = target->remove(job, button == deleteFiles);
                         if (!undeleted.isEmpty())
                             tellUndeleted(undeleted, parent);
                     });
    question->open();
}

} // namespace RemoveJobQuestion
