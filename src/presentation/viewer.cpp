// SPDX-License-Identifier: MIT
#include "presentation/viewer.h"

#include <type_traits>
#include <variant>

#include "practice/form1.h"

namespace kobaru {

Viewer::Viewer(const Form1& form, const ElementLook* look, Scope scope)
    : form_(form), look_(look), scope_(scope) {
  shown_.reserve(form.elements().size());
  for (const Element* e : form.elements()) {
    shown_.push_back(shownOf(*e));
    if (follows(shown_.back())) followed_.push_back(shown_.size() - 1);
  }
}

bool Viewer::follows(const Shown& shown) const {
  switch (scope_) {
    case Scope::Altered:
      return shown.altered;
    case Scope::Unaltered:
      return !shown.altered;
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
  for (std::size_t i = 0; i < elements.size(); ++i) {
    shown_[i] = shownOf(*elements[i]);
    if (follows(shown_[i])) all.push_back(shown_[i].displayed);
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
  for (const std::size_t i : followed_) {
    if (unchanged(*elements[i], shown_[i])) continue;
    Shown now = shownOf(*elements[i]);
    const bool same = now.displayed == shown_[i].displayed;
    shown_[i] = std::move(now);
    if (!same) changed.push_back(shown_[i].displayed);
  }
  return changed;
}

void Viewer::typed(const TextBox& box) {
  const auto& elements = form_.elements();
  for (std::size_t i = 0; i < elements.size(); ++i)
    if (elements[i] == &box) shown_[i] = shownOf(box);
}

}  // namespace kobaru
