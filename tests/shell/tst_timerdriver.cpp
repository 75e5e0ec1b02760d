// SPDX-License-Identifier: MIT
#include <QThread>
#include <QtTest>

#include "shell/timerdriver.h"

using namespace kobaru;

// The driver against the wall clock. Bounds are loose: only the difference between catching up a
// stall and skipping a pause matters here; the precision is measured by the clock timing program.
class TimerDriverTest : public QObject {
  Q_OBJECT

  struct Rig {
    Scheduler scheduler;
    int ticks = 0;
    TimerDriver driver{scheduler, [this] {
                         driver.catchUp();
                         driver.rearm();
                       }};
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
    QTest::qWait(525);
    QVERIFY2(r.ticks >= 9 && r.ticks <= 11, qPrintable(QString::number(r.ticks)));
  }

  void aShortStallIsCaughtUp() {
    Rig r;
    QThread::msleep(330);  // the event loop stands still, as when both cores are busy
    QTest::qWait(45);
    QVERIFY2(r.ticks >= 7, qPrintable(QString::number(r.ticks)));
  }

  void aLongPauseIsNotReplayed() {
    Rig r;
    QThread::msleep(2000);  // a suspended machine, say
    QTest::qWait(120);
    QVERIFY2(r.ticks <= 5, qPrintable(QString::number(r.ticks)));
    QVERIFY(r.ticks >= 1);
  }
};

QTEST_MAIN(TimerDriverTest)
#include "tst_timerdriver.moc"
