#pragma once

// The window and its controls are designed in twips, 1/1440 inch. On the 96-dpi screens they were
// laid out for, 15 twips make one pixel.
namespace quillon::controls::twips {

inline constexpr int kPerPixel = 15;

// Rounded to the nearest pixel (15 is odd, so there are no ties).
inline constexpr int toPixels(int twips) {
    return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel
                      : -((-twips + kPerPixel / 2) / kPerPixel);
}

}  // namespace quillon::controls::twips
