// SPDX-License-Identifier: MIT
// kobaru_assetgen OUTPUT_DIR: makes the program's sounds and pictures at build time, so the
// repository holds no binary assets.
#include <QGuiApplication>
#include <cstdio>

#include "assetgen.h"

int main(int argc, char** argv) {
  // Text in the title needs the font database, which lives in the GUI application.
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: kobaru_assetgen OUTPUT_DIR\n");
    return 2;
  }
  const QDir out(args.at(1));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "kobaru_assetgen: cannot create %s\n", qPrintable(out.path()));
    return 1;
  }
  using namespace kobaru::assetgen;
  const bool ok = writeSounds(out) && writeLotPictures(out) && writeBackdrop(out) &&
                  writeTitle(out) && writeIcon(out);
  return ok ? 0 : 1;
}
