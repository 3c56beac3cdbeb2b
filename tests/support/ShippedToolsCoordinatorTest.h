#pragma once

#include "support/CoordinatorFixture.h"
#include "support/LocalServerTest.h"

#include <QDir>

#include <memory>

// A suite of whole downloads: the suite's local server, and for each test a
// coordinator of its own that runs the shipped tools of the build tree.
class ShippedToolsCoordinatorTest : public LocalServerTest
{
protected:
    void SetUp() override
    {
        LocalServerTest::SetUp();
        if (HasFatalFailure())
            return;
        fixture = std::make_unique<CoordinatorFixture>(
            QDir(TestSupport::buildToolsDirectory()).absoluteFilePath(".."));
    }

    std::unique_ptr<CoordinatorFixture> fixture;
};
