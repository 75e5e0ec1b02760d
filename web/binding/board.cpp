// SPDX-License-Identifier: MIT
#include "board.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "practice/handlers.h"
#include "practice/random.h"

namespace kobaru {

namespace {

using emscripten::val;

// The page's clock in whole milliseconds; what is no time at all reads as 0.
std::int64_t millis(double wallNow) {
  constexpr double kLongest = 9.0e15;  // well inside both a double's whole numbers and int64
  if (!std::isfinite(wallNow)) return 0;
  return static_cast<std::int64_t>(std::floor(std::clamp(wallNow, -kLongest, kLongest)));
}

// A seed is a whole number the page can write exactly; anything else takes the system's draws.
Rnd drawsFor(double seed) {
  constexpr double kLargestSeed = 9007199254740991.0;  // 2^53 - 1
  if (seed >= 1 && seed <= kLargestSeed && seed == std::floor(seed))
    return seededRnd(static_cast<std::uint64_t>(seed));
  return systemRnd();
}

}  // namespace

Board::Board(val page, Results& results, bool anotherCopy, double wallNow, double seed)
    : host_(std::move(page), anotherCopy),
      form_(host_, drawsFor(seed)),
      follower_(form_.scheduler, millis(wallNow)) {
  form_.observer = &results;
  shown_.reserve(form_.elements().size());
  for (Element* e : form_.elements()) shown_.emplace_back(*e);
}

void Board::load(double wallNow) {
  deliver(wallNow, [this] { form_.Form_Load(); });
}

val Board::elements() {
  val all = val::array();
  for (ShownElement& s : shown_) {
    s.refresh();
    all.call<void>("push", stateOf(s.element()));
  }
  return all;
}

val Board::changes() {
  val changed = val::array();
  for (ShownElement& s : shown_)
    if (s.refresh()) changed.call<void>("push", stateOf(s.element()));
  return changed;
}

val Board::buttonEvents() {
  val all = val::array();
  for (const ButtonHandlers& h : buttonHandlers()) {
    val b = val::object();
    b.set("name", val(h.name));
    b.set("click", h.click != nullptr);
    b.set("press", h.mouseDown != nullptr);
    b.set("release", h.mouseUp != nullptr);
    all.call<void>("push", b);
  }
  return all;
}

val Board::entryEvents() {
  val all = val::array();
  for (const EntryHandlers& h : entryHandlers()) {
    val e = val::object();
    e.set("name", val(h.name));
    e.set("keyPress", h.keyPress != nullptr);
    e.set("click", h.click != nullptr);
    all.call<void>("push", e);
  }
  return all;
}

void Board::press(const std::string& name, double wallNow) {
  buttonEvent(name, &ButtonHandlers::mouseDown, wallNow);
}

void Board::release(const std::string& name, double wallNow) {
  buttonEvent(name, &ButtonHandlers::mouseUp, wallNow);
}

void Board::click(const std::string& name, double wallNow) {
  buttonEvent(name, &ButtonHandlers::click, wallNow);
}

void Board::buttonEvent(const std::string& name, Handler ButtonHandlers::*event, double wallNow) {
  const ButtonHandlers* h = buttonHandlers(name);
  if (!h || !(h->*event)) return;
  deliver(wallNow, [this, handler = h->*event] { (form_.*handler)(); });
}

void Board::keyPress(const std::string& name, int key, double wallNow) {
  // Only characters reach the form; anything outside Unicode is no key at all.
  if (key < 0 || key > 0x10FFFF) return;
  if (const EntryHandlers* h = entryHandlers(name); h && h->keyPress)
    deliver(wallNow, [this, h, key] { (form_.*(h->keyPress))(static_cast<char32_t>(key)); });
}

void Board::entryClick(const std::string& name, double wallNow) {
  const EntryHandlers* h = entryHandlers(name);
  if (!h || !h->click) return;
  deliver(wallNow, [this, handler = h->click] { (form_.*handler)(); });
}

void Board::typed(const std::string& name, const std::string& text) {
  ShownElement* s = shown(name);
  if (!s || s->element().kind != Kind::TextBox) return;
  auto& box = static_cast<TextBox&>(s->element());
  if (box.locked) return;
  box.text = text;
  s->typed(text);
}

void Board::setFocus(const std::string& name) {
  ShownElement* s = shown(name);
  form_.focus = s ? &s->element() : nullptr;
}

std::string Board::focus() const {
  return form_.focus ? form_.focus->name : std::string();
}

void Board::tick(double wallNow) {
  deliver(wallNow, [] {});
}

double Board::wait(double wallNow) {
  const auto ms = follower_.wait(millis(wallNow));
  return ms ? static_cast<double>(*ms) : -1.0;
}

void Board::resumeAfterPause(double wallNow) {
  follower_.resumeAfterPause(millis(wallNow));
}

void Board::deliver(double wallNow, const std::function<void()>& handler) {
  // A handler runs to its end before the next event: one that arrives meanwhile (from a host
  // call's side effects) is dropped, as the desktop drops it.
  if (busy_) return;
  busy_ = true;
  follower_.catchUp(millis(wallNow));
  handler();
  busy_ = false;
}

ShownElement* Board::shown(const std::string& name) {
  for (ShownElement& s : shown_)
    if (s.element().name == name) return &s;
  return nullptr;
}

}  // namespace kobaru
