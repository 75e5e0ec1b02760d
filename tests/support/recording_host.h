// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "practice/host.h"
#include "practice/random.h"

namespace kobaru {

// A host that remembers what the screen asked of the platform.
struct RecordingHost : Host {
  struct Message {
    std::string text, title;
    MessageIcon icon;
  };
  std::string directory = "/opt/kobaru";
  bool otherCopy = false;
  std::vector<std::string> sounds;
  int beeps = 0;
  std::vector<Message> messages;
  int closes = 0;
  int launchers = 0;
  std::set<std::string> regularFiles;  // paths that stand for files of the program's folder
  int resultsShown = 0;

  std::string programDirectory() override { return directory; }
  bool anotherCopyRunning() override { return otherCopy; }
  void playSound(const std::string& path) override { sounds.push_back(path); }
  void beep() override { ++beeps; }
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }
  void closePracticeScreen() override { ++closes; }
  void showLauncher() override { ++launchers; }
  bool isRegularFile(const std::string& path) override { return regularFiles.count(path) > 0; }
  void showResults() override { ++resultsShown; }
};

// Draws handed out in order, then the last one again.
inline Rnd scripted(std::initializer_list<double> draws) {
  std::vector<double> values(draws);
  if (values.empty()) values.push_back(0);
  return [values, next = std::size_t{0}]() mutable {
    double r = values[next];
    if (next + 1 < values.size()) ++next;
    return r;
  };
}

}  // namespace kobaru
