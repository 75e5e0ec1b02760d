// SPDX-License-Identifier: MIT
#include "presentation/displayed_element.h"

#include <cmath>

#include "practice/form1.h"
#include "presentation/accessible_names.h"
#include "presentation/caption_rooms.h"

namespace kobaru {

namespace {

// A line of a caption is its font's size high: a point is 20 twips.
constexpr double kTwipsPerPoint = 20;

int wholeLinesOf(const Label& l) {
  const double line = l.font.size * kTwipsPerPoint;
  if (!(line > 0)) return 0;
  return static_cast<int>(std::floor((l.height + line / 4) / line));
}

// The blanks of a caption are ASCII spaces and ideographic spaces (U+3000), in UTF-8.
std::size_t blankAt(const std::string& s, std::size_t i) {
  if (s[i] == ' ') return 1;
  if (s.compare(i, 3, "\xE3\x80\x80") == 0) return 3;
  return 0;
}

std::optional<CaptionAroundBox> aroundBoxOf(const Label& l, const Form1& form) {
  for (const CaptionRoom& room : kCaptionRooms) {
    if (room.label != l.name) continue;
    const Element* box = form.element(room.box);
    if (!box) return std::nullopt;
    const std::string& c = l.caption;
    std::size_t start = 0;
    while (start < c.size() && blankAt(c, start) == 0) ++start;
    std::size_t end = start;
    while (end < c.size()) {
      const std::size_t blank = blankAt(c, end);
      if (blank == 0) break;
      end += blank;
    }
    return CaptionAroundBox{c.substr(0, start), c.substr(end), box->left - l.left,
                            box->left + box->width - l.left};
  }
  return std::nullopt;
}

template <typename T>
DisplayedElement copied(const Element& e) {
  DisplayedElement d;
  d.state = static_cast<const T&>(e);
  d.accessibleName = accessibleName(e);
  return d;
}

}  // namespace

Control controlOf(const Element& e) {
  switch (e.kind) {
    case Kind::Label:
      return Control::Label;
    case Kind::Button:
      return Control::Button;
    case Kind::TextBox: {
      const auto& box = static_cast<const TextBox&>(e);
      return box.multiLine ? Control::Record : box.locked ? Control::Box : Control::Entry;
    }
    case Kind::Picture:
      return Control::Picture;
    case Kind::Line:
      break;
  }
  return Control::Line;
}

const Element& DisplayedElement::element() const {
  return std::visit([](const auto& e) -> const Element& { return e; }, state);
}

DisplayedElement displayed(const Element& e, const Form1& form) {
  switch (e.kind) {
    case Kind::Label: {
      const auto& l = static_cast<const Label&>(e);
      DisplayedElement d = copied<Label>(e);
      d.aroundBox = aroundBoxOf(l, form);
      if (!d.aroundBox) d.wholeLines = wholeLinesOf(l);
      return d;
    }
    case Kind::Button:
      return copied<Button>(e);
    case Kind::TextBox:
      return copied<TextBox>(e);
    case Kind::Picture:
      return copied<Picture>(e);
    case Kind::Line:
      break;
  }
  return copied<Line>(e);
}

}  // namespace kobaru
