// SPDX-License-Identifier: MIT
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "shell/helpwindow.h"

using namespace kobaru;

class HelpWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  QString page(const QString& name) const { return dir_.filePath("help/" + name); }

  static void write(const QString& path, const QByteArray& html) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
        "</head><body>" +
        html + "</body></html>");
  }

  static QString shownFile(const HelpWindow& w) { return w.brwWebBrowser->source().toLocalFile(); }

 private slots:
  void initTestCase() {
    write(page("index.htm"), "<h1>目次</h1><a href=\"next.htm\">次へ</a>");
    write(page("next.htm"), "<h1>次のページ</h1><a href=\"index.htm\">目次</a>");
  }

  void opensAtTheStartPage() {
    HelpWindow w(dir_.path());
    QCOMPARE(w.windowTitle(), QString("使用方法 Kobaru - Tessaly"));
    QCOMPARE(w.StartingAddress, QDir::toNativeSeparators(page("index.htm")));
    QCOMPARE(w.cboAddress->currentText(), w.StartingAddress);
    QCOMPARE(w.cboAddress->count(), 1);
    QCOMPARE(shownFile(w), page("index.htm"));
    QVERIFY(w.brwWebBrowser->toPlainText().contains("目次"));
    QCOMPARE(w.lblAddress->text(), QString("ｱﾄﾞﾚｽ(&A):"));
    QCOMPARE(w.lblAddress->buddy(), w.cboAddress);
    QCOMPARE(w.Command1->text(), QString("閉　じ　る"));
    const QList<QAction*> buttons = w.tbToolBar->actions();
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(buttons[0]->text(), QString("Back"));
    QCOMPARE(buttons[1]->text(), QString("Forward"));
    QVERIFY(!buttons[0]->icon().isNull());
  }

  void backAndForwardMoveThroughTheHistory() {
    HelpWindow w(dir_.path());
    QAction* back = w.tbToolBar->actions()[0];
    QAction* forward = w.tbToolBar->actions()[1];
    back->trigger();  // nowhere to go: nothing happens
    QCOMPARE(shownFile(w), page("index.htm"));
    // What following the link does: the link resolved against the page it stands on.
    w.brwWebBrowser->setSource(w.brwWebBrowser->source().resolved(QUrl("next.htm")));
    QCOMPARE(shownFile(w), page("next.htm"));
    back->trigger();
    QCOMPARE(shownFile(w), page("index.htm"));
    forward->trigger();
    QCOMPARE(shownFile(w), page("next.htm"));
    QVERIFY(!forward->isEnabled());
    QCOMPARE(w.cboAddress->count(), 1);  // navigations add nothing to the list
  }

  void enterInTheAddressBoxNavigates() {
    HelpWindow w(dir_.path());
    w.cboAddress->lineEdit()->setText(QDir::toNativeSeparators(page("next.htm")));
    QTest::keyClick(w.cboAddress->lineEdit(), Qt::Key_Return);
    QCOMPARE(shownFile(w), page("next.htm"));
    QCOMPARE(w.cboAddress->count(), 1);
    w.cboAddress->setCurrentIndex(0);
    emit w.cboAddress->activated(0);  // the start page chosen from the list
    QCOMPARE(shownFile(w), page("index.htm"));
  }

  void aMissingPageShowsANoticeInsteadOfCrashing() {
    HelpWindow w(dir_.path());
    w.cboAddress->lineEdit()->setText(page("nowhere.htm"));
    QTest::keyClick(w.cboAddress->lineEdit(), Qt::Key_Return);
    QVERIFY(w.brwWebBrowser->toPlainText().contains("ページを表示できません"));
    HelpWindow noManual(dir_.filePath("no-such-folder"));
    QVERIFY(noManual.brwWebBrowser->toPlainText().contains("ページを表示できません"));
  }

  // Every page of the shipped manual, reached from its index, and every link and picture in it.
  void everyLinkOfTheManualResolves() {
    const QDir help(QCoreApplication::applicationDirPath() + "/help");
    QVERIFY2(help.exists("index.htm"), qPrintable(help.path()));
    static const QRegularExpression reference("(?:href|src)\\s*=\\s*\"([^\"#]*)(?:#([^\"]*))?\"");
    QStringList pending{help.filePath("index.htm")};
    QSet<QString> seen;
    while (!pending.isEmpty()) {
      const QString file = QFileInfo(pending.takeFirst()).canonicalFilePath();
      if (seen.contains(file)) continue;
      seen.insert(file);
      QFile f(file);
      QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file));
      const QString html = QString::fromUtf8(f.readAll());
      for (auto m = reference.globalMatch(html); m.hasNext();) {
        const auto match = m.next();
        const QString target =
            match.captured(1).isEmpty() ? file : QFileInfo(file).dir().filePath(match.captured(1));
        QVERIFY2(QFileInfo::exists(target),
                 qPrintable(QFileInfo(file).fileName() + " links to missing " + match.captured(1)));
        if (target.endsWith(".htm")) pending << target;
      }
    }
    // And no page is left out of the walk.
    QDirIterator pages(help.path(), {"*.htm"}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
      const QString p = QFileInfo(pages.next()).canonicalFilePath();
      QVERIFY2(seen.contains(p), qPrintable(p + " is not reached from the index"));
    }
  }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
