// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

namespace kobaru {

// The launcher as the page draws it: {caption, designedWidth, designedHeight, menuFont, menu:
// [{name, caption, place, action, afterPractice}], title, notice, noticeLines}, each place as
// {left, top, width, height} in twips, each action a MenuAction.
emscripten::val launcherLayout();
// The version window: {caption, product, description, makerHeading, maker, close, width}.
emscripten::val aboutLayout();
// The manual viewer: {caption, width, height}.
emscripten::val helpLayout();

}  // namespace kobaru
