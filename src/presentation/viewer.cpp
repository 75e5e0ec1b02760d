// SPDX-License-Identifier: MIT
#include "presentation/viewer.h"

#include <type_traits>
#include <variant>

#include "practice/form1.h"

namespace kobaru {

Viewer::Viewer(const Form1& form, const ElementLook* look, Scope scope)
    : form_(form), look_(look), scope_(scope) {
  // Only the elements it follows are kept: a trainee's own view is a handful of them.
  const auto& elements = form.elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (look_ && !look_->shows(*elements[i])) continue;
    if (!follows(look_ && look_->alters(*elements[i]))) continue;
    followed_.push_back(i);
    shown_.push_back(shownOf(*elements[i]));
  }
}

bool Viewer::follows(bool altered) const {
  switch (scope_) {
    case Scope::Altered:
      return altered;
    case Scope::Unaltered:
      return !altered;
    case Scope::All:
      break;
  }
  return true;
}

Viewer::Shown Viewer::shownOf(const Element& e) const {
  Shown s{displayed(e, form_), {}, look_ && look_->alters(e), 0};
  s.from = s.displayed.state;
  if (s.altered && scope_ != Scope::Unaltered) {
    look_->apply(s.displayed);
    s.inputs = look_->inputsOf(e);
  }
  return s;
}

std::vector<DisplayedElement> Viewer::all() {
  const auto& elements = form_.elements();
  std::vector<DisplayedElement> all;
  all.reserve(elements.size());
  for (std::size_t k = 0; k < followed_.size(); ++k) {
    shown_[k] = shownOf(*elements[followed_[k]]);
    all.push_back(shown_[k].displayed);
  }
  return all;
}

// Whether what the element is drawn from is as it was: its own properties and what a look
// follows. (A caption read around a box follows the box's place too, which never changes.)
bool Viewer::unchanged(const Element& e, const Shown& shown) const {
  if (shown.altered && look_->inputsOf(e) != shown.inputs) return false;
  return std::visit(
      [&e](const auto& was) { return static_cast<const std::decay_t<decltype(was)>&>(e) == was; },
      shown.from);
}

std::vector<DisplayedElement> Viewer::changes() {
  std::vector<DisplayedElement> changed;
  const auto& elements = form_.elements();
  for (std::size_t k = 0; k < followed_.size(); ++k) {
    const Element& e = *elements[followed_[k]];
    if (unchanged(e, shown_[k])) continue;
    Shown now = shownOf(e);
    const bool same = now.displayed == shown_[k].displayed;
    shown_[k] = std::move(now);
    if (!same) changed.push_back(shown_[k].displayed);
  }
  return changed;
}

void Viewer::typed(const TextBox& box) {
  const auto& elements = form_.elements();
  for (std::size_t k = 0; k < followed_.size(); ++k)
    if (elements[followed_[k]] == &box) shown_[k] = shownOf(box);
}

}  // namespace kobaru
