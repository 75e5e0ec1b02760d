// SPDX-License-Identifier: MIT
// 「練習成績」 opened from the practice screen while it plays: it follows the lots without
// holding them up, copies as tab-separated text, and lives on after the practice.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "presentation/results_chart.h"
#include "presentation/results_text.h"
#include "shell/boardbutton.h"
#include "shell/differencechart.h"
#include "shell/launcher.h"
#include "shell/practicewindow.h"
#include "shell/resultswindow.h"
#include "shell/style.h"
#include "shell/windows.h"

using namespace kobaru;

class ResultsWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<Windows> windows_;

  static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  // Plays the practice on in virtual time, the trainee clicking the bid button now and then up
  // to a limit and confirming what they win, until `lots` more lots have been seen.
  void play(PracticeWindow& w, std::size_t lots) {
    Form1& f = w.form();
    const std::size_t until = windows_->results().lots().size() + lots;
    // A lot takes well under five minutes of its clock; 50 ms a step.
    const int steps = static_cast<int>(lots) * 6000;
    for (int step = 0; windows_->results().lots().size() < until; ++step) {
      if (step == steps)
        QFAIL(qPrintable(QString("waited %1 min of the screen's clock for %2 more lots; lot %3 at "
                                 "%4, mode %5, record:\n%6")
                             .arg(steps / 1200)
                             .arg(lots)
                             .arg(f.syuppinbangou)
                             .arg(f.kakaku)
                             .arg(f.modo)
                             .arg(QString::fromStdString(f.ousatu.text))));
      w.deliver([&] {
        f.scheduler.advance(50);
        // The trainee's own limit, 20,000 yen over the guide: the floor outbids anyone who
        // never stops.
        if (step % 15 == 0 && f.kakaku < f.meyasuti * 10 + 20) {
          f.Command12_MouseDown();
          f.Command12_MouseUp();
          f.Command12_Click();
        }
        if (f.Command14.backColor == kRed) f.Command14_Click();
      });
    }
  }

 private slots:
  void init() {
    windows_ = std::make_unique<Windows>(dir_.filePath("kobaru.lock"));
    windows_->showLauncher();
  }
  void cleanup() {
    windows_.reset();
    settle();
  }

  void theLauncherOffersResultsOnlyAfterAPractice() {
    QVERIFY(!windows_->launcher()->Command5->isVisibleTo(windows_->launcher()));
    windows_->openPractice();
    windows_->closePractice();
    windows_->showLauncher();
    settle();
    Launcher* l = windows_->launcher();
    QVERIFY(l->Command5->isVisibleTo(l));
    QCOMPARE(l->Command5->text(), QString("練習成績"));
    QCOMPARE(l->Command5->geometry(), QRect(320, 264, 121, 33));
    QTest::mouseClick(l->Command5, Qt::LeftButton);
    QVERIFY(windows_->resultsWindow());
    QVERIFY(windows_->resultsWindow()->isVisible());
  }

  // The widget paints what the core lays out: each bar in its colour at its place, the frame
  // and the white around them.
  void theChartDrawsTheCoresBars() {
    const std::vector<WonDifference> points = {
        {1001, 2.4, 4.8}, {1002, -1.4, -4.0}, {1003, 0.6, 1.0}, {1004, -3.0, -5.0}};
    DifferenceChart chart(nullptr);
    chart.resize(240, 130);
    chart.setPoints(points);
    const QImage shown = chart.grab().toImage();
    QCOMPARE(shown.size(), QSize(240, 130));
    const ResultsChart laidOut = resultsChart(points, 240, 130);
    QCOMPARE(laidOut.bars.size(), points.size());
    for (const ChartBar& bar : laidOut.bars) {
      const ChartRect& r = bar.place;
      QVERIFY(r.height > 2);
      const QPoint centre(r.left + r.width / 2, r.top + r.height / 2);
      QCOMPARE(shown.pixelColor(centre), toQColor(bar.color));
      QCOMPARE(shown.pixelColor(r.left - 1, centre.y()), toQColor(laidOut.background));
    }
    QCOMPARE(shown.pixelColor(0, 65), toQColor(laidOut.frame));
    QCOMPARE(shown.pixelColor(239, 0), toQColor(laidOut.frame));
    QCOMPARE(shown.pixelColor(laidOut.zero->x2 - 1, laidOut.zero->y1),
             toQColor(laidOut.zero->color));
    QCOMPARE(chart.minimumHeight(), 130);
  }

  void opensDuringARunningPracticeAndFollowsIt() {
    windows_->openPractice();
    settle();
    PracticeWindow* w = windows_->practice();
    QVERIFY(w);
    play(*w, 2);
    const double lotBefore = w->form().syuppinbangou;

    QTest::mouseClick(w->button("seiseki"), Qt::LeftButton);
    ResultsWindow* r = windows_->resultsWindow();
    QVERIFY(r);
    QVERIFY(r->isVisible());
    QCOMPARE(r->windowTitle(), QString("練習成績"));
    QCOMPARE(r->windowModality(), Qt::NonModal);
    QCOMPARE(r->table()->accessibleName(), QString("出品ごとの成績"));
    QVERIFY(w->isVisible());

    // The practice plays on, and the window keeps up by itself.
    play(*w, 3);
    QVERIFY(w->form().syuppinbangou > lotBefore);
    const Results& results = windows_->results();
    QTRY_COMPARE_WITH_TIMEOUT(r->table()->model()->rowCount(),
                              static_cast<int>(results.lots().size()), 2000);
    QCOMPARE(r->summaryValue("競りを見た台数"), QString::number(results.lots().size()));
    const QModelIndex newest = r->table()->model()->index(0, 0);
    QCOMPARE(newest.data().toString(), QString::number(results.lots().back().lot));
    QCOMPARE(r->chart()->points().size(), wonDifferences(results.lots()).size());
    const auto* note = r->findChild<QLabel*>("nothingSaved");
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text(), QString::fromUtf8(kNothingSaved));

    // Ctrl+A, Ctrl+C: the whole window as tab-separated text; one row: that lot under the
    // headings.
    r->activateWindow();
    r->table()->setFocus();
    QTest::keyClick(r->table(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(r->table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(resultsTsv(results.lots())));
    r->table()->clearSelection();
    r->table()->selectRow(1);
    QTest::keyClick(r->table(), Qt::Key_C, Qt::ControlModifier);
    const LotResult* second = &results.lots()[results.lots().size() - 2];
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromStdString(lotsTsv(std::span(&second, 1))));
    QApplication::clipboard()->clear();
    QTest::mouseClick(r->findChild<QPushButton*>("copyAll"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(resultsTsv(results.lots())));

    // A forced stop keeps the results; the lot it cut short says so.
    QTest::mouseClick(w->button("Command23"), Qt::LeftButton);
    const std::size_t kept = results.lots().size();
    QVERIFY(kept >= 5);
    QVERIFY(results.lots().back().outcome != Outcome::Running);

    // A new practice from the launcher is a new session, in the same window.
    windows_->closePractice();
    windows_->showLauncher();
    settle();
    QCOMPARE(results.lots().size(), kept);
    windows_->openPractice();
    settle();
    QVERIFY(results.lots().empty());
    QTRY_COMPARE_WITH_TIMEOUT(r->table()->model()->rowCount(), 0, 2000);
    QCOMPARE(r->summaryValue("競りを見た台数"), QString("0"));
  }
};

QTEST_MAIN(ResultsWindowTest)
#include "tst_resultswindow.moc"
