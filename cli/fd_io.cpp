#include "cli/fd_io.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace zentadial {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::string systemMessage(int error) {
    return std::generic_category().message(error);
}

} // namespace

void FdWriter::write(std::string_view text) {
    if (error_) {
        return;
    }
    buffer_.append(text);
    if (buffer_.size() >= kChunk) {
        flush();
    }
}

void FdWriter::flush() {
    std::size_t done = 0;
    while (!error_ && done < buffer_.size()) {
        // A chunk at a time: Windows' write() counts in an unsigned int.
        const auto size = static_cast<unsigned>(std::min(buffer_.size() - done, kChunk));
        const auto n = ::write(fd_, buffer_.data() + done, size);
        if (n < 0) {
            if (errno != EINTR) {
                error_ = systemMessage(errno);
            }
            continue;
        }
        if (n == 0) {
            error_ = systemMessage(EIO); // no progress: retrying would spin for ever
            continue;
        }
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

bool FdLineReader::fill() {
    if (atEnd_) {
        return false;
    }
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kChunk);
    for (;;) {
        const auto n = ::read(fd_, buffer_.data() + old, static_cast<unsigned>(kChunk));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error_ = systemMessage(errno);
        }
        buffer_.resize(old + static_cast<std::size_t>(n > 0 ? n : 0));
        atEnd_ = n <= 0;
        return n > 0;
    }
}

bool FdLineReader::lineReady() const {
    return atEnd_ || buffer_.find('\n', start_) != std::string::npos;
}

std::optional<InputLine> FdLineReader::skipLongLine() {
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_);
        if (end != std::string::npos) {
            start_ = end + 1;
            return InputLine{{}, true};
        }
        start_ = buffer_.size();
        if (!fill()) {
            return InputLine{{}, true};
        }
    }
}

std::optional<InputLine> FdLineReader::next() {
    const auto line = [this](std::string_view text) {
        if (text.ends_with('\r')) {
            text.remove_suffix(1);
        }
        return text.size() > limit_ ? InputLine{{}, true} : InputLine{text, false};
    };
    std::size_t searched = start_;
    for (;;) {
        const std::size_t end = buffer_.find('\n', searched);
        if (end != std::string::npos) {
            const std::string_view text(buffer_.data() + start_, end - start_);
            start_ = end + 1;
            return line(text);
        }
        if (buffer_.size() - start_ > limit_ + 1) { // the limit, and a CR
            return skipLongLine();
        }
        // fill() moves the unread rest to the front of the buffer.
        const std::size_t scanned = buffer_.size() - start_;
        if (!fill()) {
            break;
        }
        searched = scanned;
    }
    if (start_ == buffer_.size()) {
        return std::nullopt;
    }
    const std::string_view text(buffer_.data() + start_, buffer_.size() - start_);
    start_ = buffer_.size();
    return line(text);
}

} // namespace zentadial
