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
  // One look on every desktop: the board paints its own buttons, Fusion the rest.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(
      QIcon(kobaru::regularPicture(QCoreApplication::applicationDirPath() + "/kobaru.png")));

  kobaru::Windows windows(kobaru::QtHost::lockPath());
  windows.showLauncher();
  return QApplication::exec();
}
