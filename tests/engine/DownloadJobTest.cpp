#include "engine/DownloadJob.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QThread>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>

namespace {

DownloadJobPtr makeJob(const QString &url = QStringLiteral("https://example.com/watch?v=1"))
{
    return DownloadJob::create(url, MediaKind::video, VideoQuality::p1080, AudioFormat::best,
                               SubtitleMode::none, QStringLiteral("en"));
}

using JobSignal = void (DownloadJob::*)();

// Every signal of DownloadJob, by name.
const std::map<std::string, JobSignal> &jobSignals()
{
    static const std::map<std::string, JobSignal> all = {
        {"titleChanged", &DownloadJob::titleChanged},
        {"metadataChanged", &DownloadJob::metadataChanged},
        {"statusChanged", &DownloadJob::statusChanged},
        {"progressChanged", &DownloadJob::progressChanged},
        {"speedChanged", &DownloadJob::speedChanged},
        {"etaChanged", &DownloadJob::etaChanged},
        {"downloadedBytesChanged", &DownloadJob::downloadedBytesChanged},
        {"totalBytesChanged", &DownloadJob::totalBytesChanged},
        {"estimatedTotalBytesChanged", &DownloadJob::estimatedTotalBytesChanged},
        {"fragmentIndexChanged", &DownloadJob::fragmentIndexChanged},
        {"fragmentCountChanged", &DownloadJob::fragmentCountChanged},
        {"stageChanged", &DownloadJob::stageChanged},
        {"stalledChanged", &DownloadJob::stalledChanged},
        {"outputFilenameChanged", &DownloadJob::outputFilenameChanged},
        {"outputPathChanged", &DownloadJob::outputPathChanged},
        {"errorCategoryChanged", &DownloadJob::errorCategoryChanged},
        {"errorSummaryChanged", &DownloadJob::errorSummaryChanged},
        {"errorReasonChanged", &DownloadJob::errorReasonChanged},
        {"noteChanged", &DownloadJob::noteChanged},
        {"logLinesChanged", &DownloadJob::logLinesChanged},
        {"createdAtChanged", &DownloadJob::createdAtChanged},
        {"finishedAtChanged", &DownloadJob::finishedAtChanged},
        {"mediaTypeChanged", &DownloadJob::mediaTypeChanged},
        {"videoQualityChanged", &DownloadJob::videoQualityChanged},
        {"audioFormatChanged", &DownloadJob::audioFormatChanged},
        {"subtitleModeChanged", &DownloadJob::subtitleModeChanged},
        {"subtitleLangChanged", &DownloadJob::subtitleLangChanged},
        {"runnerChanged", &DownloadJob::runnerChanged},
        {"changed", &DownloadJob::changed},
    };
    return all;
}

// Counts every signal a job emits, through lambda connections.
class SignalCounter
{
public:
    explicit SignalCounter(DownloadJob *job)
    {
        for (const auto &[name, signal] : jobSignals()) {
            m_counts[name] = 0;
            int *counter = &m_counts[name];
            m_connections.append(QObject::connect(job, signal, job, [counter] { ++*counter; }));
        }
    }
    ~SignalCounter()
    {
        for (const QMetaObject::Connection &c : std::as_const(m_connections))
            QObject::disconnect(c);
    }

    int count(const std::string &signal) const { return m_counts.at(signal); }
    // The signals emitted at least once, with their counts.
    std::map<std::string, int> emitted() const
    {
        std::map<std::string, int> out;
        for (const auto &[name, n] : m_counts)
            if (n)
                out[name] = n;
        return out;
    }
    void reset()
    {
        for (auto &[name, n] : m_counts)
            n = 0;
    }

private:
    std::map<std::string, int> m_counts;
    QList<QMetaObject::Connection> m_connections;
};

using Emitted = std::map<std::string, int>;

MediaMetadata metadataTitled(const QString &title)
{
    MediaMetadata m;
    m.id = QStringLiteral("abc");
    m.title = title;
    m.webpageUrl = QStringLiteral("https://example.com/watch?v=1");
    return m;
}

} // namespace

