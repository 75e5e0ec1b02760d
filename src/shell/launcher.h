// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "practice/elements.h"
#include "presentation/launcher_layout.h"
#include "presentation/magnification.h"

class QPushButton;
class QPlainTextEdit;
class QLabel;

namespace kobaru {

class Windows;
class FlatButton;

// The menu window `kidou`: start a practice, open the manual or the version window, or end. The
// backdrop and everything on it are shown magnified to fit the window, centred on black.
class Launcher : public QWidget {
 public:
  explicit Launcher(Windows& windows);

  QPushButton* Command1;  // 練習開始
  QPushButton* Command2;  // 使用方法
  QPushButton* Command3;  // 終了
  QPushButton* Command4;  // バージョン情報
  QPushButton* Command5;  // 練習成績, once a practice has been played
  QPlainTextEdit* Text1;  // the notice
  QLabel* Label2;         // the title

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // A widget at its designed place, in its designed font.
  struct Placed {
    QWidget* widget;
    LauncherPlace place;
    Font font;
  };
  void placed(QWidget* w, const LauncherPlace& place, const Font& font);
  // One of the launcher's texts, named for assistive technology.
  void placed(QWidget* w, const LauncherText& t);
  // The menu button `name`, doing its action in `windows`, shown unless it waits for a practice
  // that has not been played.
  FlatButton* menuButton(const char* name, Windows& windows);
  // Puts every widget where the view of the designed area shows it.
  void magnify();

  QPixmap backdrop_;
  View view_;
  std::vector<Placed> placed_;
};

}  // namespace kobaru
