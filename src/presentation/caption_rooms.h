// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace kobaru {

// Captions with a run of blanks that leaves room for a box lying over them, the box's value
// being read with the caption's words: "決定まであと" [box] "秒". Whatever a face's widths, the
// words before the blanks end where the box begins, and those after begin where it ends.
struct CaptionRoom {
  std::string_view label;
  std::string_view box;
};

inline constexpr CaptionRoom kCaptionRooms[] = {
    {"nokori", "nokori2"},
    {"meyasu", "meyasugaku"},
    {"Label8", "Text7"},
};

}  // namespace kobaru
