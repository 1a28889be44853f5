#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentadial {

// Buffered output straight to a file descriptor: a batch of a million lines
// must not pay for a system call, or a stream's locking, per line.
class FdWriter {
public:
    explicit FdWriter(int fd) : fd_(fd) {}
    FdWriter(const FdWriter&) = delete;
    FdWriter& operator=(const FdWriter&) = delete;
    ~FdWriter() { flush(); }

    void write(std::string_view text);
    void flush();
    // The first write error's system message; later writes are dropped, so a
    // closed pipe or a full disk is reported once instead of per line.
    [[nodiscard]] const std::optional<std::string>& error() const { return error_; }

private:
    int fd_;
    std::string buffer_;
    std::optional<std::string> error_;
};

// Lines from a file descriptor, ended by LF; a CR before the LF is dropped so
// that files written on Windows read the same. A last line without an end is
// still a line.
class FdLineReader {
public:
    explicit FdLineReader(int fd) : fd_(fd) {}

    // The next line, valid until the next call; nothing at the end of input
    // or after a read error.
    [[nodiscard]] std::optional<std::string_view> next();
    [[nodiscard]] const std::optional<std::string>& error() const { return error_; }

private:
    bool fill();

    int fd_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool atEnd_ = false;
    std::optional<std::string> error_;
};

} // namespace zentadial
