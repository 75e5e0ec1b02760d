// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "practice/clock_follower.h"
#include "practice/form1.h"
#include "presentation/viewer.h"
#include "session/effects.h"
#include "session/gestures.h"
#include "session/input.h"

namespace kobaru {

// What a shell does after one input, in this order: the effects (a message last, if any: the
// session holds until the shell reports it closed), then the changed elements, the focus, and a
// wake-up after `sleep`.
struct Reply {
  std::vector<Effect> effects;
  std::vector<DisplayedElement> changes;
  // The element the handlers put the focus on, when they moved it.
  std::optional<std::string> focus;
  // The button drawn pressed ("" for none).
  std::string held;
  // Milliseconds until the shell sends the next Tick; nothing: no wake-up (no timer runs, a
  // message is shown, or the screen is hidden).
  std::optional<std::int64_t> sleep;
};

// The practice screen as every shell runs it: the form, its clock on the shell's monotonic wall
// clock (milliseconds), the trainee's gestures, and what the shell has been shown. Events run one
// at a time, each after the ticks due before it. A message a handler shows holds everything after
// it (ticks, events, the rest of the effects and the redraw) until the shell reports it closed,
// as a message box that returns only when closed does.
class PracticeSession {
 public:
  // `look`, if any, is how the shell's viewer sees some elements; it must outlive the session.
  PracticeSession(PlatformQuestions& platform, Rnd rnd, std::int64_t wallNow,
                  const ElementLook* look = nullptr);
  PracticeSession(const PracticeSession&) = delete;
  PracticeSession& operator=(const PracticeSession&) = delete;

  Reply input(const Input& in, std::int64_t wallNow);
  // Runs `action` on the form as one event, as a handler would run; for tests and tools.
  Reply run(const std::function<void(Form1&)>& action, std::int64_t wallNow);

  // Every element as it stands, for the shell's first drawing; the changes start from here.
  std::vector<DisplayedElement> all() { return viewer_.all(); }
  Form1& form() { return form_; }
  const Form1& form() const { return form_; }
  // A message is shown and not yet closed.
  bool holding() const { return holding_; }
  // The form's virtual time, milliseconds.
  std::int64_t now() const { return form_.scheduler.now(); }

 private:
  using Action = std::function<void()>;
  Reply handle(const Input& in, std::int64_t wallNow);
  // Queues the handler a gesture runs, if its element has one.
  void queue(const Gesture& g);
  // Begins an event: the focus before it, then the ticks due by now.
  void begin(std::int64_t wallNow);
  // Hands out the effects and runs the waiting actions until a message holds the session or
  // nothing is left; then what changed.
  Reply proceed(std::int64_t wallNow);

  QueuingHost host_;
  Form1 form_;
  ClockFollower follower_;
  Gestures gestures_;
  Viewer viewer_;
  bool busy_ = false;
  bool holding_ = false;
  bool hidden_ = false;
  // Of the event under way: the focus before it, the effects not yet handed to the shell, the
  // actions not yet run, and whether the ticks due since a message was closed have run.
  Element* focusBefore_ = nullptr;
  std::deque<Effect> effects_;
  std::deque<Action> waiting_;
  bool catchUpDue_ = false;
};

}  // namespace kobaru