TEST(DownloadJob, StartsInItsInitialState)
{
    const QDateTime before = QDateTime::currentDateTime();
    const DownloadJobPtr job =
        DownloadJob::create(QStringLiteral("https://example.com/a"), MediaKind::audio,
                            VideoQuality::p720, AudioFormat::m4a, SubtitleMode::automatic,
                            QStringLiteral("en,de"));
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_FALSE(job->id().isNull());
    EXPECT_EQ(job->url(), QStringLiteral("https://example.com/a"));
    EXPECT_EQ(job->title(), QStringLiteral("https://example.com/a"));
    EXPECT_FALSE(job->metadata().has_value());
    EXPECT_EQ(job->status(), DownloadStatus::queued);
    EXPECT_FALSE(job->isActive());
    EXPECT_FALSE(job->progress().has_value());
    EXPECT_EQ(job->speed(), QString());
    EXPECT_EQ(job->eta(), QString());
    EXPECT_EQ(job->downloadedBytes(), 0);
    EXPECT_EQ(job->totalBytes(), 0);
    EXPECT_EQ(job->estimatedTotalBytes(), 0);
    EXPECT_EQ(job->fragmentIndex(), 0);
    EXPECT_EQ(job->fragmentCount(), 0);
    EXPECT_EQ(job->stage(), QString());
    EXPECT_FALSE(job->stalled());
    EXPECT_EQ(job->outputFilename(), QString());
    EXPECT_EQ(job->outputPath(), QString());
    EXPECT_FALSE(job->errorCategory().has_value());
    EXPECT_EQ(job->errorSummary(), QString());
    EXPECT_EQ(job->errorReason(), QString());
    EXPECT_TRUE(job->logLines().isEmpty());
    EXPECT_GE(job->createdAt(), before);
    EXPECT_LE(job->createdAt(), after);
    EXPECT_FALSE(job->finishedAt().has_value());
    EXPECT_EQ(job->mediaType(), MediaKind::audio);
    EXPECT_EQ(job->videoQuality(), VideoQuality::p720);
    EXPECT_EQ(job->audioFormat(), AudioFormat::m4a);
    EXPECT_EQ(job->subtitleMode(), SubtitleMode::automatic);
    EXPECT_EQ(job->subtitleLang(), QStringLiteral("en,de"));
    EXPECT_EQ(job->runner(), nullptr);
    EXPECT_FALSE(job->lastActivityAt().has_value());
    EXPECT_EQ(job->lastCheckedFileSize(), 0);
    EXPECT_FALSE(job->startedAt().has_value());
    EXPECT_EQ(job->parent(), nullptr);
}

TEST(DownloadJob, EveryJobHasItsOwnId)
{
    EXPECT_NE(makeJob()->id(), makeJob()->id());
}

TEST(DownloadJob, EveryObservedFieldIsANotifyingProperty)
{
    const QMetaObject &meta = DownloadJob::staticMetaObject;
    const QStringList observed = {
        "title", "metadata", "status", "progress", "speed", "eta", "downloadedBytes", "totalBytes",
        "estimatedTotalBytes", "fragmentIndex", "fragmentCount", "stage", "stalled",
        "outputFilename", "outputPath", "errorCategory", "errorSummary", "errorReason", "logLines", "createdAt",
        "finishedAt", "mediaType", "videoQuality", "audioFormat", "subtitleMode", "subtitleLang",
        "runner"};
    for (const QString &name : observed) {
        SCOPED_TRACE(name.toStdString());
        const int index = meta.indexOfProperty(name.toLatin1().constData());
        ASSERT_GE(index, 0);
        const QMetaProperty property = meta.property(index);
        ASSERT_TRUE(property.hasNotifySignal());
        EXPECT_EQ(QString::fromLatin1(property.notifySignal().name()), name + "Changed");
    }
    for (const char *name : {"id", "url"}) {
        const int index = meta.indexOfProperty(name);
        ASSERT_GE(index, 0);
        EXPECT_TRUE(meta.property(index).isConstant());
    }
    // The bookkeeping fields are not observable.
    for (const char *name : {"lastActivityAt", "lastCheckedFileSize", "startedAt"})
        EXPECT_LT(meta.indexOfProperty(name), 0) << name;
}

