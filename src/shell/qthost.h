// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QSoundEffect>
#include <QString>
#include <map>
#include <memory>

#include "practice/host.h"

namespace kobaru {

class Windows;

// The platform services of the desktop program.
class QtHost : public Host {
 public:
  // The lock file is held from start to exit: a second copy finds it taken.
  QtHost(Windows& windows, const QString& lockPath);

  std::string programDirectory() override;
  bool anotherCopyRunning() override;
  void playSound(const std::string& path) override;
  void beep() override;
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  void closePracticeScreen() override;
  void showLauncher() override;
  void showResults() override;

 private:
  Windows& windows_;
  QLockFile lock_;
  bool firstCopy_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> cues_;
};

}  // namespace kobaru
