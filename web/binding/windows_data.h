// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

namespace kobaru {

// The launcher as the page draws it: {caption, designedWidth, designedHeight, menuFont, menu,
// title, notice}, each place as {left, top, width, height} in twips.
emscripten::val launcherLayout();
// The version window's texts: {caption, product, description, makerHeading, maker, close}.
emscripten::val aboutTexts();

}  // namespace kobaru
