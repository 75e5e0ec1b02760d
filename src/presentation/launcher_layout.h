// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "practice/elements.h"

namespace kobaru {

// A launcher element's designed place, in twips from the backdrop's top-left corner.
struct LauncherPlace {
  int left, top, width, height;
};

// What a menu button does; each shell carries it out with its own windows.
enum class MenuAction { OpenPractice, ShowHelp, ExitProgram, ShowAbout, ShowResults };

struct MenuButton {
  const char* name;
  const char* caption;  // also its accessible name
  LauncherPlace place;
  MenuAction action;
  bool afterPractice;  // shown only once a practice has been played, for its results
};

// A text shown at its designed place.
struct LauncherText {
  const char* name;
  const char* text;
  const char* accessibleName;
  LauncherPlace place;
  Font font;
  Color foreColor;
};

// The launcher `kidou`: its menu and texts over the backdrop, whose size is the designed area.
struct LauncherLayout {
  const char* caption;
  int designedWidth, designedHeight;  // twips
  Font menuFont;
  std::span<const MenuButton> menu;
  LauncherText title;
  LauncherText notice;  // each of its lines ends in CR LF
};

extern const LauncherLayout kLauncher;

// The notice's lines as they are shown, without their line ends.
std::vector<std::string_view> noticeLines();

}  // namespace kobaru
