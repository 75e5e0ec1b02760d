// SPDX-License-Identifier: MIT
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/runtimedir.h"

using namespace kobaru;

// What the program does at start about the runtime directory, in a temporary folder of the test's
// own, given through TMPDIR.
class RuntimeDirTest : public QObject {
  Q_OBJECT

  QByteArray savedRuntime_;
  QByteArray savedTemp_;
  std::unique_ptr<QTemporaryDir> temp_;

  // Qt's own fallback: runtime-USER in the temporary folder.
  QString fallback() const {
    return temp_->filePath("runtime-" + QFileInfo(temp_->path()).owner());
  }
  static QByteArray local(const QString& path) { return QFile::encodeName(path); }

 private slots:
  void init() {
    savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    savedTemp_ = qgetenv("TMPDIR");
    temp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(temp_->isValid());
    qputenv("TMPDIR", local(temp_->path()));
    qunsetenv("XDG_RUNTIME_DIR");
  }
  void cleanup() {
    qputenv("XDG_RUNTIME_DIR", savedRuntime_);
    qputenv("TMPDIR", savedTemp_);
    temp_.reset();
  }

  void missingVariableGetsAPrivateDirectoryAndQtStaysQuiet_data() {
    QTest::addColumn<bool>("setEmpty");
    QTest::newRow("unset") << false;
    QTest::newRow("empty") << true;
  }
  void missingVariableGetsAPrivateDirectoryAndQtStaysQuiet() {
    QFETCH(bool, setEmpty);
    if (setEmpty) qputenv("XDG_RUNTIME_DIR", "");
    provideRuntimeDirectory();
    QCOMPARE(qEnvironmentVariable("XDG_RUNTIME_DIR"), fallback());
    QVERIFY(QFileInfo(fallback()).isDir());
    QCOMPARE(QFile::permissions(fallback()) & 0x0777,
             QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    QTest::failOnWarning(QRegularExpression(".*"));
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), fallback());
  }

  void whatIsAlreadyInItsPlace_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("taken");
    QTest::newRow("the user's own private directory") << "private" << true;
    QTest::newRow("a directory open to others") << "open" << false;
    QTest::newRow("a file") << "file" << false;
    QTest::newRow("a link to a private directory") << "link" << false;
    QTest::newRow("another user's private directory") << "foreign" << false;
  }
  void whatIsAlreadyInItsPlace() {
    QFETCH(QString, what);
    QFETCH(bool, taken);
    const QByteArray path = local(fallback());
    const QByteArray elsewhere = local(temp_->filePath("elsewhere"));
    if (what == "private" || what == "foreign") {
      QCOMPARE(mkdir(path, 0700), 0);
    } else if (what == "open") {
      QCOMPARE(mkdir(path, 0700), 0);
      QCOMPARE(chmod(path, 0755), 0);
    } else if (what == "file") {
      QVERIFY(QFile(fallback()).open(QIODevice::WriteOnly));
    } else if (what == "link") {
      QCOMPARE(mkdir(elsewhere, 0700), 0);
      QCOMPARE(symlink(elsewhere, path), 0);
    }
    if (what == "foreign" && chown(path, 65534, 65534) != 0)
      QSKIP("only root can give a directory to another user");

    provideRuntimeDirectory();
    QCOMPARE(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"), taken);
    if (taken) QCOMPARE(qEnvironmentVariable("XDG_RUNTIME_DIR"), fallback());
    if (what == "open")
      QCOMPARE(QFile::permissions(fallback()) & 0x0077,
               QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                   QFileDevice::ExeOther);
  }

  void aSetVariableIsLeftAlone() {
    const QString own = temp_->filePath("session");
    QVERIFY(QDir().mkdir(own));
    qputenv("XDG_RUNTIME_DIR", local(own));
    provideRuntimeDirectory();
    QCOMPARE(qEnvironmentVariable("XDG_RUNTIME_DIR"), own);
    QVERIFY(!QFileInfo::exists(fallback()));
  }
};

QTEST_GUILESS_MAIN(RuntimeDirTest)
#include "tst_runtimedir.moc"
