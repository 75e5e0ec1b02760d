// SPDX-License-Identifier: MIT
#include "web_host.h"

namespace kobaru {

void WebHost::playSound(const std::string& path) {
  page_.call<void>("playSound", path);
}

void WebHost::beep() {
  page_.call<void>("beep");
}

void WebHost::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  page_.call<void>("showMessage", text, title,
                   std::string(icon == MessageIcon::Warning ? "warning" : "information"));
}

void WebHost::closePracticeScreen() {
  page_.call<void>("closePracticeScreen");
}

void WebHost::showLauncher() {
  page_.call<void>("showLauncher");
}

void WebHost::showResults() {
  page_.call<void>("showResults");
}

bool WebHost::isRegularFile(const std::string& path) {
  return page_.call<bool>("isRegularFile", path);
}

}  // namespace kobaru
