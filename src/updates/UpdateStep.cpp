#include "updates/UpdateStep.h"

#include <QCoreApplication>

namespace UpdateSteps {

QString description(UpdateStep step)
{
    switch (step) {
    case UpdateStep::findingRelease:
        return QCoreApplication::translate("UpdateStep", "Finding the latest release");
    case UpdateStep::comparingVersions:
        return QCoreApplication::translate("UpdateStep", "Comparing versions");
    case UpdateStep::downloading:
        return QCoreApplication::translate("UpdateStep", "Downloading");
    case UpdateStep::checkingSignature:
        return QCoreApplication::translate("UpdateStep", "Checking the signature");
    case UpdateStep::checkingDigest:
        return QCoreApplication::translate("UpdateStep", "Checking the digest");
    case UpdateStep::unpacking:
        return QCoreApplication::translate("UpdateStep", "Unpacking");
    case UpdateStep::checkingPython:
        return QCoreApplication::translate("UpdateStep", "Checking python3");
    case UpdateStep::tryingNewFile:
        return QCoreApplication::translate("UpdateStep", "Trying the new file");
    case UpdateStep::installing:
        return QCoreApplication::translate("UpdateStep", "Installing");
    }
    return {};
}

} // namespace UpdateSteps
