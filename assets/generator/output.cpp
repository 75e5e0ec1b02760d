// SPDX-License-Identifier: MIT
// Writing into the output folder. Every failure is reported here so the build log says which
// file could not be made.
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

#include "assetgen.h"

namespace kobaru::assetgen {

namespace {

bool fail(const QString& path, const QString& why) {
  std::fprintf(stderr, "kobaru_assetgen: cannot write %s: %s\n", qPrintable(path), qPrintable(why));
  return false;
}

bool makeParent(const QString& path) {
  return QFileInfo(path).dir().mkpath(QStringLiteral("."));
}

}  // namespace

bool writeFile(const QDir& out, const QString& name, const QByteArray& bytes) {
  const QString path = out.filePath(name);
  if (!makeParent(path)) return fail(path, QStringLiteral("cannot create its folder"));
  // QSaveFile so an interrupted build never leaves a half-written asset behind.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return fail(path, file.errorString());
  return true;
}

bool writeImage(const QDir& out, const QString& name, const QImage& image, int quality) {
  const QString path = out.filePath(name);
  if (!makeParent(path)) return fail(path, QStringLiteral("cannot create its folder"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(path, file.errorString());
  QImageWriter writer(&file, QFileInfo(path).suffix().toLatin1());
  writer.setQuality(quality);
  if (!writer.write(image)) return fail(path, writer.errorString());
  if (!file.commit()) return fail(path, file.errorString());
  return true;
}

}  // namespace kobaru::assetgen
