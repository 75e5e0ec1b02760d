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
  // The lock file is held from start to exit: a second copy finds it taken. A lock that cannot
  // be made at all (no folder, no right to write) refuses nobody: a copy that cannot tell runs.
  QtHost(Windows& windows, const QString& lockPath);

  // Where the program keeps its lock: one copy per user, so the user's runtime folder, or a name
  // of the user's own in the temporary folder where there is none.
  static QString lockPath();

  std::string programDirectory() override;
  bool anotherCopyRunning() override;
  void playSound(const std::string& path) override;
  void beep() override;
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  void closePracticeScreen() override;
  void showLauncher() override;
  bool isRegularFile(const std::string& path) override;

  // The cue of that file once played, or nullptr.
  const QSoundEffect* cue(const std::string& path) const;
  void showResults() override;

 private:
  Windows& windows_;
  QLockFile lock_;
  bool firstCopy_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> cues_;
};

}  // namespace kobaru
