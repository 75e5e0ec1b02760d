// SPDX-License-Identifier: MIT
#pragma once

namespace kobaru {

// How a designed area is shown in a window: magnified uniformly by `factor` and moved by `left`
// and `top` (in the window's units), so that a designed point (x, y) is shown at
// (left + x * factor, top + y * factor).
struct View {
  double factor = 1;
  double left = 0;
  double top = 0;
  friend bool operator==(const View&, const View&) = default;
};

// The largest uniform magnification at which the designed area (designedW x designedH) fits a
// client area of clientW x clientH, centred in it; the rest of the client area is margin. Both
// sizes are in the same units. A client area without room (negative, zero or not a number) gives
// factor 0; a designed area without size cannot be magnified and is shown as designed, at the
// top-left corner.
View fitDesigned(double designedW, double designedH, double clientW, double clientH);

}  // namespace kobaru
