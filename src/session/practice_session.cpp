// SPDX-License-Identifier: MIT
#include "session/practice_session.h"

#include "practice/handlers.h"

namespace kobaru {

PracticeSession::PracticeSession(PlatformQuestions& platform, Rnd rnd, std::int64_t wallNow,
                                 const ElementLook* look)
    : host_(platform),
      form_(host_, std::move(rnd)),
      follower_(form_.scheduler, wallNow),
      viewer_(form_, look) {}

void PracticeSession::queue(const Gesture& g) {
  using K = Gesture::Kind;
  Form1& f = form_;
  if (g.kind == K::EntryKey || g.kind == K::EntryClick) {
    const EntryHandlers* h = entryHandlers(g.name);
    if (!h) return;
    if (g.kind == K::EntryKey && h->keyPress)
      waiting_.push_back([&f, handler = h->keyPress, key = g.key] { (f.*handler)(key); });
    if (g.kind == K::EntryClick && h->click)
      waiting_.push_back([&f, handler = h->click] { (f.*handler)(); });
    return;
  }
  const ButtonHandlers* h = buttonHandlers(g.name);
  if (!h) return;
  void (Form1::*handler)() = g.kind == K::Press     ? h->mouseDown
                             : g.kind == K::Release ? h->mouseUp
                                                    : h->click;
  if (handler) waiting_.push_back([&f, handler] { (f.*handler)(); });
}

void PracticeSession::begin(std::int64_t wallNow) {
  focusBefore_ = form_.focus;
  follower_.catchUp(wallNow);
}

Reply PracticeSession::input(const Input& in, std::int64_t wallNow) {
  // An input that arrives while another is handled (from a platform call inside a handler) is
  // dropped: a handler runs to its end before the next event.
  if (busy_) return {};
  busy_ = true;
  const Reply r = handle(in, wallNow);
  busy_ = false;
  return r;
}

Reply PracticeSession::handle(const Input& in, std::int64_t wallNow) {
  if (in.kind == InputKind::EntryText) {
    // What is typed goes into the form at once, and the shell shows it already.
    if (Element* e = form_.element(in.name); e && e->kind == Kind::TextBox) {
      auto& box = static_cast<TextBox&>(*e);
      if (!box.locked) {
        box.text = in.text;
        viewer_.typed(box);
      }
    }
    return proceed(wallNow);
  }
  if (in.kind == InputKind::Hidden || in.kind == InputKind::Shown) {
    hidden_ = in.kind == InputKind::Hidden;
    if (!hidden_) follower_.resumeAfterPause(wallNow);
  }

  if (holding_) {
    // The message has the trainee's attention and the clock is held: events are dropped, but a
    // button let go of is released once the message is closed.
    switch (in.kind) {
      case InputKind::MessageClosed:
        holding_ = false;
        catchUpDue_ = true;
        return proceed(wallNow);
      case InputKind::ButtonUp:
      case InputKind::KeyDown:
      case InputKind::KeyUp:
        for (const Gesture& g : gestures_.feed(in))
          if (g.kind == Gesture::Kind::Release) queue(g);
        break;
      default:
        break;
    }
    Reply r;
    r.held = gestures_.held();
    return r;
  }

  switch (in.kind) {
    case InputKind::Focus:
      gestures_.feed(in);
      form_.focus = form_.element(in.name);
      focusBefore_ = form_.focus;
      return proceed(wallNow);
    case InputKind::MessageClosed:
      return proceed(wallNow);
    case InputKind::Load:
      begin(wallNow);
      waiting_.push_back([this] { form_.Form_Load(); });
      return proceed(wallNow);
    default:
      break;
  }
  begin(wallNow);
  const std::vector<Gesture> gestures = gestures_.feed(in);
  // The pressed button takes the focus before its handler runs, as a platform's button does.
  if (in.kind == InputKind::ButtonDown && gestures_.held() == in.name)
    form_.focus = form_.element(in.name);
  for (const Gesture& g : gestures) queue(g);
  return proceed(wallNow);
}

Reply PracticeSession::run(const std::function<void(Form1&)>& action, std::int64_t wallNow) {
  if (busy_ || holding_) return {};
  busy_ = true;
  begin(wallNow);
  waiting_.push_back([this, action] { action(form_); });
  const Reply r = proceed(wallNow);
  busy_ = false;
  return r;
}

Reply PracticeSession::proceed(std::int64_t wallNow) {
  Reply r;
  for (;;) {
    for (Effect& e : host_.take()) effects_.push_back(std::move(e));
    while (!effects_.empty()) {
      r.effects.push_back(std::move(effects_.front()));
      effects_.pop_front();
      if (r.effects.back().kind == EffectKind::Message) {
        holding_ = true;
        r.held = gestures_.held();
        return r;
      }
    }
    if (catchUpDue_) {
      catchUpDue_ = false;
      follower_.catchUp(wallNow);
      continue;
    }
    if (waiting_.empty()) break;
    const Action action = std::move(waiting_.front());
    waiting_.pop_front();
    action();
  }
  r.changes = viewer_.changes();
  if (form_.focus && form_.focus != focusBefore_) r.focus = form_.focus->name;
  focusBefore_ = form_.focus;
  r.held = gestures_.held();
  if (!hidden_) r.sleep = follower_.wait(wallNow);
  return r;
}

}  // namespace kobaru
