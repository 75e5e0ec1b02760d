// SPDX-License-Identifier: MIT
#include <QTimer>
#include <QtTest>

#include "shell/timerdriver.h"

using namespace kobaru;

// The driver sleeps exactly as long as the session says, on a precise single-shot timer, and
// not at all when told nothing. What the session asks for is tested with the core.
class TimerDriverTest : public QObject {
  Q_OBJECT

 private slots:
  void sleepsAsToldAndWakesOnce() {
    int wakes = 0;
    TimerDriver driver([&] { ++wakes; }, [] { return std::int64_t{10'000}; });
    auto* timer = driver.findChild<QTimer*>();
    QCOMPARE(driver.now(), 10'000);
    driver.sleep(50);
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(timer->interval(), 50);
    driver.sleep(0);  // due already: at once
    QTRY_COMPARE(wakes, 1);
    QVERIFY(!timer->isActive());
    driver.sleep(40);
    driver.sleep(std::nullopt);
    QVERIFY(!timer->isActive());
  }
};

QTEST_MAIN(TimerDriverTest)
#include "tst_timerdriver.moc"
