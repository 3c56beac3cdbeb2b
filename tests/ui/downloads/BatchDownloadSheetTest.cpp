#include "support/TestSupport.h"
#include "ui/downloads/BatchDownloadSheet.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class BatchSheetTest : public ::testing::Test
{
protected:
    void SetUp() override { sheet.show(); }

    void type(const QString &text) { find<QPlainTextEdit>("batchTextView")->setPlainText(text); }

    template <typename T>
    T *find(const char *name) const
    {
        return sheet.findChild<T *>(QLatin1String(name));
    }

    bool visible(const char *name) const { return find<QWidget>(name)->isVisibleTo(&sheet); }

    QString writeFile(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("links-%1.txt").arg(++files));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void import(const QString &path)
    {
        QSignalSpy finished(&sheet, &BatchDownloadSheet::importFinished);
        sheet.importFile(path);
        ASSERT_TRUE(TestSupport::waitUntil([&] { return finished.count() > 0; }));
    }

    QTemporaryDir dir;
    int files = 0;
    BatchDownloadSheet sheet;
};

struct EmptyCase
{
    const char *text;
};

class BatchSheetEmptyTest : public BatchSheetTest, public ::testing::WithParamInterface<EmptyCase>
{
};

TEST_P(BatchSheetEmptyTest, NothingUsableShowsNoSummaryNoListAndCannotAdd)
{
    type(QString::fromUtf8(GetParam().text));
    EXPECT_FALSE(visible("batchSummaryLabel"));
    EXPECT_FALSE(visible("batchFaultList"));
    EXPECT_FALSE(find<QPushButton>("batchAddButton")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Texts, BatchSheetEmptyTest,
                         ::testing::Values(EmptyCase{""}, EmptyCase{"\n\n   \n"}, EmptyCase{"# a comment\n\n# another"}));

TEST_F(BatchSheetTest, OpensEmptyWithAddDisabled)
{
    EXPECT_TRUE(find<QPlainTextEdit>("batchTextView")->toPlainText().isEmpty());
    EXPECT_FALSE(sheet.parseResult().has_value());
    EXPECT_FALSE(visible("batchSummaryLabel"));
    EXPECT_FALSE(visible("batchImportError"));
    EXPECT_FALSE(find<QPushButton>("batchAddButton")->isEnabled());
}

TEST_F(BatchSheetTest, ListsInvalidLinesFirstInRedThenDuplicatesInOrange)
{
    type(QStringLiteral("https://a.example/1\nhttps://a.example/1\nnot a link\n"));
    EXPECT_EQ(find<QLabel>("batchSummaryLabel")->text(), QStringLiteral("1 valid, 1 duplicate, 1 invalid"));
    auto *faults = find<QTreeWidget>("batchFaultList");
    ASSERT_TRUE(visible("batchFaultList"));
    ASSERT_EQ(faults->topLevelItemCount(), 2);
    const QTreeWidgetItem *invalid = faults->topLevelItem(0);
    const QTreeWidgetItem *duplicate = faults->topLevelItem(1);
    EXPECT_EQ(invalid->text(0), QStringLiteral("Line 3"));
    EXPECT_EQ(invalid->text(1), QStringLiteral("not a link"));
    EXPECT_EQ(duplicate->text(0), QStringLiteral("Line 2 (duplicate)"));
    EXPECT_EQ(duplicate->text(1), QStringLiteral("https://a.example/1"));
    const QColor red = invalid->foreground(0).color();
    const QColor orange = duplicate->foreground(0).color();
    EXPECT_GT(red.red(), 150);
    EXPECT_LT(red.green(), 110);
    EXPECT_GT(orange.red(), 150);
    EXPECT_GT(orange.green(), red.green() + 40);
}

TEST_F(BatchSheetTest, OnlyDistinctValidLinksShowTheSummaryWithoutAList)
{
    type(QStringLiteral("https://a.example/1\nhttps://a.example/2"));
    EXPECT_TRUE(visible("batchSummaryLabel"));
    EXPECT_EQ(find<QLabel>("batchSummaryLabel")->text(), QStringLiteral("2 valid, 0 duplicate, 0 invalid"));
    EXPECT_FALSE(visible("batchFaultList"));
    EXPECT_TRUE(find<QPushButton>("batchAddButton")->isEnabled());
}

TEST_F(BatchSheetTest, AddToQueuePassesFirstOccurrencesInLineOrderAndCloses)
{
    type(QStringLiteral("# list\nhttps://b.example/2\nhttps://a.example/1\nHTTPS://B.EXAMPLE/2\nftp://x\n"));
    QSignalSpy queued(&sheet, &BatchDownloadSheet::queueRequested);
    find<QPushButton>("batchAddButton")->click();
    ASSERT_EQ(queued.count(), 1);
    EXPECT_EQ(queued.at(0).at(0).toString(), QStringLiteral("https://b.example/2\nhttps://a.example/1"));
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.QDialog::result(), QDialog::Accepted);
}

