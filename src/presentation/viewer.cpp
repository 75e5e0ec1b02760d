// SPDX-License-Identifier: MIT
#include "presentation/viewer.h"

#include <type_traits>
#include <variant>

#include "practice/form1.h"

namespace kobaru {

Viewer::Viewer(const Form1& form, const ElementLook* look) : form_(form), look_(look) {
  shown_.reserve(form.elements().size());
  for (const Element* e : form.elements()) shown_.push_back(shownOf(*e));
}

DisplayedElement Viewer::shownOf(const Element& e) const {
  DisplayedElement d = displayed(e, form_);
  if (look_ && look_->alters(e)) look_->apply(d);
  return d;
}

std::vector<DisplayedElement> Viewer::all() {
  const auto& elements = form_.elements();
  for (std::size_t i = 0; i < elements.size(); ++i) shown_[i] = shownOf(*elements[i]);
  return shown_;
}

namespace {

// Whether the element's own properties are still those shown. What is drawn follows from them,
// but for a caption read around a box, which follows the box too.
bool unchanged(const Element& e, const DisplayedElement& shown) {
  if (shown.aroundBox) return false;
  return std::visit(
      [&e](const auto& was) { return static_cast<const std::decay_t<decltype(was)>&>(e) == was; },
      shown.state);
}

}  // namespace

std::vector<DisplayedElement> Viewer::changes() {
  std::vector<DisplayedElement> changed;
  const auto& elements = form_.elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (!(look_ && look_->alters(*elements[i])) && unchanged(*elements[i], shown_[i])) continue;
    DisplayedElement now = shownOf(*elements[i]);
    if (now == shown_[i]) continue;
    shown_[i] = now;
    changed.push_back(std::move(now));
  }
  return changed;
}

void Viewer::typed(const TextBox& box) {
  const auto& elements = form_.elements();
  for (std::size_t i = 0; i < elements.size(); ++i)
    if (elements[i] == &box) shown_[i] = shownOf(box);
}

}  // namespace kobaru
