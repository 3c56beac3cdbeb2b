#pragma once

#include "engine/DownloadJob.h"

class DownloadCoordinator;
class QWidget;

// "Remove" of a job row. A job still queued or running asks "Stop and
// remove?" (its download stops; "Also delete its partial files" unticked
// by default). A failed or cancelled job that left partial files
// (PartialFiles) asks whether to delete them too: "Remove Only" (the
// default), "Remove and Delete Files", or cancel; any other job, and one that
// left none, is removed at once. A completed job's files are never touched.
namespace RemoveJobQuestion {

// Removes `job` through `coordinator`, asking over `parent` (without
// blocking) first when it runs or there are partial files to offer.
void removeJob(const DownloadJobPtr &job, DownloadCoordinator &coordinator, QWidget *parent);

} // namespace RemoveJobQuestion
