// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

#include "shell/qthost.h"

namespace kobaru {

class Launcher;
class PracticeWindow;
class AboutWindow;
class HelpWindow;

// The program's top-level windows: each is created when first shown and destroyed when unloaded,
// so showing it again creates it afresh.
class Windows : public QObject {
 public:
  explicit Windows(const QString& lockPath);
  ~Windows() override;

  void showLauncher();
  // Opens the practice screen and unloads the launcher.
  void openPractice();
  void closePractice();
  void showAbout();
  // The manual viewer, beside whatever else is open.
  void showHelp();
  // Ends the program at once, with no further handler of any window.
  void exitProgram();

  Launcher* launcher() const;
  PracticeWindow* practice() const;
  AboutWindow* about() const;
  HelpWindow* help() const;
  QtHost& host() { return host_; }

 private:
  QtHost host_;
  QPointer<Launcher> launcher_;
  QPointer<PracticeWindow> practice_;
  QPointer<AboutWindow> about_;
  QPointer<HelpWindow> help_;
};

}  // namespace kobaru
