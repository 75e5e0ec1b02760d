// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

#include "presentation/launcher_layout.h"
#include "results/results.h"
#include "shell/qthost.h"

namespace kobaru {

class Launcher;
class PracticeWindow;
class AboutWindow;
class HelpWindow;
class ResultsWindow;

// The program's top-level windows: each is created when first shown and destroyed when unloaded,
// so showing it again creates it afresh.
class Windows : public QObject {
 public:
  explicit Windows(const QString& lockPath);
  ~Windows() override;

  void showLauncher();
  // Opens the practice screen and unloads the launcher; a new practice is a new session of
  // results.
  void openPractice();
  void closePractice();
  void showAbout();
  // The manual viewer, beside whatever else is open.
  void showHelp();
  // The trainee's results, beside whatever else is open.
  void showResults();
  // Ends the program at once, with no further handler of any window.
  void exitProgram();
  // What a menu button of the launcher asks for.
  void perform(MenuAction action);

  Launcher* launcher() const;
  PracticeWindow* practice() const;
  AboutWindow* about() const;
  HelpWindow* help() const;
  ResultsWindow* resultsWindow() const;
  QtHost& host() { return host_; }
  // The session of the last practice opened; it lives as long as the program.
  const Results& results() const { return results_; }
  // Whether a practice has been opened since the program started: its results can be shown.
  bool practised() const { return practised_; }

 private:
  QtHost host_;
  Results results_;
  bool practised_ = false;
  QPointer<Launcher> launcher_;
  QPointer<PracticeWindow> practice_;
  QPointer<AboutWindow> about_;
  QPointer<HelpWindow> help_;
  QPointer<ResultsWindow> resultsWindow_;
};

}  // namespace kobaru
