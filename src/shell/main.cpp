// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "shell/regularfile.h"
#include "shell/runtimedir.h"
#include "shell/windows.h"

int main(int argc, char* argv[]) {
  kobaru::provideRuntimeDirectory();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kobaru"));
  // Fusion paints buttons in the colours the board gives them, on every desktop.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(
      QIcon(kobaru::regularPicture(QCoreApplication::applicationDirPath() + "/kobaru.png")));

  kobaru::Windows windows(kobaru::QtHost::lockPath());
  windows.showLauncher();
  return QApplication::exec();
}