TEST(DownloadJob, ChangingAFieldNotifiesItsSignalOnce)
{
    const DownloadJobPtr job = makeJob();
    SignalCounter counter(job.get());

    struct Step
    {
        const char *signal;
        std::function<void(DownloadJob &)> change;
    };
    const QList<Step> steps = {
        {"statusChanged", [](DownloadJob &j) { j.setStatus(DownloadStatus::downloading); }},
        {"progressChanged", [](DownloadJob &j) { j.setProgress(0.5); }},
        {"speedChanged", [](DownloadJob &j) { j.setSpeed("1.2MiB/s"); }},
        {"etaChanged", [](DownloadJob &j) { j.setEta("00:10"); }},
        {"downloadedBytesChanged", [](DownloadJob &j) { j.setDownloadedBytes(1024); }},
        {"totalBytesChanged", [](DownloadJob &j) { j.setTotalBytes(4096); }},
        {"estimatedTotalBytesChanged", [](DownloadJob &j) { j.setEstimatedTotalBytes(5000); }},
        {"fragmentIndexChanged", [](DownloadJob &j) { j.setFragmentIndex(3); }},
        {"fragmentCountChanged", [](DownloadJob &j) { j.setFragmentCount(10); }},
        {"stageChanged", [](DownloadJob &j) { j.setStage("merging"); }},
        {"stalledChanged", [](DownloadJob &j) { j.setStalled(true); }},
        {"outputFilenameChanged", [](DownloadJob &j) { j.setOutputFilename("a.mp4"); }},
        {"outputPathChanged", [](DownloadJob &j) { j.setOutputPath("/tmp/a.mp4"); }},
        {"errorCategoryChanged", [](DownloadJob &j) { j.setErrorCategory(DownloadErrorCategory::network); }},
        {"errorSummaryChanged", [](DownloadJob &j) { j.setErrorSummary("boom"); }},
        {"errorReasonChanged", [](DownloadJob &j) { j.setErrorReason("HTTP Error 404: Not Found"); }},
        {"noteChanged", [](DownloadJob &j) { j.setNote("Already downloaded"); }},
        {"logLinesChanged", [](DownloadJob &j) { j.appendLog("line"); }},
        {"createdAtChanged", [](DownloadJob &j) { j.setCreatedAt(j.createdAt().addSecs(-5)); }},
        {"finishedAtChanged", [](DownloadJob &j) { j.setFinishedAt(QDateTime::currentDateTime()); }},
        {"mediaTypeChanged", [](DownloadJob &j) { j.setMediaType(MediaKind::audio); }},
        {"videoQualityChanged", [](DownloadJob &j) { j.setVideoQuality(VideoQuality::best); }},
        {"audioFormatChanged", [](DownloadJob &j) { j.setAudioFormat(AudioFormat::mp3); }},
        {"subtitleModeChanged", [](DownloadJob &j) { j.setSubtitleMode(SubtitleMode::original); }},
        {"subtitleLangChanged", [](DownloadJob &j) { j.setSubtitleLang("de"); }},
        {"runnerChanged", [](DownloadJob &j) { j.setRunner(std::make_shared<ProcessRunner>()); }},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.signal);
        counter.reset();
        step.change(*job);
        EXPECT_EQ(counter.emitted(), (Emitted{{step.signal, 1}, {"changed", 1}}));
    }
}

TEST(DownloadJob, AssigningAnEqualValueNotifiesNothing)
{
    const DownloadJobPtr job = makeJob();
    job->setStatus(DownloadStatus::downloading);
    job->setProgress(0.25);
    job->setSpeed("1MiB/s");
    job->setDownloadedBytes(7);
    job->setErrorCategory(DownloadErrorCategory::diskFull);
    job->setMetadata(metadataTitled("T"));
    const QDateTime finished = QDateTime::currentDateTime();
    job->setFinishedAt(finished);
    const auto runner = std::make_shared<ProcessRunner>();
    job->setRunner(runner);
    job->appendLog("a");

    SignalCounter counter(job.get());
    job->setStatus(DownloadStatus::downloading);
    job->setProgress(0.25);
    job->setSpeed(QStringLiteral("1MiB/s"));
    job->setEta(QString());
    job->setEta(QStringLiteral("")); // empty and null text are the same value
    job->setDownloadedBytes(7);
    job->setTotalBytes(0);
    job->setEstimatedTotalBytes(0);
    job->setFragmentIndex(0);
    job->setFragmentCount(0);
    job->setStage(QString());
    job->setStalled(false);
    job->setOutputFilename(QString());
    job->setOutputPath(QString());
    job->setErrorCategory(DownloadErrorCategory::diskFull);
    job->setErrorSummary(QString());
    job->setNote(QString());
    job->setLogLines({"a"});
    job->setCreatedAt(job->createdAt());
    job->setFinishedAt(finished);
    job->setMetadata(metadataTitled("T"));
    job->setMediaType(MediaKind::video);
    job->setVideoQuality(VideoQuality::p1080);
    job->setAudioFormat(AudioFormat::best);
    job->setSubtitleMode(SubtitleMode::none);
    job->setSubtitleLang(QStringLiteral("en"));
    job->setRunner(runner);
    EXPECT_EQ(counter.emitted(), Emitted{});

    // Going back to absent is a change; absent again is not.
    job->setProgress(std::nullopt);
    job->setProgress(std::nullopt);
    job->setErrorCategory(std::nullopt);
    job->setErrorCategory(std::nullopt);
    job->setRunner(nullptr);
    job->setRunner(nullptr);
    EXPECT_EQ(counter.emitted(), (Emitted{{"progressChanged", 1},
                                          {"errorCategoryChanged", 1},
                                          {"runnerChanged", 1},
                                          {"changed", 3}}));
}

