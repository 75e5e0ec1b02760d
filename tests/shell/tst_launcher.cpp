// SPDX-License-Identifier: MIT
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "shell/about.h"
#include "shell/helpwindow.h"
#include "shell/launcher.h"
#include "shell/practicewindow.h"
#include "shell/regularfile.h"
#include "shell/resultswindow.h"
#include "shell/windows.h"

using namespace kobaru;

class LauncherTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<Windows> windows_;

  // Lets the windows that were unloaded go.
  static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

 private slots:
  void init() {
    windows_ = std::make_unique<Windows>(dir_.filePath("kobaru.lock"));
    windows_->showLauncher();
  }
  void cleanup() {
    windows_.reset();
    settle();
  }

  void showsItsMenuAndNotice() {
    Launcher* l = windows_->launcher();
    QVERIFY(l);
    QCOMPARE(l->windowTitle(), QString("Kobaru - Tessaly"));
    QVERIFY(l->windowState() & Qt::WindowMaximized);
    QCOMPARE(l->Command1->text(), QString("練　習　開　始"));
    QCOMPARE(l->Command2->text(), QString("使　用　方　法"));
    QCOMPARE(l->Command3->text(), QString("終　　　　了"));
    QCOMPARE(l->Command4->text(), QString("バージョン情報"));
    QCOMPARE(l->Command1->geometry(), QRect(48, 264, 121, 81));
    QCOMPARE(l->Command3->geometry(), QRect(320, 312, 121, 33));
    QCOMPARE(l->Label2->text(), QString("Kobaru　ｖ１．０１"));
    for (const QWidget* w : l->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->metaObject()->className()));
    const QStringList lines = l->Text1->toPlainText().split('\n');
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QString("本ソフトは　自動競り機を使用した自動車オークシ"));
    QCOMPARE(lines[2], QString("えるためのソフトではありません。") + QString(10, QChar(0x3000)));
    QCOMPARE(lines[6], QString("場合があります。"));
    QVERIFY(QByteArray(kLauncher.notice.text).endsWith("場合があります。\r\n"));
  }

  void practiceOpensTheScreenAndUnloadsTheLauncher() {
    QTest::mouseClick(windows_->launcher()->Command1, Qt::LeftButton);
    settle();
    QVERIFY(!windows_->launcher());
    PracticeWindow* p = windows_->practice();
    QVERIFY(p);
    QVERIFY(p->isVisible());
    QVERIFY(p->windowState() & Qt::WindowMaximized);
    QCOMPARE(p->windowTitle(), QString("Kobaru v1.01 - Tessaly"));
  }

  void versionOpensBesideTheLauncherAndClosesAgain() {
    QTest::mouseClick(windows_->launcher()->Command4, Qt::LeftButton);
    AboutWindow* a = windows_->about();
    QVERIFY(a && a->isVisible());
    QCOMPARE(a->windowTitle(), QString("Kobaru - バージョン情報"));
    QVERIFY(windows_->launcher()->isVisible());
    QStringList texts;
    for (const QLabel* l : a->findChildren<QLabel*>()) texts << l->text();
    for (const char* expected :
         {"Ｋｏｂａｒｕ", "Tessaly オークション応札練習ソフト", "システム開発元", "Tessaly",
          "https://www.example.com/", "info@example.com"})
      QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    QTest::mouseClick(a->Command1, Qt::LeftButton);
    settle();
    QVERIFY(!windows_->about());
  }

  void manualOpensBesideTheLauncher() {
    QTest::mouseClick(windows_->launcher()->Command2, Qt::LeftButton);
    HelpWindow* h = windows_->help();
    QVERIFY(h && h->isVisible());
    QVERIFY(windows_->launcher()->isVisible());
    QCOMPARE(h->StartingAddress,
             QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/help/index.htm"));
  }

  // The windows beside the launcher open at the sizes the browser edition gives them too.
  void theWindowsOpenAtTheirDesignedSizes() {
    QTest::mouseClick(windows_->launcher()->Command2, Qt::LeftButton);
    QCOMPARE(windows_->help()->windowTitle(), QString("使用方法 Kobaru - Tessaly"));
    QCOMPARE(windows_->help()->size(), QSize(850, 640));
    QTest::mouseClick(windows_->launcher()->Command4, Qt::LeftButton);
    QVERIFY(windows_->about()->width() >= 380);
    windows_->showResults();
    QCOMPARE(windows_->resultsWindow()->windowTitle(), QString("練習成績"));
    QCOMPARE(windows_->resultsWindow()->size(), QSize(1100, 640));
  }

  // One copy per user: the lock lives in the user's runtime folder, so another user's copy does
  // not count, and a lock that cannot be made refuses nobody.
  void theLockIsTheUsersOwn() {
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmpBefore = qgetenv("TMPDIR");
    QDir(dir_.path()).mkpath("userA");
    QDir(dir_.path()).mkpath("userB");
    QFile(dir_.filePath("userA"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile(dir_.filePath("userB"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const auto asUser = [&](const char* folder) {
      qputenv("XDG_RUNTIME_DIR", dir_.filePath(folder).toLocal8Bit());
      return std::make_unique<Windows>(QtHost::lockPath());
    };
    const auto a = asUser("userA");
    QCOMPARE(QtHost::lockPath(), dir_.filePath("userA/kobaru.lock"));
    const auto b = asUser("userB");
    const auto secondOfA = asUser("userA");
    QVERIFY(!a->host().anotherCopyRunning());
    QVERIFY(!b->host().anotherCopyRunning());
    QVERIFY(secondOfA->host().anotherCopyRunning());

    // No runtime folder to be had, not even in the temporary folder: a name of the user's own.
    QFile(dir_.filePath("not-a-folder")).open(QIODevice::WriteOnly);
    qputenv("XDG_RUNTIME_DIR", dir_.filePath("not-a-folder").toLocal8Bit());
    qputenv("TMPDIR", dir_.filePath("not-a-folder").toLocal8Bit());
    const QString fallback = dir_.filePath(QString("not-a-folder/kobaru-%1.lock").arg(::getuid()));
    QCOMPARE(QtHost::lockPath(), fallback);
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
    qputenv("TMPDIR", tmpBefore);

    // A lock that cannot be made at all: the copy runs.
    Windows cannotTell(fallback);
    QVERIFY(!cannotTell.host().anotherCopyRunning());
  }

  // A second copy shows the notice, and with its launcher closed as its last window, the program
  // ends: the event loop returns.
  void aRefusedCopyEnds() {
    windows_->launcher()->hide();  // this process stands for the first copy's lock only
    Windows second(dir_.filePath("kobaru.lock"));
    second.showLauncher();
    QString notice;
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          notice = box->text();
          box->accept();
        }
      });
      QTest::mouseClick(second.launcher()->Command1, Qt::LeftButton);
    });
    QTimer tooLong;
    tooLong.setSingleShot(true);
    connect(&tooLong, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    tooLong.start(10'000);
    QCOMPARE(QCoreApplication::exec(), 0);
    settle();
    QCOMPARE(notice, QString("このアプリケーションは、即に起動済みです。"));
    QVERIFY(!second.practice());
    QVERIFY(!second.launcher());
  }

  // The program's folder is its own; a cue whose file is missing plays nothing, and playing one
  // cue stops the others.
  void hostPlaysCuesFromItsFolder() {
    QtHost& host = windows_->host();
    QCOMPARE(QString::fromStdString(host.programDirectory()),
             QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    const std::string sutato =
        (QCoreApplication::applicationDirPath() + "/sutato.wav").toStdString();
    const std::string nagare =
        (QCoreApplication::applicationDirPath() + "/nagare.wav").toStdString();
    const std::string missing = dir_.filePath("missing.wav").toStdString();
    host.playSound(missing);
    QTRY_COMPARE(host.cue(missing)->status(), QSoundEffect::Error);
    host.playSound(sutato);
    QTRY_VERIFY(host.cue(sutato)->status() != QSoundEffect::Loading);
    QVERIFY(host.cue(sutato)->status() != QSoundEffect::Error);
    host.playSound(nagare);
    QVERIFY(!host.cue(sutato)->isPlaying());
    QCOMPARE(host.cue("never played"), nullptr);
  }

  // Only regular files count as lot pictures, and only they are read: a pipe would block.
  void onlyRegularFilesArePictures() {
    const QString fifo = dir_.filePath("pipe.jpg");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString picture = QCoreApplication::applicationDirPath() + "/gazou/1001.jpg";
    struct Case {
      QString path;
      bool regular;
    };
    const Case cases[] = {
        {picture, true},      {fifo, false},
        {dir_.path(), false}, {dir_.filePath("missing.jpg"), false},
        {"/dev/zero", false},
    };
    for (const Case& c : cases) {
      QCOMPARE(windows_->host().isRegularFile(c.path.toStdString()), c.regular);
      QCOMPARE(regularPicture(c.path).isNull(), !c.regular);
    }
  }

  void exitUnloadsEveryWindow() {
    QTest::mouseClick(windows_->launcher()->Command4, Qt::LeftButton);
    QTest::mouseClick(windows_->launcher()->Command3, Qt::LeftButton);
    settle();
    QVERIFY(!windows_->launcher());
    QVERIFY(!windows_->about());
  }

  void aWindowShownAgainIsCreatedAfresh() {
    Launcher* first = windows_->launcher();
    first->close();
    settle();
    QVERIFY(!windows_->launcher());
    windows_->showLauncher();
    QVERIFY(windows_->launcher());
    QVERIFY(windows_->launcher()->isVisible());
  }
};

QTEST_MAIN(LauncherTest)
#include "tst_launcher.moc"
