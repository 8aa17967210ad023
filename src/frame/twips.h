#pragma once
// Layout values of the windows are given in twips: 1/15 of a pixel at 96 dots per inch.

namespace ts {
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }
constexpr int pixelsToTwips(int pixels) { return pixels * 15; }
} // namespace ts
