// SPDX-License-Identifier: MIT
#include "presentation/magnification.h"

#include <algorithm>
#include <cmath>

namespace kobaru {

namespace {

// A size that is not a positive finite number has no room.
double room(double size) {
  return std::isfinite(size) && size > 0 ? size : 0;
}

}  // namespace

View fitDesigned(double designedW, double designedH, double clientW, double clientH) {
  if (!(room(designedW) > 0 && room(designedH) > 0)) return {};
  const double w = room(clientW), h = room(clientH);
  const double factor = std::min(w / designedW, h / designedH);
  return {factor, (w - designedW * factor) / 2, (h - designedH * factor) / 2};
}

}  // namespace kobaru
