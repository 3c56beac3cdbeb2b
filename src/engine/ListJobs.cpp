#include "engine/ListJobs.h"

namespace ListJobs {

QList<DownloadJobPtr> create(const MediaList &list, const QList<int> &indices, const Options &options)
{
    QList<DownloadJobPtr> jobs;
    jobs.reserve(indices.size());
    for (const int index : indices) {
        if (index < 1 || index > list.entries.size())
            continue;
        const MediaListEntry &entry = list.entries.at(index - 1);
        DownloadJobPtr job = DownloadJob::create(entry.url, options.mediaType, options.videoQuality,
                                                 options.audioFormat, options.subtitleMode, options.subtitleLang);
        job->setAdvancedOptions(options.advanced);
        job->setListPlacement(ListPlacement{list.title, entry.index, entry.fetchFromList});
        // No id: the entry's own page may name it differently, and the id
        // is what a finished file is told by.
        MediaMetadata shown;
        shown.title = entry.title;
        shown.duration = entry.duration;
        shown.thumbnail = entry.thumbnail;
        shown.webpageUrl = entry.url;
        shown.uploader = list.uploader;
        job->setMetadata(shown);
        jobs.append(std::move(job));
    }
    return jobs;
}

} // namespace ListJobs
