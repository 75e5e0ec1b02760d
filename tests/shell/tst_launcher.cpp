// SPDX-License-Identifier: MIT
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/about.h"
#include "shell/helpwindow.h"
#include "shell/launcher.h"
#include "shell/practicewindow.h"
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
    QVERIFY(QByteArray(Launcher::kNotice).endsWith("場合があります。\r\n"));
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

  // The platform services: the second copy is told by the lock, the program's folder is its own,
  // and a cue whose file is missing plays nothing and harms nothing.
  void hostServices() {
    QtHost& first = windows_->host();
    QVERIFY(!first.anotherCopyRunning());
    Windows second(dir_.filePath("kobaru.lock"));
    QVERIFY(second.host().anotherCopyRunning());
    QCOMPARE(QString::fromStdString(first.programDirectory()),
             QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    first.playSound(dir_.filePath("missing.wav").toStdString());
    first.playSound((QCoreApplication::applicationDirPath() + "/sutato.wav").toStdString());
    first.playSound((QCoreApplication::applicationDirPath() + "/nagare.wav").toStdString());
    first.playSound(dir_.filePath("missing.wav").toStdString());
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
