#pragma once

// The file system of the platform the tests run on, with write calls that a
// test can break: a write that fails at its n-th call or writes at most a few
// bytes at a time, a flush that fails, or another program's change made just
// before the first write. And a file system that lets a test act between any
// two of the calls a pass makes.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

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
    bool flushSkipped = false; // for tests that write many times and cut no power
    std::function<void()> beforeFirstWrite{};
    // The file system refuses the exchange, as one without it does.
    bool exchangeRefused = false;
    int failingExchange = 0; // 1 for the first call; 0 for none
};

#ifdef _WIN32
using NativeFileSystem = Win32FileSystem;

inline Win32WriteCalls faultyCalls(WriteFaults faults) {
    auto writes = std::make_shared<int>(0);
    auto exchanges = std::make_shared<int>(0);
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
            if (faults.flushSkipped) {
                return 0UL;
            }
            return faults.flushFails ? static_cast<unsigned long>(ERROR_WRITE_FAULT)
                                     : systemWin32WriteCalls().flush(handle);
        },
        [=](const wchar_t* replaced, const wchar_t* replacement, const wchar_t* backup) {
            if (++*exchanges == faults.failingExchange) {
                return static_cast<unsigned long>(ERROR_WRITE_FAULT);
            }
            return faults.exchangeRefused ? static_cast<unsigned long>(ERROR_NOT_SUPPORTED)
                                          : replaceKeepingBackup(replaced, replacement, backup);
        },
    };
}
#else
using NativeFileSystem = PosixFileSystem;

inline WriteCalls faultyCalls(WriteFaults faults) {
    auto writes = std::make_shared<int>(0);
    auto exchanges = std::make_shared<int>(0);
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
            return faults.flushSkipped ? 0 : ::fsync(fd);
        },
        [=](int folder, const char* first, const char* second) {
            if (++*exchanges == faults.failingExchange || faults.exchangeRefused) {
                errno = faults.exchangeRefused ? EINVAL : EIO;
                return -1;
            }
            return exchangeNames(folder, first, second);
        },
    };
}
#endif

// Forwards every call to another file system, telling `before` which call
// comes first, so that a test can change the folder there as another user
// would. A removal can be made to fail, as in a folder that forbids it.
class SteppedFileSystem final : public FileSystem {
public:
    using Hook = std::function<void(std::string_view call)>;
    explicit SteppedFileSystem(FileSystem& inner, Hook before = {})
        : inner_(inner), before_(std::move(before)) {}

    bool removalFails = false;
    [[nodiscard]] int calls() const { return calls_; }

    std::expected<OpenFolder, std::error_code> openFolder(const std::string& path) override {
        step("openFolder");
        return inner_.openFolder(path);
    }
    std::expected<OpenFolder, std::error_code> openFolderAt(const OpenFolder& parent,
                                                            const std::string& name) override {
        step("openFolderAt");
        return inner_.openFolderAt(parent, name);
    }
    std::expected<std::vector<FolderEntry>, std::error_code>
    listFolder(const OpenFolder& folder) override {
        step("listFolder");
        return inner_.listFolder(folder);
    }
    std::expected<EntryInfo, std::error_code> entryAt(const OpenFolder& folder,
                                                      const std::string& name) override {
        step("entryAt");
        return inner_.entryAt(folder, name);
    }
    std::expected<std::string, std::error_code> readLink(const OpenFolder& folder,
                                                         const std::string& name) override {
        step("readLink");
        return inner_.readLink(folder, name);
    }
    std::expected<SystemHandle, FileError> openForReading(const OpenFolder& folder,
                                                          const std::string& name) override {
        step("openForReading");
        return inner_.openForReading(folder, name);
    }
    std::expected<FileIdentity, std::error_code> identityOf(const SystemHandle& file) override {
        step("identityOf");
        return inner_.identityOf(file);
    }
    std::expected<std::size_t, std::error_code> readSome(const SystemHandle& file, char* data,
                                                         std::size_t size) override {
        step("readSome");
        return inner_.readSome(file, data, size);
    }
    std::expected<void, FileError> checkReplaceable(const OpenFolder& folder,
                                                    const std::string& name,
                                                    const SystemHandle& file) override {
        step("checkReplaceable");
        return inner_.checkReplaceable(folder, name, file);
    }
    std::expected<SystemHandle, std::error_code> createFile(const OpenFolder& folder,
                                                            const std::string& name) override {
        step("createFile");
        return inner_.createFile(folder, name);
    }
    std::expected<void, FileError> copyMetadata(const SystemHandle& from,
                                                const SystemHandle& to) override {
        step("copyMetadata");
        return inner_.copyMetadata(from, to);
    }
    std::expected<std::size_t, std::error_code>
    writeSome(const SystemHandle& file, const char* data, std::size_t size) override {
        step("writeSome");
        return inner_.writeSome(file, data, size);
    }
    std::error_code sync(const SystemHandle& file) override {
        step("sync");
        return inner_.sync(file);
    }
    std::expected<void, FileError> putInPlace(const OpenFolder& folder,
                                              const std::string& temporary,
                                              const std::string& name) override {
        step("putInPlace");
        return inner_.putInPlace(folder, temporary, name);
    }
    std::expected<std::string, std::error_code> exchange(const OpenFolder& folder,
                                                         const std::string& temporary,
                                                         const std::string& name) override {
        step("exchange");
        return inner_.exchange(folder, temporary, name);
    }
    std::expected<void, FileError> putBack(const OpenFolder& folder, const std::string& keptAside,
                                           const std::string& name) override {
        step("putBack");
        return inner_.putBack(folder, keptAside, name);
    }
    std::error_code removeEntry(const OpenFolder& folder, const std::string& name) override {
        step("removeEntry");
        return removalFails ? std::make_error_code(std::errc::operation_not_permitted)
                            : inner_.removeEntry(folder, name);
    }
    std::error_code syncFolder(const OpenFolder& folder) override {
        step("syncFolder");
        return inner_.syncFolder(folder);
    }

private:
    void step(std::string_view call) {
        ++calls_;
        if (before_) {
            before_(call);
        }
    }

    FileSystem& inner_;
    Hook before_;
    int calls_ = 0;
};

} // namespace zentadial::test