TEST(DownloadJob, BookkeepingFieldsNotifyNothing)
{
    const DownloadJobPtr job = makeJob();
    SignalCounter counter(job.get());
    const QDateTime now = QDateTime::currentDateTime();
    job->setLastActivityAt(now);
    job->setLastCheckedFileSize(123);
    job->setStartedAt(now);
    EXPECT_EQ(job->lastActivityAt(), now);
    EXPECT_EQ(job->lastCheckedFileSize(), 123);
    EXPECT_EQ(job->startedAt(), now);
    EXPECT_EQ(counter.emitted(), Emitted{});
}

TEST(DownloadJob, TitleFallsBackToTheLinkOnly)
{
    const DownloadJobPtr job = makeJob(QStringLiteral("https://example.com/v"));
    SignalCounter counter(job.get());
    EXPECT_EQ(job->title(), QStringLiteral("https://example.com/v"));

    job->setMetadata(metadataTitled("A clip"));
    EXPECT_EQ(job->title(), QStringLiteral("A clip"));
    EXPECT_EQ(counter.count("titleChanged"), 1);

    // The title follows the metadata.
    job->setMetadata(metadataTitled("Another clip"));
    EXPECT_EQ(job->title(), QStringLiteral("Another clip"));
    EXPECT_EQ(counter.count("titleChanged"), 2);

    // Other metadata, same title: the metadata changed, the title did not.
    MediaMetadata sameTitle = metadataTitled("Another clip");
    sameTitle.duration = 12;
    job->setMetadata(sameTitle);
    EXPECT_EQ(counter.count("metadataChanged"), 3);
    EXPECT_EQ(counter.count("titleChanged"), 2);

    // A present record with an empty title gives the empty title, not the link.
    job->setMetadata(metadataTitled(QString()));
    EXPECT_EQ(job->title(), QString());
    EXPECT_EQ(counter.count("titleChanged"), 3);

    job->setMetadata(std::nullopt);
    EXPECT_EQ(job->title(), QStringLiteral("https://example.com/v"));
    EXPECT_EQ(counter.count("titleChanged"), 4);
}

