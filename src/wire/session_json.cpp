// SPDX-License-Identifier: MIT
#include "wire/session_json.h"

#include <cmath>

#include "wire/element_json.h"

namespace kobaru {

namespace {

using nlohmann::json;

const json& field(const json& in, const char* name) {
  static const json kAbsent;
  const auto f = in.find(name);
  return f == in.end() ? kAbsent : *f;
}

std::string textOf(const json& v) {
  return v.is_string() ? v.get<std::string>() : std::string();
}

bool flagOf(const json& v, bool absent) {
  return v.is_boolean() ? v.get<bool>() : absent;
}

double numberOf(const json& v) {
  return v.is_number() ? v.get<double>() : NAN;
}

constexpr const char* kEffectNames[] = {
    "sound", "beep", "message", "closePracticeScreen", "showLauncher", "showResults"};

}  // namespace

Input inputFrom(const json& in) {
  Input r;
  if (!in.is_object()) return r;
  r.kind = inputKindNamed(textOf(field(in, "kind"))).value_or(InputKind::Tick);
  r.name = textOf(field(in, "name"));
  const double pointer = numberOf(field(in, "pointer"));
  r.pointer = std::isfinite(pointer) && std::abs(pointer) < 1e9 ? static_cast<int>(pointer) : 0;
  r.primary = flagOf(field(in, "primary"), true);
  r.over = flagOf(field(in, "over"), true);
  r.repeat = flagOf(field(in, "repeat"), false);
  const double key = numberOf(field(in, "key"));
  r.key = key >= 0 && key <= 0x10FFFF && key == std::floor(key) ? static_cast<char32_t>(key)
                                                                : char32_t{0x110000};
  r.text = textOf(field(in, "text"));
  if (r.kind == InputKind::EntryText && !field(in, "text").is_string()) r.kind = InputKind::Tick;
  return r;
}

json inputJson(const Input& in) {
  return {{"kind", nameOf(in.kind)},
          {"name", in.name},
          {"pointer", in.pointer},
          {"primary", in.primary},
          {"over", in.over},
          {"repeat", in.repeat},
          {"key", static_cast<std::uint32_t>(in.key)},
          {"text", in.text}};
}

json effectsJson(const std::vector<Effect>& effects) {
  json all = json::array();
  for (const Effect& e : effects) {
    json effect = {{"kind", kEffectNames[static_cast<int>(e.kind)]}};
    if (e.kind == EffectKind::Sound) effect["path"] = e.path;
    if (e.kind == EffectKind::Message) {
      effect["text"] = e.text;
      effect["title"] = e.title;
      effect["icon"] = e.icon == MessageIcon::Warning ? "warning" : "information";
    }
    all.push_back(std::move(effect));
  }
  return all;
}

json replyJson(const Reply& reply) {
  return {{"effects", effectsJson(reply.effects)},
          {"changes", elementsJson(reply.changes)},
          {"focus", reply.focus ? json(*reply.focus) : json(nullptr)},
          {"held", reply.held},
          {"sleep", reply.sleep ? static_cast<double>(*reply.sleep) : -1.0}};
}

}  // namespace kobaru
