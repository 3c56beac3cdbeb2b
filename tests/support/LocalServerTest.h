#pragma once

#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// A suite whose tests share one local media server and run the shipped
// tools of the build tree. A suite that prepares more calls SetUp() first
// and stops when it failed (HasFatalFailure()).
class LocalServerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_server = new LocalMediaServer; }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(TestSupport::buildToolsDirectory() + "/yt-dlp").isExecutable())
            << "run scripts/bootstrap-tools.sh on the build tree first";
        ASSERT_TRUE(s_server->isReady()) << s_server->errorString().toStdString();
    }

    static inline LocalMediaServer *s_server = nullptr;
};
