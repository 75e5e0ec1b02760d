// SPDX-License-Identifier: MIT
#include "session/input.h"

#include <utility>

namespace kobaru {

namespace {

constexpr std::pair<InputKind, std::string_view> kInputKinds[] = {
    {InputKind::Load, "load"},
    {InputKind::Tick, "tick"},
    {InputKind::ButtonDown, "buttonDown"},
    {InputKind::ButtonUp, "buttonUp"},
    {InputKind::KeyDown, "keyDown"},
    {InputKind::KeyUp, "keyUp"},
    {InputKind::EntryKey, "entryKey"},
    {InputKind::EntryText, "entryText"},
    {InputKind::EntryClick, "entryClick"},
    {InputKind::Focus, "focus"},
    {InputKind::Hidden, "hidden"},
    {InputKind::Shown, "shown"},
    {InputKind::MessageClosed, "messageClosed"},
};

}  // namespace

std::string_view nameOf(InputKind kind) {
  for (const auto& [k, name] : kInputKinds)
    if (k == kind) return name;
  return {};
}

std::optional<InputKind> inputKindNamed(std::string_view name) {
  for (const auto& [kind, n] : kInputKinds)
    if (n == name) return kind;
  return std::nullopt;
}

}  // namespace kobaru
