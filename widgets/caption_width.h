#pragma once

class QPushButton;

namespace zentadial {

// The width a push button needs to show its caption whole, in the button's
// font and style. The windows keep their classic fixed places; a caption in
// a longer language widens its button where there is room beside it.
[[nodiscard]] int captionWidth(const QPushButton& button);

} // namespace zentadial
