// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "element_state.h"
#include "practice/clock_follower.h"
#include "practice/form1.h"
#include "practice/handlers.h"
#include "results/results.h"
#include "web_host.h"

namespace kobaru {

// The practice screen in the page: the form, its host and its clock on the page's time. The page
// feeds it the trainee's events and the time (performance.now(), in milliseconds) and redraws
// what changed after each.
class Board {
 public:
  // `results` follows the lots and must outlive the board. A seed that is not a whole number
  // from 1 to 2^53 - 1 takes the program's own draws.
  Board(emscripten::val page, Results& results, bool anotherCopy, double wallNow, double seed);

  void load(double wallNow);

  // Every element in stacking order, as it stands; the changes start from here.
  emscripten::val elements();
  // The elements changed since the last call of this or elements().
  emscripten::val changes();
  // Which events the page binds: [{name, click, press, release}] and [{name, keyPress, click}].
  static emscripten::val buttonEvents();
  static emscripten::val entryEvents();

  void press(const std::string& name, double wallNow);
  void release(const std::string& name, double wallNow);
  void click(const std::string& name, double wallNow);
  void keyPress(const std::string& name, int key, double wallNow);
  void entryClick(const std::string& name, double wallNow);
  // What the trainee has typed into an entry; the page shows it already.
  void typed(const std::string& name, const std::string& text);

  // The element holding the focus, named by the page before an event and read after it: "" for
  // none.
  void setFocus(const std::string& name);
  std::string focus() const;

  // Runs every tick due by now.
  void tick(double wallNow);
  // Milliseconds until the next tick falls due, or -1 while no timer ticks.
  double wait(double wallNow);
  // The page was hidden: its time away is a pause, not to be replayed.
  void resumeAfterPause(double wallNow);
  // The form's virtual time, in milliseconds.
  double now() const { return static_cast<double>(form_.scheduler.now()); }

 private:
  using Handler = void (Form1::*)();
  void buttonEvent(const std::string& name, Handler ButtonHandlers::*event, double wallNow);
  void deliver(double wallNow, const std::function<void()>& handler);
  ShownElement* shown(const std::string& name);

  WebHost host_;
  Form1 form_;
  ClockFollower follower_;
  std::vector<ShownElement> shown_;
  bool busy_ = false;
};

}  // namespace kobaru
