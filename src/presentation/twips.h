// SPDX-License-Identifier: MIT
#pragma once

namespace kobaru {

// Designed places and sizes are in twips; at a magnification of 1 a pixel is 15 of them (96 dpi).
inline constexpr int kTwipsPerPixel = 15;

}  // namespace kobaru
