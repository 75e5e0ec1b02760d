// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

class QPushButton;
class QPlainTextEdit;
class QLabel;

namespace kobaru {

class Windows;

// The menu window `kidou`: start a practice, open the manual or the version window, or end.
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

  // The notice, line by line, each line ending in CR LF.
  static const char* const kNotice;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPixmap backdrop_;
};

}  // namespace kobaru
