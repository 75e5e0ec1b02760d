// SPDX-License-Identifier: MIT
#include "shell/qthost.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

#include "shell/style.h"
#include "shell/windows.h"

namespace kobaru {

QtHost::QtHost(Windows& windows, const QString& lockPath)
    : windows_(windows), lock_(lockPath), firstCopy_(lock_.tryLock(0)) {}

std::string QtHost::programDirectory() {
  return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

bool QtHost::anotherCopyRunning() {
  return !firstCopy_;
}

void QtHost::playSound(const std::string& path) {
  for (auto& [other, cue] : cues_)
    if (other != path) cue->stop();
  auto& cue = cues_[path];
  if (!cue) {
    // A missing or unreadable file leaves the effect in its error state: it plays nothing.
    cue = std::make_unique<QSoundEffect>();
    cue->setSource(QUrl::fromLocalFile(toQString(path)));
  }
  cue->stop();
  cue->play();
}

void QtHost::beep() {
  QApplication::beep();
}

void QtHost::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  toQString(title), toQString(text), QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void QtHost::closePracticeScreen() {
  windows_.closePractice();
}

void QtHost::showResults() {
  windows_.showResults();
}

void QtHost::showLauncher() {
  windows_.showLauncher();
}

}  // namespace kobaru
