// SPDX-License-Identifier: MIT
// How soon the trainee sees something: from the start of the process to the launcher's first
// paint, and from "練習開始" to the practice screen's first paint. Run it under an X server
// (bench/startup.sh takes the median of five runs).
#include <time.h>

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "shell/launcher.h"
#include "shell/practicewindow.h"
#include "shell/windows.h"

using namespace kobaru;

namespace {

double bootMs() {
  timespec t{};
  clock_gettime(CLOCK_BOOTTIME, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// When this process started, in ms since boot (at the kernel's tick granularity).
double processStartMs() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  std::getline(stat, field, ')');  // past the command name, which may hold blanks
  for (int i = 3; i <= 22; ++i) stat >> field;
  return std::stod(field) * 1e3 / sysconf(_SC_CLK_TCK);
}

// Calls back once, at the first paint of the widget it watches.
class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget* w, std::function<void()> then) : then_(std::move(then)) {
    w->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Paint && then_) {
      auto then = std::move(then_);
      then_ = nullptr;
      QTimer::singleShot(0, watched, then);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

int main(int argc, char* argv[]) {
  const double started = processStartMs();
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  Windows windows(QDir::temp().filePath(QStringLiteral("kobaru-startup-bench.lock")));
  windows.showLauncher();
  double launcherPainted = 0, practiceAsked = 0;
  FirstPaint launcher(windows.launcher(), [&] {
    launcherPainted = bootMs();
    practiceAsked = bootMs();
    windows.openPractice();
    static FirstPaint practice(windows.practice(), [&] {
      std::printf(
          "launcher first paint %.0f ms after process start; practice screen first paint "
          "%.0f ms after 練習開始\n",
          launcherPainted - started, bootMs() - practiceAsked);
      QCoreApplication::quit();
    });
  });
  return QApplication::exec();
}
