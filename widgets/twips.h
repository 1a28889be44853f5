#pragma once

namespace zentadial {

// Window layouts are kept in twips (1/1440 inch) so that they scale with the
// screen's logical resolution; at 96 dpi a pixel is 15 twips.
inline constexpr int kTwipsPerInch = 1440;

[[nodiscard]] constexpr int twipsToPixels(int twips, double logicalDpi) {
    const double pixels = static_cast<double>(twips) * logicalDpi / kTwipsPerInch;
    // Half a pixel away from zero, so that a layout and its mirror image agree.
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

} // namespace zentadial
