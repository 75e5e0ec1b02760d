// SPDX-License-Identifier: MIT
// The launcher and the practice screen are shown magnified to fit their window and centred:
// every widget at its designed place times the factor plus the margin, its font scaled alike,
// and a click where a button is shown reaches that button's handler.
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "shell/boardbutton.h"
#include "shell/launcher.h"
#include "shell/practicewindow.h"
#include "shell/style.h"
#include "shell/windows.h"
#include "support/recording_host.h"

using namespace kobaru;

namespace {

// A designed rectangle (twips) shown at `factor` with the given margins, each edge rounded.
QRect expectedRect(const Element& e, double factor, double left, double top) {
  const auto edge = [&](double twips, double margin) {
    return int(std::lround(margin + twips / 15 * factor));
  };
  const int x = edge(e.left, left), y = edge(e.top, top);
  return {x, y, edge(e.left + e.width, left) - x, edge(e.top + e.height, top) - y};
}

int designedPixels(double points) {
  return int(std::lround(points * 96 / 72));
}

void resizeShown(QWidget& w, QSize size) {
  w.show();
  w.resize(size);
  QTRY_COMPARE(w.size(), size);
}

struct Size {
  const char* what;
  QSize client;
  double factor, left, top;  // the view expected
};

const Size kSizes[] = {
    {"1920 x 1080: the height decides",
     {1920, 1080},
     1080.0 / 580,
     (1920 - 793 * 1080.0 / 580) / 2,
     0},
    {"1024 x 768: the width decides", {1024, 768}, 1024.0 / 793, 0, (768 - 580 * 1024.0 / 793) / 2},
    {"512 x 384, a 1024 x 768 screen at twice the scale: below 1",
     {512, 384},
     512.0 / 793,
     0,
     (384 - 580 * 512.0 / 793) / 2},
};

}  // namespace

class MagnificationTest : public QObject {
  Q_OBJECT

  RecordingHost host_;

 private slots:
  void practiceElementsStandAtTheirMagnifiedPlaces() {
    const char* const sample[] = {"Command12", "Text1",     "Text4",   "meyasu", "ousatu",
                                  "Image1",    "Command25", "Label13", "Image3", "Command23"};
    for (const Size& size : kSizes) {
      PracticeWindow w(host_, scripted({0.5}));
      resizeShown(w, size.client);
      const View& v = w.view();
      QVERIFY2(std::abs(v.factor - size.factor) < 1e-9, size.what);
      QVERIFY2(std::abs(v.left - size.left) < 1e-9, size.what);
      QVERIFY2(std::abs(v.top - size.top) < 1e-9, size.what);
      for (const char* name : sample) {
        const Element* e = w.form().element(name);
        const QString where = QString("%1, %2").arg(size.what, name);
        QVERIFY2(e && w.widget(name), qPrintable(where));
        QCOMPARE(w.widget(name)->geometry(), expectedRect(*e, size.factor, size.left, size.top));
      }
    }
  }

  // One rectangle worked out by hand, so the rule above is not only checked against itself.
  void theBidButtonOnAFullHdScreen() {
    PracticeWindow w(host_, scripted({0.5}));
    resizeShown(w, {1920, 1080});
    QCOMPARE(w.widget("Command12")->geometry(), QRect(996, 462, 151, 61));
    QCOMPARE(w.widget("Text1")->font().pixelSize(), 119);  // 48 pt: 64 px x 1.862
  }

  void fontsScaleByTheSameFactor() {
    struct Case {
      const char* name;
      double points;
    };
    const Case cases[] = {{"Text1", 48},      {"Text4", 36},     {"syuppin", 26.25},
                          {"Label13", 21.75}, {"meyasu", 11.25}, {"Command12", 9},
                          {"ousatu", 9},      {"Text6", 9},      {"jiseri", 21.75}};
    for (const Size& size : kSizes) {
      PracticeWindow w(host_, scripted({0.5}));
      resizeShown(w, size.client);
      for (const Case& c : cases) {
        // Whole pixels, rounded down, so a caption never outgrows its place.
        const int expected =
            std::max(1, int(std::floor(designedPixels(c.points) * size.factor + 1e-9)));
        QVERIFY2(w.widget(c.name)->font().pixelSize() == expected,
                 qPrintable(QString("%1, %2: %3 px, expected %4")
                                .arg(size.what, c.name)
                                .arg(w.widget(c.name)->font().pixelSize())
                                .arg(expected)));
      }
    }
  }