TEST_F(BatchSheetTest, CancelQueuesNothing)
{
    type(QStringLiteral("https://a.example/1"));
    QSignalSpy queued(&sheet, &BatchDownloadSheet::queueRequested);
    find<QPushButton>("batchCancelButton")->click();
    EXPECT_EQ(queued.count(), 0);
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(BatchSheetTest, ImportReplacesTheTextAndParsesIt)
{
    type(QStringLiteral("https://old.example/"));
    import(writeFile("https://a.example/1\nhttps://a.example/1\n"));
    EXPECT_EQ(find<QPlainTextEdit>("batchTextView")->toPlainText(), QStringLiteral("https://a.example/1\nhttps://a.example/1\n"));
    EXPECT_EQ(find<QLabel>("batchSummaryLabel")->text(), QStringLiteral("1 valid, 1 duplicate, 0 invalid"));
    EXPECT_FALSE(visible("batchImportError"));
}

TEST_F(BatchSheetTest, ANonUtf8FileShowsTheErrorAndKeepsTheText)
{
    type(QStringLiteral("https://kept.example/"));
    import(writeFile(QByteArray("https://a.example/\xff\xfe\x80 caf\xe9\n")));
    EXPECT_EQ(find<QPlainTextEdit>("batchTextView")->toPlainText(), QStringLiteral("https://kept.example/"));
    EXPECT_TRUE(visible("batchImportError"));
    EXPECT_FALSE(find<QLabel>("batchImportErrorText")->text().isEmpty());
    EXPECT_EQ(find<QLabel>("batchImportErrorText")->textFormat(), Qt::PlainText);
    EXPECT_EQ(find<QLabel>("batchSummaryLabel")->text(), QStringLiteral("1 valid, 0 duplicate, 0 invalid"));

    import(writeFile("https://b.example/\n"));
    EXPECT_FALSE(visible("batchImportError"));
    EXPECT_EQ(find<QPlainTextEdit>("batchTextView")->toPlainText(), QStringLiteral("https://b.example/\n"));
}

TEST_F(BatchSheetTest, AMissingFileShowsTheSystemsReason)
{
    type(QStringLiteral("https://kept.example/"));
    import(dir.filePath(QStringLiteral("missing.txt")));
    EXPECT_TRUE(visible("batchImportError"));
    EXPECT_EQ(find<QPlainTextEdit>("batchTextView")->toPlainText(), QStringLiteral("https://kept.example/"));
}

// Only a regular file is read: a device never ends and a FIFO would keep
// the reading thread waiting for a writer.
TEST_F(BatchSheetTest, ImportsOnlyRegularFiles)
{
    const QString fifo = dir.filePath(QStringLiteral("links.fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, QStringLiteral("/dev/zero")}) {
        type(QStringLiteral("https://kept.example/"));
        QSignalSpy finished(&sheet, &BatchDownloadSheet::importFinished);
        sheet.importFile(path);
        const bool returned = TestSupport::waitUntil([&] { return finished.count() > 0; });
        if (!returned) {
            // Lets a reader stuck on the FIFO go, so the suite can end.
            ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
        }
        ASSERT_TRUE(returned) << path.toStdString();
        EXPECT_EQ(sheet.importError().value_or(QString()), QStringLiteral("Not a regular file")) << path.toStdString();
        EXPECT_EQ(find<QPlainTextEdit>("batchTextView")->toPlainText(), QStringLiteral("https://kept.example/"));
    }
}

} // namespace
