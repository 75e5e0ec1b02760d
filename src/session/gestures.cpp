// SPDX-License-Identifier: MIT
#include "session/gestures.h"

namespace kobaru {

std::vector<Gesture> Gestures::feed(const Input& in) {
  using K = Gesture::Kind;
  switch (in.kind) {
    case InputKind::ButtonDown:
      if (held_) return {};
      held_ = Held{in.name, in.pointer, in.primary};
      return {{K::Press, in.name}};
    case InputKind::ButtonUp: {
      if (!held_ || held_->name != in.name || held_->pointer != in.pointer) return {};
      const bool click = in.over && held_->primary;
      held_.reset();
      if (!click) return {{K::Release, in.name}};
      return {{K::Release, in.name}, {K::Click, in.name}};
    }
    case InputKind::KeyDown:
      if (in.repeat) return {};
      if (in.key == U' ') spaceDown_ = in.name;
      if (in.key == U'\r') return {{K::Click, in.name}};
      return {};
    case InputKind::KeyUp:
      if (in.key != U' ' || in.repeat || spaceDown_.empty() || spaceDown_ != in.name) return {};
      spaceDown_.clear();
      return {{K::Click, in.name}};
    case InputKind::Focus:
      // Space held on a button the focus leaves clicks nothing when it comes up elsewhere.
      if (spaceDown_ != in.name) spaceDown_.clear();
      return {};
    case InputKind::EntryKey:
      if (in.key > 0x10FFFF) return {};  // outside Unicode: no character at all
      return {{K::EntryKey, in.name, in.key}};
    case InputKind::EntryClick:
      if (!in.over || !in.primary) return {};
      return {{K::EntryClick, in.name}};
    default:
      return {};
  }
}

const std::string& Gestures::held() const {
  static const std::string kNone;
  return held_ ? held_->name : kNone;
}

}  // namespace kobaru
