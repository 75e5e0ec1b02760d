// SPDX-License-Identifier: MIT
// The buttons show their faces flat in the colours the screen gives them, in every state the
// trainee meets, held down and focused too; the frame of the focus shows.
#include <QtTest>

#include "shell/boardbutton.h"
#include "shell/practicewindow.h"
#include "support/recording_host.h"

using namespace kobaru;

namespace {

// Where the face is measured: a tenth of the way in from the left edge, at mid-height.
QPoint facePoint(const QWidget* b) {
  const QRect r = b->geometry();
  return {r.left() + r.width() / 10, r.top() + r.height() / 2};
}

QColor faceShown(PracticeWindow& w, const char* button) {
  return w.grab().toImage().pixelColor(facePoint(w.widget(button)));
}

struct Shown {
  const char* button;
  QRgb colour;
};

}  // namespace

class BoardColoursTest : public QObject {
  Q_OBJECT

  RecordingHost host_;

  // The practice screen at a size, opened and then stopped by hand: the manual mode's idle board.
  void openIdle(PracticeWindow& w, QSize size) {
    w.show();
    w.resize(size);
    QTRY_COMPARE(w.size(), size);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.load();
    QTest::mouseClick(w.button("Command23"), Qt::LeftButton);
    w.setFocus();  // the faces are measured without a focus frame
  }

  void expectFaces(PracticeWindow& w, const QString& state, std::initializer_list<Shown> faces) {
    const QImage shown = w.grab().toImage();
    // Every button shows the colour its element holds ...
    for (const Element* e : w.form().elements()) {
      if (e->kind != Kind::Button) continue;
      const QColor at = shown.pixelColor(facePoint(w.widget(e->name)));
      const QColor held(QRgb(0xFF000000u | static_cast<const Button*>(e)->backColor));
      QVERIFY2(at == held, qPrintable(QString("%1, %2: shown %3, held %4")
                                          .arg(state, e->name.c_str(), at.name(), held.name())));
    }
    // ... which is the designed colour of the state.
    for (const Shown& f : faces) {
      const QColor at = shown.pixelColor(facePoint(w.widget(f.button)));
      QVERIFY2(at == QColor(f.colour),
               qPrintable(QString("%1, %2: shown %3, designed %4")
                              .arg(state, f.button, at.name(), QColor(f.colour).name())));
    }
  }

 private slots:
  void theFacesShowTheirColoursInEachState() {
    for (QSize size : {QSize(1920, 1080), QSize(1024, 768)}) {
      PracticeWindow w(host_, scripted({0.5}));
      openIdle(w, size);
      Form1& f = w.form();
      const QString at = QString("%1 x %2, ").arg(size.width()).arg(size.height());
      expectFaces(w, at + "idle",
                  {{"Command12", 0xFF8000},
                   {"Command3", 0xFF8000},
                   {"Command1", 0xC0FFFF},
                   {"Command23", 0xFF8080},
                   {"Command25", 0x80FFFF},
                   {"Command24", 0x80FF80},
                   {"Command4", 0xFFE0C0},
                   {"Command11", 0xFFFFC0},
                   {"Command14", 0xC0C0C0},
                   {"Command20", 0xF0F0F0},
                   {"Command8", 0xC0FFFF},  // スタート可能
                   {"Command9", 0xC0C0C0},
                   {"Command22", 0xC0C0C0}});
      w.deliver([&] { f.showSellOut(Form1::SellOut::Possible); });
      expectFaces(w, at + captionOf(SellOut::Possible), {{"Command8", 0xFFC0C0}});
      w.deliver([&] { f.showSellOut(Form1::SellOut::Declared); });
      expectFaces(w, at + captionOf(SellOut::Declared),
                  {{"Command8", 0xFF8080}, {"Command9", 0xFFC0C0}, {"Command22", 0xC0C0C0}});
      w.deliver([&] { f.showSellOut(Form1::SellOut::Impossible); });
      expectFaces(w, at + captionOf(SellOut::Impossible),
                  {{"Command8", 0xFFFFFF}, {"Command22", 0xFFC0C0}});
      // A won lot: the confirm button turns red until the trainee confirms it.
      w.deliver([&] { f.Command14.backColor = kRed; });
      expectFaces(w, at + "won", {{"Command14", 0xFF0000}});
    }
  }

  // Held down or holding the focus, a button keeps its face; the focus shows as a frame.
  void heldAndFocusedButtonsKeepTheirFace() {
    PracticeWindow w(host_, scripted({0.5}));
    openIdle(w, {1920, 1080});
    BoardButton* bid = w.button("Command12");
    const QImage plain = bid->grab().toImage();

    QTest::mousePress(bid, Qt::LeftButton);
    QVERIFY(bid->isDown());
    QCOMPARE(faceShown(w, "Command12"), QColor(0xFF8000));
    QTest::mouseRelease(bid, Qt::LeftButton);

    bid->setFocus(Qt::TabFocusReason);
    QVERIFY(bid->hasFocus());
    QCOMPARE(faceShown(w, "Command12"), QColor(0xFF8000));
    const QImage focused = bid->grab().toImage();
    QVERIFY(focused != plain);
    // The frame lies inside the edge, in black, on the face.
    const int y = focused.height() / 2;
    int black = 0;
    for (int x = 0; x < focused.width() / 10; ++x) black += focused.pixelColor(x, y) == Qt::black;
    QVERIFY(black > 0);
  }
};

QTEST_MAIN(BoardColoursTest)
#include "tst_boardcolours.moc"
