// SPDX-License-Identifier: MIT
#include "session/effects.h"

#include <utility>

namespace kobaru {

void perform(const Effect& effect, Host& host) {
  switch (effect.kind) {
    case EffectKind::Sound:
      host.playSound(effect.path);
      return;
    case EffectKind::Beep:
      host.beep();
      return;
    case EffectKind::Message:
      host.showMessage(effect.text, effect.title, effect.icon);
      return;
    case EffectKind::ClosePracticeScreen:
      host.closePracticeScreen();
      return;
    case EffectKind::ShowLauncher:
      host.showLauncher();
      return;
    case EffectKind::ShowResults:
      host.showResults();
      return;
  }
}

void QueuingHost::queue(EffectKind kind) {
  queued_.emplace_back().kind = kind;
}

void QueuingHost::playSound(const std::string& path) {
  queue(EffectKind::Sound);
  queued_.back().path = path;
}

void QueuingHost::beep() {
  queue(EffectKind::Beep);
}

void QueuingHost::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  queue(EffectKind::Message);
  queued_.back().text = text;
  queued_.back().title = title;
  queued_.back().icon = icon;
}

void QueuingHost::closePracticeScreen() {
  queue(EffectKind::ClosePracticeScreen);
}

void QueuingHost::showLauncher() {
  queue(EffectKind::ShowLauncher);
}

void QueuingHost::showResults() {
  queue(EffectKind::ShowResults);
}

std::vector<Effect> QueuingHost::take() {
  return std::exchange(queued_, {});
}

}  // namespace kobaru
