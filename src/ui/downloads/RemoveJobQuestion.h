#pragma once

#include "engine/DownloadJob.h"

class DownloadQueue;
class QWidget;

// "Remove" of a job row. A failed or cancelled job that left partial files
// (PartialFiles) asks first whether to delete them too: "Remove Only" (the
// default), "Remove and Delete Files", or cancel; any other job, and one that
// left none, is removed at once. A completed job's files are never touched.
namespace RemoveJobQuestion {

// Removes `job` from `queue`, asking over `parent` (without blocking) when
// there are partial files to offer.
void removeJob(const DownloadJobPtr &job, DownloadQueue &queue, QWidget *parent);

} // namespace RemoveJobQuestion
