// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPushButton;

namespace kobaru {

// The version window `about`: what the program is and who made it.
class AboutWindow : public QWidget {
 public:
  AboutWindow();

  QPushButton* Command1;  // 閉じる
};

}  // namespace kobaru
