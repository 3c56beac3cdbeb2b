#include "support/FileModes.h"

#include <gtest/gtest.h>

#include <thread>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace FileModes {

void runEnforced(const std::function<void()> &work)
{
    std::thread thread([&work] {
        // Capabilities belong to the thread: the raw system calls change this
        // thread only (the libc wrappers would change every thread).
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
        if (::syscall(SYS_capget, &header, data) != 0) {
            ADD_FAILURE() << "capget failed";
            return;
        }
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            data[CAP_TO_INDEX(capability)].effective &= ~CAP_TO_MASK(capability);
        if (::syscall(SYS_capset, &header, data) != 0) {
            ADD_FAILURE() << "capset failed";
            return;
        }
        work();
    });
    thread.join();
}

} // namespace FileModes
