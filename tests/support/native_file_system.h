#pragma once

// The file system of the platform the tests run on, with write calls that a
// test can break: a write that fails at its n-th call or writes at most a few
// bytes at a time, a flush that fails, or another program's change made just
// before the first write.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>

#ifdef _WIN32
#include "scenario/win32_file_system.h"

#include <windows.h>
#else
#include "scenario/posix_file_system.h"

#include <cerrno>
#include <unistd.h>
#endif

namespace zentadial::test {

struct WriteFaults {
    int failingWrite = 0;  // 1 for the first call; 0 for none
    std::size_t chunk = 0; // most bytes one call writes; 0 for no limit
    bool flushFails = false;
    std::function<void()> beforeFirstWrite{};
};

#ifdef _WIN32
using NativeFileSystem = Win32FileSystem;

inline Win32WriteCalls faultyCalls(WriteFaults faults) {
    auto writes = std::make_shared<int>(0);
    return {
        [=](void* handle, const void* data, unsigned long size, unsigned long* written) {
            if (++*writes == 1 && faults.beforeFirstWrite) {
                faults.beforeFirstWrite();
            }
            if (*writes == faults.failingWrite) {
                return static_cast<unsigned long>(ERROR_DISK_FULL);
            }
            const auto limited =
                faults.chunk == 0 ? size : std::min(size, static_cast<unsigned long>(faults.chunk));
            return systemWin32WriteCalls().write(handle, data, limited, written);
        },
        [=](void* handle) {
            return faults.flushFails ? static_cast<unsigned long>(ERROR_WRITE_FAULT)
                                     : systemWin32WriteCalls().flush(handle);
        },
    };
}
#else
using NativeFileSystem = PosixFileSystem;

inline WriteCalls faultyCalls(WriteFaults faults) {
    auto writes = std::make_shared<int>(0);
    return {
        [=](int fd, const void* data, std::size_t size) -> ssize_t {
            if (++*writes == 1 && faults.beforeFirstWrite) {
                faults.beforeFirstWrite();
            }
            if (*writes == faults.failingWrite) {
                errno = ENOSPC;
                return -1;
            }
            return ::write(fd, data, faults.chunk == 0 ? size : std::min(size, faults.chunk));
        },
        [=](int fd) {
            if (faults.flushFails) {
                errno = EIO;
                return -1;
            }
            return ::fsync(fd);
        },
    };
}
#endif

} // namespace zentadial::test
