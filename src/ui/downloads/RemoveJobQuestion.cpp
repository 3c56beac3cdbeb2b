#include "ui/downloads/RemoveJobQuestion.h"

#include "engine/DownloadQueue.h"
#include "engine/Formatters.h"
#include "engine/PartialFiles.h"

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

} // namespace

namespace RemoveJobQuestion {

void removeJob(const DownloadJobPtr &job, DownloadQueue &queue, QWidget *parent)
{
    const QStringList files = PartialFiles::of(*job, queue.jobs());
    if (files.isEmpty()) {
        queue.remove(job);
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

    QPointer<DownloadQueue> target(&queue);
    QObject::connect(question, &QMessageBox::buttonClicked, question,
                     [job, target, deleteFiles, keepFiles, parent = QPointer<QWidget>(parent)](QAbstractButton *button) {
                         if (!target || (button != deleteFiles && button != keepFiles))
                             return;
                         // Looked up again: the job may have been retried, or
                         // another job may have claimed a file, meanwhile.
                         QStringList undeleted;
                         if (button == deleteFiles)
                             undeleted = PartialFiles::remove(PartialFiles::of(*job, target->jobs()));
                         target->remove(job);
                         if (!undeleted.isEmpty())
                             tellUndeleted(undeleted, parent);
                     });
    question->open();
}

} // namespace RemoveJobQuestion
