#pragma once

#include "services/FileService.h"

#include <QString>

class QWidget;

// Tells the person when the desktop had nothing to open a file or folder
// with, instead of leaving a click without effect.
namespace OpenFailureMessage {

enum class Action { open, reveal };

// A handler for FileService's outcome: on noHandler it shows a window-modal
// message over `parent` naming `path`; any other outcome shows nothing. Safe
// when `parent` is gone by the time the desktop answers.
OpenDone reporter(QWidget *parent, const QString &path, Action action = Action::open);

} // namespace OpenFailureMessage