TEST(DownloadJob, AppendLogTrimsLineBreaksOnly)
{
    struct Case
    {
        QString line;
        std::optional<QString> stored; // nothing: the line is dropped
    };
    const QList<Case> cases = {
        {"\r\n", std::nullopt},
        {"", std::nullopt},
        {QString(), std::nullopt},
        {"\n\n\r\r", std::nullopt},
        {QString::fromUtf16(u"\u000B\u000C\u0085\u2028\u2029"), std::nullopt},
        {"  x  \n", "  x  "},
        {"\t[download]  50.0%\t\r", "\t[download]  50.0%\t"},
        {"  ", "  "},
        {"\n  \n", "  "},
        {"a\r\nb", "a\r\nb"},
        {"\rprogress\r", "progress"},
        {QString::fromUtf16(u"\u2028\u0085text\u2029\u000C\u000B"), "text"},
        {QString::fromUtf16(u"\u00A0nbsp\u00A0"), QString::fromUtf16(u"\u00A0nbsp\u00A0")},
        {QString::fromUtf16(u"\u6587\u5B57\n"), QString::fromUtf16(u"\u6587\u5B57")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const DownloadJobPtr job = makeJob();
        SignalCounter counter(job.get());
        job->appendLog(c.line);
        if (c.stored) {
            EXPECT_EQ(job->logLines(), QStringList{*c.stored});
            EXPECT_EQ(counter.emitted(), (Emitted{{"logLinesChanged", 1}, {"changed", 1}}));
        } else {
            EXPECT_TRUE(job->logLines().isEmpty());
            EXPECT_EQ(counter.emitted(), Emitted{});
        }
    }
}

TEST(DownloadJob, AppendLogKeepsTheNewest5000Lines)
{
    struct Case
    {
        int appended;
        int firstKept;
    };
    for (const Case c : {Case{4999, 1}, Case{5000, 1}, Case{5001, 2}, Case{6000, 1001}, Case{12345, 7346}}) {
        SCOPED_TRACE(c.appended);
        const DownloadJobPtr job = makeJob();
        SignalCounter counter(job.get());
        for (int i = 1; i <= c.appended; ++i)
            job->appendLog(QStringLiteral("line %1\n").arg(i));
        const QStringList &lines = job->logLines();
        ASSERT_EQ(lines.size(), std::min(c.appended, 5000));
        for (int k = 0; k < lines.size(); ++k)
            ASSERT_EQ(lines[k], QStringLiteral("line %1").arg(c.firstKept + k));
        EXPECT_EQ(lines.last(), QStringLiteral("line %1").arg(c.appended));
        EXPECT_EQ(counter.count("logLinesChanged"), c.appended);
    }
}

TEST(DownloadJob, SetLogLinesKeepsTheNewest)
{
    const DownloadJobPtr job = makeJob();
    QStringList many;
    for (int i = 1; i <= 5003; ++i)
        many.append(QString::number(i));
    job->setLogLines(many);
    ASSERT_EQ(job->logLines().size(), 5000);
    EXPECT_EQ(job->logLines().first(), "4");
    EXPECT_EQ(job->logLines().last(), "5003");
}

TEST(DownloadJob, ResetForRetry)
{
    const DownloadJobPtr job = makeJob();
    const QUuid id = job->id();
    const QDateTime created = job->createdAt();
    const QDateTime finished = created.addSecs(30);
    const MediaMetadata metadata = metadataTitled("Clip");
    job->setMetadata(metadata);
    job->setStatus(DownloadStatus::failed);
    job->setProgress(0.4);
    job->setSpeed("1MiB/s");
    job->setEta("00:01");
    job->setDownloadedBytes(10);
    job->setTotalBytes(20);
    job->setEstimatedTotalBytes(30);
    job->setFragmentIndex(2);
    job->setFragmentCount(9);
    job->setStage("downloading");
    job->setStalled(true);
    job->setOutputFilename("a.mp4");
    job->setOutputPath("/tmp/a.mp4");
    job->setErrorCategory(DownloadErrorCategory::network);
    job->setErrorSummary("ERROR: timed out");
    job->setErrorReason("timed out");
    job->setNote("Already downloaded");
    job->appendLog("ERROR: timed out");
    job->setFinishedAt(finished);
    job->setLastActivityAt(created);
    job->setLastCheckedFileSize(99);
    job->setStartedAt(created);

    SignalCounter counter(job.get());
    job->resetForRetry();

    EXPECT_EQ(job->status(), DownloadStatus::queued);
    EXPECT_FALSE(job->progress().has_value());
    EXPECT_EQ(job->speed(), QString());
    EXPECT_EQ(job->eta(), QString());
    EXPECT_EQ(job->downloadedBytes(), 0);
    EXPECT_EQ(job->totalBytes(), 0);
    EXPECT_EQ(job->estimatedTotalBytes(), 0);
    EXPECT_EQ(job->fragmentIndex(), 0);
    EXPECT_EQ(job->fragmentCount(), 0);
    EXPECT_EQ(job->stage(), QString());
    EXPECT_FALSE(job->stalled());
    EXPECT_EQ(job->outputFilename(), QString());
    EXPECT_EQ(job->outputPath(), QString());
    EXPECT_FALSE(job->errorCategory().has_value());
    EXPECT_EQ(job->errorSummary(), QString());
    EXPECT_EQ(job->errorReason(), QString());
    EXPECT_EQ(job->note(), QString());
    EXPECT_TRUE(job->logLines().isEmpty());
    EXPECT_FALSE(job->lastActivityAt().has_value());
    EXPECT_EQ(job->lastCheckedFileSize(), 0);
    EXPECT_FALSE(job->startedAt().has_value());
    // Kept.
    EXPECT_EQ(job->id(), id);
    EXPECT_EQ(job->url(), QStringLiteral("https://example.com/watch?v=1"));
    EXPECT_EQ(job->metadata(), metadata);
    EXPECT_EQ(job->title(), QStringLiteral("Clip"));
    EXPECT_EQ(job->createdAt(), created);
    EXPECT_EQ(job->finishedAt(), finished);
    EXPECT_EQ(job->mediaType(), MediaKind::video);
    EXPECT_EQ(job->videoQuality(), VideoQuality::p1080);
    EXPECT_EQ(job->audioFormat(), AudioFormat::best);
    EXPECT_EQ(job->subtitleMode(), SubtitleMode::none);
    EXPECT_EQ(job->subtitleLang(), QStringLiteral("en"));

    // Each field that changed notified once.
    EXPECT_EQ(counter.emitted(), (Emitted{{"statusChanged", 1},
                                          {"progressChanged", 1},
                                          {"speedChanged", 1},
                                          {"etaChanged", 1},
                                          {"downloadedBytesChanged", 1},
                                          {"totalBytesChanged", 1},
                                          {"estimatedTotalBytesChanged", 1},
                                          {"fragmentIndexChanged", 1},
                                          {"fragmentCountChanged", 1},
                                          {"stageChanged", 1},
                                          {"stalledChanged", 1},
                                          {"outputFilenameChanged", 1},
                                          {"outputPathChanged", 1},
                                          {"errorCategoryChanged", 1},
                                          {"errorSummaryChanged", 1},
                                          {"errorReasonChanged", 1},
                                          {"noteChanged", 1},
                                          {"logLinesChanged", 1},
                                          {"changed", 18}}));

    // A second reset changes nothing.
    counter.reset();
    job->resetForRetry();
    EXPECT_EQ(counter.emitted(), Emitted{});
}

TEST(WeakJobRef, DoesNotKeepTheJobAlive)
{
    DownloadJobPtr job = makeJob();
    const WeakJobRef ref = job->weakRef();
    const WeakJobRef copy = ref;
    EXPECT_EQ(ref.job(), job);
    EXPECT_EQ(copy.job(), job);
    EXPECT_FALSE(ref.expired());
    job.reset();
    EXPECT_EQ(ref.job(), nullptr);
    EXPECT_EQ(copy.job(), nullptr);
    EXPECT_TRUE(ref.expired());
    EXPECT_EQ(WeakJobRef().job(), nullptr);
}

TEST(WeakJobRef, JobWithoutSharedOwnerGivesAnEmptyReference)
{
    DownloadJob job(QStringLiteral("https://example.com"), MediaKind::video, VideoQuality::best,
                    AudioFormat::best, SubtitleMode::none, QStringLiteral("en"));
    EXPECT_TRUE(job.weakRef().expired());
}

TEST(WeakJobRef, CopiedAcrossThreadsAndDereferencedOnTheGuiThread)
{
    DownloadJobPtr job = makeJob();
    const WeakJobRef ref(job);
    const QThread *gui = QThread::currentThread();
    std::atomic<int> delivered = 0;
    QObject context;
    // A background thread copies the reference many times and hands each copy
    // over with a queued invocation, as a process's line callback does.
    std::thread background([&] {
        for (int i = 0; i < 1000; ++i) {
            WeakJobRef copy = ref;
            QMetaObject::invokeMethod(
                &context,
                [copy, gui, &delivered] {
                    EXPECT_EQ(QThread::currentThread(), gui);
                    if (const DownloadJobPtr j = copy.job()) {
                        j->appendLog(QStringLiteral("line"));
                        ++delivered;
                    }
                },
                Qt::QueuedConnection);
        }
    });
    background.join();
    // Every line arrives while the job lives; a reference handed over after
    // the job is gone yields nothing.
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, 1000);
    EXPECT_EQ(job->logLines().size(), 1000);
    job.reset();
    QMetaObject::invokeMethod(
        &context, [ref] { EXPECT_EQ(ref.job(), nullptr); }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}
