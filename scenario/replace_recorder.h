#pragma once

#include <string>
#include <string_view>

namespace zentadial {

// Told of every replace a pass makes, so that what a file held can be kept
// before it is gone. A pass without one writes as before.
class ReplaceRecorder {
public:
    virtual ~ReplaceRecorder() = default;
    // Before the path's present version (`before`) is replaced by `after`;
    // the recorder has kept what it needs when this returns.
    virtual void aboutToReplace(const std::string& path, std::string_view before,
                                std::string_view after) = 0;
    // After the replace of the path last announced has succeeded.
    virtual void replaced(const std::string& path) = 0;
};

} // namespace zentadial
