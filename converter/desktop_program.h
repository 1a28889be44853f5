#pragma once

#include <functional>

class QWidget;

namespace zentadial {

// The converter as a running program: the real seams, the user's forms, the
// window shown, the event loop. `beforeShow` sees the window just before it is
// first shown (the start-up benchmark watches for its first exposure).
int runDesktopProgram(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow = {});

} // namespace zentadial
