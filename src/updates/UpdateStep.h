#pragma once

#include <QString>

// The steps of a tool update, in the order they run.
enum class UpdateStep {
    findingRelease,
    comparingVersions,
    downloading,
    checkingSignature,
    checkingDigest,
    unpacking,
    checkingPython,
    tryingNewFile,
    installing,
};

namespace UpdateSteps {

// "Finding the latest release", ...: what the step does, in plain words
// (translated).
QString description(UpdateStep step);

} // namespace UpdateSteps
