// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "practice/host.h"

namespace kobaru {

// What a handler had the platform do, kept to be done by the shell once the handler has ended.
enum class EffectKind { Sound, Beep, Message, ClosePracticeScreen, ShowLauncher, ShowResults };

struct Effect {
  EffectKind kind = EffectKind::Beep;
  std::string path;         // Sound: the cue's file
  std::string text, title;  // Message
  MessageIcon icon = MessageIcon::Information;
  friend bool operator==(const Effect&, const Effect&) = default;
};

// Does the effect with a host's services; a message returns once closed.
void perform(const Effect& effect, Host& host);

// The form's host inside a session: questions go to the platform at once, effects are queued in
// the order the handlers ask for them.
class QueuingHost : public Host {
 public:
  explicit QueuingHost(PlatformQuestions& platform) : platform_(platform) {}

  std::string programDirectory() override { return platform_.programDirectory(); }
  bool anotherCopyRunning() override { return platform_.anotherCopyRunning(); }
  bool isRegularFile(const std::string& path) override { return platform_.isRegularFile(path); }
  void playSound(const std::string& path) override;
  void beep() override;
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  void closePracticeScreen() override;
  void showLauncher() override;
  void showResults() override;

  // The effects queued since the last call, in order.
  std::vector<Effect> take();

 private:
  void queue(EffectKind kind);
  PlatformQuestions& platform_;
  std::vector<Effect> queued_;
};

}  // namespace kobaru
