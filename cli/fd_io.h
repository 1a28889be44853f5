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
// still a line. A line longer than the limit is not kept: it comes as one
// line marked too long, and its bytes are read past as they arrive, so that
// memory stays the same whatever the input holds.
struct InputLine {
    std::string_view text; // empty when too long
    bool tooLong = false;
};

class FdLineReader {
public:
    static constexpr std::size_t kDefaultLimit = 64 * 1024;

    explicit FdLineReader(int fd, std::size_t limit = kDefaultLimit) : fd_(fd), limit_(limit) {}

    // The next line, valid until the next call; nothing at the end of input
    // or after a read error.
    [[nodiscard]] std::optional<InputLine> next();
    // Whether next() can answer without waiting for input.
    [[nodiscard]] bool lineReady() const;
    [[nodiscard]] std::size_t limit() const { return limit_; }
    [[nodiscard]] const std::optional<std::string>& error() const { return error_; }

private:
    bool fill();
    std::optional<InputLine> skipLongLine();

    int fd_;
    std::size_t limit_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool atEnd_ = false;
    std::optional<std::string> error_;
};

} // namespace zentadial
