// SPDX-License-Identifier: MIT
#include "shell/qthost.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include "shell/regularfile.h"
#include "shell/style.h"
#include "shell/windows.h"

namespace kobaru {

QtHost::QtHost(Windows& windows, const QString& lockPath)
    : windows_(windows),
      lock_(lockPath),
      firstCopy_(lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError) {}

QString QtHost::lockPath() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime.isEmpty()) return QDir(runtime).filePath(QStringLiteral("kobaru.lock"));
  return QDir::temp().filePath(QStringLiteral("kobaru-%1.lock").arg(::getuid()));
}

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

const QSoundEffect* QtHost::cue(const std::string& path) const {
  const auto found = cues_.find(path);
  return found == cues_.end() ? nullptr : found->second.get();
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

bool QtHost::isRegularFile(const std::string& path) {
  return kobaru::isRegularFile(toQString(path));
}

}  // namespace kobaru
