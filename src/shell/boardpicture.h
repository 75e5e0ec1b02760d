// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

#include "practice/elements.h"

namespace kobaru {

// A picture stretched to fill its place; a missing or unreadable file, or anything but a regular
// file, leaves the place empty.
class BoardPicture : public QWidget {
 public:
  explicit BoardPicture(QWidget* parent);
  void apply(const Picture& picture);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::string path_;
  QPixmap pixmap_;
};

}  // namespace kobaru
