// SPDX-License-Identifier: MIT
#include <QTimer>
#include <QtTest>

#include "shell/timerdriver.h"

using namespace kobaru;

// The driver on a scripted wall clock: it runs what is due at each wake and sleeps exactly until
// the next tick. The catch-up rule itself is tested with the core's clock follower.
class TimerDriverTest : public QObject {
  Q_OBJECT

  struct Rig {
    Scheduler scheduler;
    std::int64_t wall = 10'000;  // a monotonic clock starts anywhere
    int ticks = 0;
    int wakes = 0;
    TimerDriver driver{scheduler,
                       [this] {
                         ++wakes;
                         driver.catchUp();
                         driver.rearm();
                       },
                       [this] { return wall; }};
    QTimer* sleep = driver.findChild<QTimer*>();
    Rig() {
      Timer& t = scheduler.add(1, [this] { ++ticks; });
      t.setInterval(50);
      t.setEnabled(true);
      driver.rearm();
    }
  };

 private slots:
  void ticksFollowTheWallClock() {
    Rig r;
    r.wall += 525;
    r.driver.catchUp();
    QCOMPARE(r.ticks, 10);
    r.driver.rearm();
    QCOMPARE(r.sleep->interval(), 25);
  }

  void aLongPauseIsNotReplayed() {
    Rig r;
    r.wall += 2000;  // a suspended machine, say
    r.driver.catchUp();
    QCOMPARE(r.ticks, 1);
    r.wall += 100;
    r.driver.catchUp();
    QCOMPARE(r.ticks, 3);
  }

  void sleepsUntilTheNextTickAndWakesWhenItIsDue() {
    Rig r;
    QVERIFY(r.sleep->isActive());
    QVERIFY(r.sleep->isSingleShot());
    QCOMPARE(r.sleep->timerType(), Qt::PreciseTimer);
    QCOMPARE(r.sleep->interval(), 50);
    r.wall += 60;  // overdue: the driver wakes at once
    r.driver.rearm();
    QCOMPARE(r.sleep->interval(), 0);
    QTRY_COMPARE(r.wakes, 1);
    QCOMPARE(r.ticks, 1);
    QCOMPARE(r.sleep->interval(), 40);
  }

  void sleepsForNothingWhileNoTimerTicks() {
    Scheduler scheduler;
    TimerDriver driver(
        scheduler, [] {}, [] { return std::int64_t{0}; });
    driver.rearm();
    QVERIFY(!driver.findChild<QTimer*>()->isActive());
  }
};

QTEST_MAIN(TimerDriverTest)
#include "tst_timerdriver.moc"
