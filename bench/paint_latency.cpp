// SPDX-License-Identifier: MIT
// How soon the trainee sees a change on the full-screen practice screen, under an X server
// (bench/full_screen.sh runs it at 1920 x 1080):
//   tick to paint:  from a price tick firing to the end of the repaint that shows its digits,
//                   over 20 s of a lot climbing at the standard speed;
//   press to paint: from the bid button's press (a click, press and release, four a second)
//                   to the end of the repaint that shows the new bid-record line; the first
//                   press apart.
#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <vector>

#include "screen_bench.h"

using namespace kobaru;

namespace {

// Runs the events for a while. (Not the application's own loop: quitting that closes the
// windows.)
void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

void postClick(QWidget* button) {
  const QPointF at = QRectF(button->rect()).center();
  const QPointF global = button->mapToGlobal(at);
  QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                      Qt::LeftButton, Qt::LeftButton, {}));
  QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                      Qt::LeftButton, Qt::NoButton, {}));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  bench::FullScreenPractice screen([] { return 0.5; });
  PracticeWindow& w = screen.window;
  Form1& f = w.form();
  std::printf("window %d x %d, magnified %.3f times\n", w.width(), w.height(), w.view().factor);

  {
    // Each tick marked by a probe ticking just after it.
    bench::PaintWatch digits(w, *w.widget("Text4"));
    Timer& probe = f.scheduler.add(99, [&] { digits.mark(); });
    bench::startStandardLot(w, probe);
    runFor(20000);
    probe.setEnabled(false);
    bench::printPercentiles("tick to paint, 20 s at 0.05 s a step", digits.latenciesMs(), 8);
  }

  // The trainee's clicks on the bid button while the price climbs: each writes a "YOU" line.
  QWidget* bid = w.widget("Command12");
  auto* record = static_cast<QPlainTextEdit*>(w.widget("ousatu"));
  bench::PaintWatch lines(w, *record->viewport());
  struct PressMark : QObject {
    bench::PaintWatch& watch;
    explicit PressMark(bench::PaintWatch& w) : watch(w) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::MouseButtonPress) watch.mark();
      return false;
    }
  } pressMark(lines);
  bid->installEventFilter(&pressMark);
  QTimer clicks;
  QObject::connect(&clicks, &QTimer::timeout, [&] { postClick(bid); });
  clicks.start(250);
  runFor(25000);
  // The first press also draws the record's first glyphs and the button's first pressed face:
  // told apart, so the percentiles tell the presses a trainee makes all through a practice.
  std::vector<double> presses = lines.latenciesMs();
  if (!presses.empty()) {
    std::printf("press to paint, the first press: %.2f ms\n", presses.front());
    presses.erase(presses.begin());
  }
  bench::printPercentiles("press to paint, a click every 250 ms for 25 s after the first", presses,
                          16);
  return 0;
}
