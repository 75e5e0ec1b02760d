// SPDX-License-Identifier: MIT
#include "shell/runtimedir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace kobaru {

namespace {

QString userName(uid_t uid) {
  const passwd* entry = getpwuid(uid);
  return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

}  // namespace

void provideRuntimeDirectory() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const uid_t uid = geteuid();
  const QByteArray dir =
      QFile::encodeName(QDir::tempPath() + QStringLiteral("/runtime-") + userName(uid));
  // Made private from the start; one already there is taken only if it is the user's own private
  // directory, never through a link.
  mkdir(dir.constData(), 0700);
  struct stat status {};
  if (lstat(dir.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != uid ||
      (status.st_mode & 0777) != 0700)
    return;
  qputenv("XDG_RUNTIME_DIR", dir);
}

}  // namespace kobaru
