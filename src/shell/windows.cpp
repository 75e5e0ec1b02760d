// SPDX-License-Identifier: MIT
#include "shell/windows.h"

#include <QApplication>

#include "practice/random.h"
#include "shell/about.h"
#include "shell/helpwindow.h"
#include "shell/launcher.h"
#include "shell/practicewindow.h"
#include "shell/resultswindow.h"

namespace kobaru {

namespace {

// Unloading: the window is closed, so the program ends when it was the last one, and goes at
// the next turn of the event loop, so a handler of its own that asked for it still runs to its
// end.
void unload(QWidget* w) {
  if (!w) return;
  w->close();
  w->deleteLater();
}

}  // namespace

Windows::Windows(const QString& lockPath) : host_(*this, lockPath) {}

Windows::~Windows() {
  delete launcher_;
  delete practice_;
  delete about_;
  delete help_;
  delete resultsWindow_;
}

Launcher* Windows::launcher() const {
  return launcher_;
}
PracticeWindow* Windows::practice() const {
  return practice_;
}
AboutWindow* Windows::about() const {
  return about_;
}
HelpWindow* Windows::help() const {
  return help_;
}
ResultsWindow* Windows::resultsWindow() const {
  return resultsWindow_;
}

void Windows::showLauncher() {
  if (!launcher_) launcher_ = new Launcher(*this);
  launcher_->showMaximized();
  launcher_->raise();
}

void Windows::openPractice() {
  if (!practice_) {
    auto* screen = new PracticeWindow(host_, systemRnd());
    practice_ = screen;
    results_.clear();
    screen->form().observer = &results_;
    screen->load();  // a second copy of the program closes it again here
    if (practice_ == screen) {
      practised_ = true;
      screen->showMaximized();
    }
  }
  unload(launcher_);
  launcher_ = nullptr;
}

void Windows::closePractice() {
  unload(practice_);
  practice_ = nullptr;
}

void Windows::showAbout() {
  if (!about_) about_ = new AboutWindow();
  about_->show();
  about_->raise();
}

void Windows::showHelp() {
  if (!help_) help_ = new HelpWindow(QCoreApplication::applicationDirPath());
  help_->show();
  help_->raise();
}

void Windows::showResults() {
  if (!resultsWindow_) resultsWindow_ = new ResultsWindow(results_);
  resultsWindow_->show();
  resultsWindow_->raise();
}

void Windows::perform(MenuAction action) {
  switch (action) {
    case MenuAction::OpenPractice:
      return openPractice();
    case MenuAction::ShowHelp:
      return showHelp();
    case MenuAction::ExitProgram:
      return exitProgram();
    case MenuAction::ShowAbout:
      return showAbout();
    case MenuAction::ShowResults:
      return showResults();
  }
}

void Windows::exitProgram() {
  QCoreApplication::exit(0);
  for (QWidget* w : {static_cast<QWidget*>(launcher_), static_cast<QWidget*>(practice_),
                     static_cast<QWidget*>(about_), static_cast<QWidget*>(help_),
                     static_cast<QWidget*>(resultsWindow_)})
    unload(w);
}

}  // namespace kobaru
