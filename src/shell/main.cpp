// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyleFactory>

#include "shell/runtimedir.h"
#include "shell/windows.h"

int main(int argc, char* argv[]) {
  kobaru::provideRuntimeDirectory();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kobaru"));
  // Fusion paints buttons in the colours the board gives them, on every desktop.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(QIcon(QCoreApplication::applicationDirPath() + "/kobaru.png"));

  kobaru::Windows windows(QDir::temp().filePath(QStringLiteral("kobaru.lock")));
  windows.showLauncher();
  return QApplication::exec();
}
