// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

#include "practice/numbers.h"
#include "shell/boardbox.h"
#include "shell/boardbutton.h"
#include "shell/boardentry.h"
#include "shell/practicewindow.h"
#include "shell/style.h"
#include "support/recording_host.h"

using namespace kobaru;

class PracticeWindowTest : public QObject {
  Q_OBJECT

  RecordingHost host_;

 private slots:
  void japaneseFontsAreInstalled() {
    for (Face face : {Face::Gothic, Face::PGothic, Face::PMincho}) {
      bool found = false;
      for (const QString& family : familiesOf(face)) found |= QFontDatabase::hasFamily(family);
      QVERIFY2(found, qPrintable(familiesOf(face).join(", ")));
    }
  }

  void everyElementHasAWidgetAtItsPlace() {
    PracticeWindow w(host_, scripted({0.5}));
    for (const Element* e : w.form().elements()) {
      QWidget* widget = w.widget(e->name);
      QVERIFY2(widget, e->name.c_str());
      QCOMPARE(widget->objectName(), QString::fromStdString(e->name));
      QCOMPARE(widget->isVisibleTo(&w), e->visible);
      if (e->kind != Kind::Line) QCOMPARE(widget->geometry(), magnifiedRect(*e, w.view()));
    }
    QCOMPARE(w.widget("Command12")->geometry(), QRect(416, 248, 81, 33));
    // Every control can be named by a screen reader.
    for (const Element* e : w.form().elements())
      QVERIFY2(!w.widget(e->name)->accessibleName().isEmpty(), e->name.c_str());
    QCOMPARE(w.widget("aka")->accessibleName(), QString("赤ランプ"));
    QCOMPARE(w.widget("Command12")->accessibleName(), QString("応札ボタン"));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::black));
  }

  void theViewFollowsTheModelAfterEachEvent() {
    PracticeWindow w(host_, scripted({0.5}));
    w.show();
    w.deliver([&] {
      w.form().Command8.caption = captionOf(SellOut::Possible);
      w.form().Command8.backColor = 0xFFC0C0;
      w.form().Label27.visible = true;
      w.form().focus = &w.form().Text6;
    });
    auto* b = w.button("Command8");
    QCOMPARE(b->text(), QString(captionOf(SellOut::Possible)));
    QCOMPARE(b->palette().color(QPalette::Button), QColor(0xFF, 0xC0, 0xC0));
    QVERIFY(w.widget("Label27")->isVisibleTo(&w));
    QCOMPARE(w.focusWidget(), w.widget("Text6"));
  }

  // The record box appends what was written since it was last drawn, and is drawn afresh when the
  // record began again.
  void theRecordBoxAppendsNewLines() {
    PracticeWindow w(host_, scripted({0.5}));
    auto* box = qobject_cast<QPlainTextEdit*>(w.widget("ousatu"));
    Form1& f = w.form();
    w.deliver([&] { f.ousatu.text = "応札記録\r\nスタート  20.0"; });
    box->document()->firstBlock().setUserState(7);  // marks the lines drawn so far
    w.deliver([&] { f.ousatu.text += "\r\n停止 CO  23.0"; });
    w.deliver([&] { f.ousatu.text += "\r\n流札  23.0\r\n\r\n最終応札  23.0"; });
    QCOMPARE(box->toPlainText(),
             QString("応札記録\nスタート  20.0\n停止 CO  23.0\n流札  23.0\n\n最終応札  23.0"));
    QCOMPARE(box->document()->firstBlock().userState(), 7);
    QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
    w.deliver([&] { f.ousatu.text = "応札記録\r\nスタート  30.0"; });
    QCOMPARE(box->toPlainText(), QString("応札記録\nスタート  30.0"));
    QCOMPARE(box->document()->firstBlock().userState(), -1);
  }

  // Every edit of the start price and speed entries runs their key handler once: typing, pasting,
  // cutting and deleting, by key or from the context menu. After the conditions are set, any of
  // them locks Start again.
  void everyEditOfAnEntryRunsItsKeyHandlerOnce() {
    struct Case {
      const char* name;
      std::function<void(QLineEdit*)> edit;
      QString text;  // the entry afterwards, from "250"
    };
    const Case cases[] = {
        {"a typed digit", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_5); }, "2505"},
        {"backspace", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Backspace); }, "25"},
        {"Ctrl+V", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); },
         "250300"},
        {"paste from the menu", [](QLineEdit* e) { e->paste(); }, "250300"},
        {"Ctrl+X",
         [](QLineEdit* e) {
           e->selectAll();
           QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
         },
         ""},
        {"cut from the menu",
         [](QLineEdit* e) {
           e->selectAll();
           e->cut();
         },
         ""},
        {"delete",
         [](QLineEdit* e) {
           e->home(false);
           QTest::keyClick(e, Qt::Key_Delete);
         },
         "50"},
        {"delete from the menu",
         [](QLineEdit* e) {
           e->selectAll();
           e->del();
         },
         ""},
    };
    for (const char* name : {"Text6", "Text7"}) {
      for (const Case& c : cases) {
        const QString trace = QString("%1, %2").arg(name, c.name);
        PracticeWindow w(host_, scripted({0.5}));
        w.show();
        w.load();
        Form1& f = w.form();
        QTest::mouseClick(w.button("Command23"), Qt::LeftButton);
        auto* entry = qobject_cast<BoardEntry*>(w.widget(name));
        w.deliver([&] {
          f.Text6.text = "250";
          f.Text7.text = "250";
        });
        QTest::mouseClick(w.button("Command11"), Qt::LeftButton);
        QVERIFY2(f.sutatofuka == 0, qPrintable(trace));
        QGuiApplication::clipboard()->setText("300");
        entry->setFocus();
        entry->end(false);
        QSignalSpy keys(entry, &BoardEntry::keyTyped);
        c.edit(entry);
        QVERIFY2(keys.count() == 1, qPrintable(trace + ": " + QString::number(keys.count())));
        QVERIFY2(f.sutatofuka == 1, qPrintable(trace));
        const std::string& model = std::string_view(name) == "Text6" ? f.Text6.text : f.Text7.text;
        QVERIFY2(QString::fromStdString(model) == c.text, qPrintable(trace));
      }
    }
  }

  // Moving about or selecting in an entry edits nothing and runs no handler.
  void movingInAnEntryRunsNoHandler() {
    PracticeWindow w(host_, scripted({0.5}));
    w.show();
    auto* entry = qobject_cast<BoardEntry*>(w.widget("Text7"));
    entry->setFocus();
    QSignalSpy keys(entry, &BoardEntry::keyTyped);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End})
      QTest::keyClick(entry, key);
    QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(entry, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(keys.count(), 0);
  }

  // The trainee's first lot through the real widgets: the forced stop leaves the board idle, the
  // typed start price and the conditions button put lot 1001 on it, and the forced stop clears
  // it again with the focus back in the start price.
  void openingAndForcedStopThroughTheWidgets() {
    PracticeWindow w(host_, scripted({0.5}));
    w.show();
    w.load();
    Form1& f = w.form();
    // The opening starts the automatic practice: lot 1001, counting down to its start.
    QCOMPARE(f.modo10.caption, std::string("デモモード"));
    QVERIFY(w.widget("Label27")->isVisible());
    QVERIFY(w.widget("syuppin2")->isVisible());
    QVERIFY(!qobject_cast<QLineEdit*>(w.widget("Text6"))->text().isEmpty());

    QTest::mouseClick(w.button("Command23"), Qt::LeftButton);
    QVERIFY(!w.widget("syuppin2")->isVisible());
    QVERIFY(!w.widget("Label27")->isVisible());
    QVERIFY(!w.widget("kenri2")->isVisible());
    QCOMPARE(qobject_cast<BoardBox*>(w.widget("Text9"))->text(), QString());

    auto* startPrice = w.widget("Text6");
    QTest::mouseClick(startPrice, Qt::LeftButton);
    QTest::keyClicks(startPrice, "250");
    QCOMPARE(f.Text6.text, std::string("250"));
    QTest::mouseClick(w.button("Command11"), Qt::LeftButton);
    QCOMPARE(f.syuppin.text, std::string("1001"));
    QVERIFY(w.widget("syuppin2")->isVisible());
    QCOMPARE(qobject_cast<BoardBox*>(w.widget("Text9"))->text(), QString("25.0"));
    QCOMPARE(f.sutatofuka, 0);

    QTest::mouseClick(w.button("Command23"), Qt::LeftButton);
    QCOMPARE(f.syuppin.text, std::string());
    QVERIFY(!w.widget("syuppin2")->isVisible());
    QCOMPARE(qobject_cast<QLineEdit*>(startPrice)->text(), QString());
    QCOMPARE(w.focusWidget(), startPrice);
  }

  // A manual lot on the real screen and the real clock: start, climb, stop, step, back off and
  // restart. Only lower bounds on the climb are checked, since the wall clock decides how far.
  void manualLotOnTheRealClock() {
    PracticeWindow w(host_, scripted({0.5}));
    w.show();
    w.load();
    Form1& f = w.form();
    QTest::mouseClick(w.button("Command23"), Qt::LeftButton);
    QTest::keyClicks(w.widget("Text6"), "200");
    QTest::mouseClick(w.button("Command11"), Qt::LeftButton);
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QVERIFY(f.Timer1.enabled());
    QTRY_VERIFY_WITH_TIMEOUT(f.kakaku >= 212, 5000);  // four ticks or more
    QTest::mouseClick(w.button("Command2"), Qt::LeftButton);
    const double stopped = f.kakaku;
    QVERIFY(!f.Timer1.enabled());
    QTest::qWait(120);
    QCOMPARE(f.kakaku, stopped);
    QTest::mouseClick(w.button("Command3"), Qt::LeftButton);
    QCOMPARE(f.kakaku, stopped + 3);
    QCOMPARE(w.button("Command8")->text(), QString(captionOf(SellOut::Possible)));
    QTest::mouseClick(w.button("Command4"), Qt::LeftButton);
    QCOMPARE(f.kakaku, stopped + 3 - 50);
    QTest::mouseClick(w.button("Command7"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(f.kakaku > stopped + 3 - 50, 5000);
    const QStringList lines =
        qobject_cast<QPlainTextEdit*>(w.widget("ousatu"))->toPlainText().split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QString("応札記録"));
    QCOMPARE(lines[1], QString("スタート  20.0"));
    QVERIFY(lines[2].startsWith("停止 CO  "));
    QVERIFY(lines[3].startsWith("1POS CO  "));
    QVERIFY(lines[4].startsWith("再競 CO  "));
  }

  // A whole manual lot with the mouse: conditions, start, a click bid, a held bid, the sell-out,
  // one-position raises, the decision, the confirm by Enter, and the next lot.
  void wholeManualLotWithTheMouse() {
    PracticeWindow w(host_, scripted({0.5}));
    w.show();
    w.load();
    Form1& f = w.form();
    const auto click = [&](const char* name) { QTest::mouseClick(w.button(name), Qt::LeftButton); };
    click("Command23");
    QTest::keyClicks(w.widget("Text6"), "300");
    click("Command11");
    click("Command1");
    QTRY_VERIFY_WITH_TIMEOUT(f.kakaku >= 306, 5000);
    click("Command12");  // YOU at the running price
    click("Command2");
    BoardButton* bid = w.button("Command12");
    QTest::mousePress(bid, Qt::LeftButton);
    QVERIFY(f.Timer1.enabled());  // the press itself sets the clock going
    const double pressedAt = f.kakaku;
    QTRY_VERIFY_WITH_TIMEOUT(f.kakaku >= pressedAt + 6, 5000);
    QTest::mouseRelease(bid, Qt::LeftButton);
    QVERIFY(!f.Timer1.enabled());
    QCOMPARE(w.button("Command8")->text(), QString(captionOf(SellOut::Possible)));
    click("Command8");
    QCOMPARE(w.button("Command8")->text(), QString(captionOf(SellOut::Declared)));
    click("Command3");   // the floor goes one position up
    click("Command12");  // and the trainee one more
    const double won = f.kakaku;
    click("Command9");
    QCOMPARE(w.button("Command14")->palette().color(QPalette::Button), QColor(Qt::red));
    QCOMPARE(w.focusWidget(), w.widget("Command14"));
    QTest::keyClick(w.widget("Command14"), Qt::Key_Return);
    QCOMPARE(f.syuuryou, 0);
    QCOMPARE(f.Command14.backColor, kSilver);

    const QStringList lines =
        qobject_cast<QPlainTextEdit*>(w.widget("ousatu"))->toPlainText().split('\n');
    QStringList labels;
    for (const QString& line : lines) labels << line.left(line.indexOf("  "));
    QCOMPARE(labels, QStringList({"応札記録", "スタート", "YOU", "停止 CO", "ベタ YOU", "うりきり",
                                  "1POS 他", "1POS YOU", "自分落札"}));
    QVERIFY(lines.last().endsWith(QString::fromStdString(priceText(won / 10))));

    QTest::keyClicks(w.widget("Text6"), "5");
    click("Command11");
    QCOMPARE(f.syuppin.text, std::string("1002"));
  }

  // The buttons forward the hand raw: any mouse button's press and its release with whether the
  // pointer is over the button, Space and Enter down and up; the session makes gestures of it.
  void buttonsForwardTheHandRaw() {
    PracticeWindow w(host_, scripted({0.5}));
    w.show();
    BoardButton* b = w.button("Command12");
    QStringList events;
    connect(b, &BoardButton::pointerDown, [&](int pointer, bool primary) {
      events << QString("down %1%2").arg(pointer).arg(primary ? " primary" : "");
    });
    connect(b, &BoardButton::pointerUp, [&](int pointer, bool over) {
      events << QString("up %1%2").arg(pointer).arg(over ? " over" : "");
    });
    connect(b, &BoardButton::keyDown, [&](int key, bool) { events << QString("key %1").arg(key); });
    connect(b, &BoardButton::keyUp, [&](int key, bool) { events << QString("keyup %1").arg(key); });
    const QPoint inside = b->rect().center();
    const QPoint outside = b->rect().bottomRight() + QPoint(40, 40);

    struct Case {
      const char* name;
      std::function<void()> act;
      QStringList expected;
    };
    const Case cases[] = {
        {"click",
         [&] { QTest::mouseClick(b, Qt::LeftButton, {}, inside); },
         {"down 1 primary", "up 1 over"}},
        {"release outside",
         [&] {
           QTest::mousePress(b, Qt::LeftButton, {}, inside);
           QTest::mouseMove(b, outside);
           QTest::mouseRelease(b, Qt::LeftButton, {}, outside);
         },
         {"down 1 primary", "up 1"}},
        {"right button",
         [&] { QTest::mouseClick(b, Qt::RightButton, {}, inside); },
         {"down 2", "up 2 over"}},
        {"space",
         [&] {
           b->setFocus();
           QTest::keyClick(b, Qt::Key_Space);
         },
         {"key 32", "keyup 32"}},
        {"enter",
         [&] {
           b->setFocus();
           QTest::keyClick(b, Qt::Key_Enter);
         },
         {"key 13", "keyup 13"}},
    };
    for (const Case& c : cases) {
      events.clear();
      c.act();
      QVERIFY2(events == c.expected, qPrintable(QString("%1: %2").arg(c.name, events.join(", "))));
    }
    // Held down, the bid button is drawn down, and only while held.
    QTest::mousePress(b, Qt::LeftButton, {}, inside);
    QVERIFY(b->isDown());
    QTest::mousePress(w.button("Command13"), Qt::LeftButton);  // a second button adds nothing
    QVERIFY(!w.button("Command13")->isDown());
    QTest::mouseRelease(b, Qt::LeftButton, {}, outside);
    QVERIFY(!b->isDown());
  }
};

QTEST_MAIN(PracticeWindowTest)
#include "tst_practicewindow.moc"
