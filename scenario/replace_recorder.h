#pragma once

#include <string>
#include <string_view>

namespace zentadial {

// Told of every replace a pass makes, so that what a file held can be kept
// before it is gone. A pass without one writes as before. A pass over many
// files announces a group of them, flushes once, then replaces them: the
// flushes, not the files, are what a journal's cost grows with.
class ReplaceRecorder {
public:
    virtual ~ReplaceRecorder() = default;
    // Before the path's present version (`before`) is replaced by `after`;
    // what the recorder keeps of it may not be on disk yet.
    virtual void announce(const std::string& path, std::string_view before,
                          std::string_view after) = 0;
    // Before any replace announced so far is made: everything announced is
    // on disk when this returns.
    virtual void flush() = 0;
    // After the replace of a path announced and flushed has succeeded.
    virtual void replaced(const std::string& path) = 0;

    // Announced and flushed, for a caller that replaces one file at a time.
    void aboutToReplace(const std::string& path, std::string_view before, std::string_view after) {
        announce(path, before, after);
        flush();
    }
};

} // namespace zentadial
