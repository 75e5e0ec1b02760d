// SPDX-License-Identifier: MIT
#include "windows_data.h"

#include <string>
#include <string_view>

#include "json_val.h"
#include "place.h"
#include "presentation/about_layout.h"
#include "presentation/help_window.h"
#include "presentation/launcher_layout.h"
#include "utf8.h"
#include "wire/element_json.h"

namespace kobaru {

namespace {

using emscripten::val;

val textOf(const LauncherText& t) {
  val text = val::object();
  text.set("name", utf8(t.name));
  text.set("text", utf8(t.text));
  text.set("accessibleName", utf8(t.accessibleName));
  text.set("place", placeOf(t.place));
  text.set("font", toVal(fontJson(t.font)));
  text.set("foreColor", t.foreColor);
  return text;
}

val captionAndSize(const char* caption, int width, int height) {
  val layout = val::object();
  layout.set("caption", utf8(caption));
  layout.set("width", width);
  layout.set("height", height);
  return layout;
}

}  // namespace

val launcherLayout() {
  val menu = val::array();
  for (const MenuButton& b : kLauncher.menu) {
    val button = val::object();
    button.set("name", utf8(b.name));
    button.set("caption", utf8(b.caption));
    button.set("place", placeOf(b.place));
    button.set("action", b.action);
    button.set("afterPractice", b.afterPractice);
    menu.call<void>("push", button);
  }
  val layout = val::object();
  layout.set("caption", utf8(kLauncher.caption));
  layout.set("designedWidth", kLauncher.designedWidth);
  layout.set("designedHeight", kLauncher.designedHeight);
  layout.set("menuFont", toVal(fontJson(kLauncher.menuFont)));
  layout.set("menu", menu);
  layout.set("title", textOf(kLauncher.title));
  layout.set("notice", textOf(kLauncher.notice));
  val lines = val::array();
  for (std::string_view line : noticeLines()) lines.call<void>("push", std::string(line));
  layout.set("noticeLines", lines);
  return layout;
}

val aboutLayout() {
  val maker = val::array();
  for (const char* line : kAbout.maker) maker.call<void>("push", utf8(line));
  val texts = val::object();
  texts.set("caption", utf8(kAbout.caption));
  texts.set("product", utf8(kAbout.product));
  texts.set("description", utf8(kAbout.description));
  texts.set("makerHeading", utf8(kAbout.makerHeading));
  texts.set("maker", maker);
  texts.set("close", utf8(kAbout.close));
  texts.set("width", kAbout.width);
  return texts;
}

val helpLayout() {
  return captionAndSize(kHelpWindow.caption, kHelpWindow.width, kHelpWindow.height);
}

}  // namespace kobaru
