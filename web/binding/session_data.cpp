// SPDX-License-Identifier: MIT
#include "session_data.h"

#include <cmath>

#include "element_state.h"

namespace kobaru {

namespace {

using emscripten::val;

std::string textOf(const val& v) {
  return v.isString() ? v.as<std::string>() : std::string();
}

bool flagOf(const val& v, bool absent) {
  return v.isTrue() || (!v.isFalse() && absent);
}

double numberOf(const val& v) {
  return v.isNumber() ? v.as<double>() : NAN;
}

constexpr const char* kEffectNames[] = {
    "sound", "beep", "message", "closePracticeScreen", "showLauncher", "showResults"};

}  // namespace

Input inputOf(const val& in) {
  Input r;
  if (in.isNull() || in.typeOf().as<std::string>() != "object") return r;
  r.kind = inputKindNamed(textOf(in["kind"])).value_or(InputKind::Tick);
  r.name = textOf(in["name"]);
  const double pointer = numberOf(in["pointer"]);
  r.pointer = std::isfinite(pointer) && std::abs(pointer) < 1e9 ? static_cast<int>(pointer) : 0;
  r.primary = flagOf(in["primary"], true);
  r.over = flagOf(in["over"], true);
  r.repeat = flagOf(in["repeat"], false);
  const double key = numberOf(in["key"]);
  // Outside Unicode, or no number at all: no character, which the session ignores.
  r.key = key >= 0 && key <= 0x10FFFF && key == std::floor(key) ? static_cast<char32_t>(key)
                                                                : char32_t{0x110000};
  r.text = textOf(in["text"]);
  // Text typed into an entry, without the text: nothing to put there.
  if (r.kind == InputKind::EntryText && !in["text"].isString()) r.kind = InputKind::Tick;
  return r;
}

val replyOf(const Reply& reply) {
  val effects = val::array();
  for (const Effect& e : reply.effects) {
    val effect = val::object();
    effect.set("kind", val(kEffectNames[static_cast<int>(e.kind)]));
    if (e.kind == EffectKind::Sound) effect.set("path", e.path);
    if (e.kind == EffectKind::Message) {
      effect.set("text", e.text);
      effect.set("title", e.title);
      effect.set("icon", val(e.icon == MessageIcon::Warning ? "warning" : "information"));
    }
    effects.call<void>("push", effect);
  }
  val changes = val::array();
  for (const DisplayedElement& d : reply.changes) changes.call<void>("push", stateOf(d));
  val r = val::object();
  r.set("effects", effects);
  r.set("changes", changes);
  r.set("focus", reply.focus ? val(*reply.focus) : val::null());
  r.set("held", reply.held);
  r.set("sleep", reply.sleep ? static_cast<double>(*reply.sleep) : -1.0);
  return r;
}

}  // namespace kobaru
