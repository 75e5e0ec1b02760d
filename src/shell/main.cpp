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
  // One look on every desktop: the board paints its own buttons, Fusion the rest.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(QIcon(QCoreApplication::applicationDirPath() + "/kobaru.png"));

  kobaru::Windows windows(QDir::temp().filePath(QStringLiteral("kobaru.lock")));
  windows.showLauncher();
  return QApplication::exec();
}