  // Clicks at the middle of where a button is shown, as the trainee's mouse gives them.
  void aClickWhereAButtonIsShownRunsItsHandler() {
    for (const Size& size : kSizes) {
      PracticeWindow w(host_, scripted({0.5}));
      resizeShown(w, size.client);
      w.load();
      Form1& f = w.form();
      struct Case {
        const char* button;
        std::function<bool()> done;
      };
      const Case cases[] = {
          {"Command23", [&] { return f.modo10.caption == "手動モード"; }},
          {"Command18", [&] { return !f.ousatu.visible; }},
          {"Command19", [&] { return f.ousatu.visible; }},
          {"Command21", [&] { return f.Label21.backColor == kRed; }},
          {"Command20", [&] { return f.Label20.backColor == kRed; }},
      };
      for (const Case& c : cases) {
        const QString where = QString("%1, %2").arg(size.what, c.button);
        const QPoint at =
            expectedRect(*f.element(c.button), size.factor, size.left, size.top).center();
        QWidget* hit = w.childAt(at);
        QVERIFY2(hit == w.widget(c.button), qPrintable(where));
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&w, at));
        QVERIFY2(c.done(), qPrintable(where));
      }
      // Holding the bid button at its magnified place sets the stopped clock climbing.
      QTest::keyClicks(w.widget("Text6"), "200");
      QTest::mouseClick(w.button("Command11"), Qt::LeftButton);
      QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
      QTest::mouseClick(w.button("Command2"), Qt::LeftButton);
      const QPoint bid = expectedRect(f.Command12, size.factor, size.left, size.top).center();
      QWidget* hit = w.childAt(bid);
      QCOMPARE(hit, w.widget("Command12"));
      QTest::mousePress(hit, Qt::LeftButton, {}, hit->mapFrom(&w, bid));
      QVERIFY(f.Timer1.enabled());
      QTest::mouseRelease(hit, Qt::LeftButton, {}, hit->mapFrom(&w, bid));
      QVERIFY(!f.Timer1.enabled());
    }
  }

  void theLauncherIsMagnifiedToo() {
    QTemporaryDir dir;
    Windows windows(dir.filePath("kobaru.lock"));
    windows.showLauncher();
    Launcher* l = windows.launcher();
    resizeShown(*l, {1920, 1080});
    // 800 x 600 to 1920 x 1080: 1.8 times, 240 px of margin each side.
    QCOMPARE(l->Command1->geometry(), QRect(326, 475, 218, 146));
    QCOMPARE(l->Command1->font().pixelSize(), 23);  // 9.75 pt: 13 px x 1.8
    QCOMPARE(l->Command3->geometry(), QRect(816, 562, 218, 59));
    QCOMPARE(l->Text1->geometry(), QRect(1205, 864, 462, 160));
    // The backdrop fills the designed area; the margins are black.
    const QImage shown = l->grab().toImage();
    QCOMPARE(shown.pixelColor(100, 540), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(1820, 540), QColor(Qt::black));
    QVERIFY(shown.pixelColor(300, 100) != QColor(Qt::black));
    QVERIFY(shown.pixelColor(1600, 100) != QColor(Qt::black));
    // A click where 練習開始 is shown opens the practice screen.
    const QPoint start = QRect(326, 475, 218, 146).center();
    QWidget* hit = l->childAt(start);
    QCOMPARE(hit, static_cast<QWidget*>(l->Command1));
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(l, start));
    QVERIFY(windows.practice());
  }
};

QTEST_MAIN(MagnificationTest)
#include "tst_magnification.moc"
