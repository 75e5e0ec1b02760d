// SPDX-License-Identifier: MIT
#include "windows_data.h"

#include "element_state.h"
#include "practice/about_texts.h"
#include "practice/launcher_layout.h"

namespace kobaru {

namespace {

using emscripten::val;

val placeOf(const LauncherPlace& p) {
  val place = val::object();
  place.set("left", p.left);
  place.set("top", p.top);
  place.set("width", p.width);
  place.set("height", p.height);
  return place;
}

val textOf(const LauncherText& t) {
  val text = val::object();
  text.set("name", val(t.name));
  text.set("text", val(t.text));
  text.set("accessibleName", val(t.accessibleName));
  text.set("place", placeOf(t.place));
  text.set("font", fontOf(t.font));
  text.set("foreColor", t.foreColor);
  return text;
}

}  // namespace

val launcherLayout() {
  val menu = val::array();
  for (const MenuButton& b : kLauncher.menu) {
    val button = val::object();
    button.set("name", val(b.name));
    button.set("caption", val(b.caption));
    button.set("place", placeOf(b.place));
    button.set("afterPractice", b.afterPractice);
    menu.call<void>("push", button);
  }
  val layout = val::object();
  layout.set("caption", val(kLauncher.caption));
  layout.set("designedWidth", kLauncher.designedWidth);
  layout.set("designedHeight", kLauncher.designedHeight);
  layout.set("menuFont", fontOf(kLauncher.menuFont));
  layout.set("menu", menu);
  layout.set("title", textOf(kLauncher.title));
  layout.set("notice", textOf(kLauncher.notice));
  return layout;
}

val aboutTexts() {
  val maker = val::array();
  for (const char* line : kAbout.maker) maker.call<void>("push", val(line));
  val texts = val::object();
  texts.set("caption", val(kAbout.caption));
  texts.set("product", val(kAbout.product));
  texts.set("description", val(kAbout.description));
  texts.set("makerHeading", val(kAbout.makerHeading));
  texts.set("maker", maker);
  texts.set("close", val(kAbout.close));
  return texts;
}

}  // namespace kobaru
