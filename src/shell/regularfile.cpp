// SPDX-License-Identifier: MIT
#include "shell/regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace kobaru {

bool isRegularFile(const QString& path) {
  return QFileInfo(path).isFile();
}

QPixmap regularPicture(const QString& path) {
  if (path.isEmpty()) return {};
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat st {};
  QFile file;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return {};
  }
  QPixmap picture;
  picture.loadFromData(file.readAll());
  return picture;
}

}  // namespace kobaru
