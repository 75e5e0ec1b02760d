// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "practice/form1.h"
#include "presentation/magnification.h"
#include "shell/timerdriver.h"

namespace kobaru {

class BoardButton;
class BoardEntry;

// The Qt face of the practice screen: one widget per element of the form, placed and painted as
// the element says. Every event goes to the form's handler, then the view copies what changed.
class PracticeWindow : public QWidget {
 public:
  PracticeWindow(Host& host, Rnd rnd);
  ~PracticeWindow() override;

  Form1& form() { return form_; }
  // Runs the form's opening handler.
  void load();
  QWidget* widget(std::string_view name) const;
  BoardButton* button(std::string_view name) const;

  // Runs one event of the screen: the ticks due before it first, then the handler, then the
  // view catches up. Nothing nests: while a handler runs, or a message it opened is shown,
  // further ticks and events wait.
  void deliver(const std::function<void()>& handler);

  // One element and its widget (defined with the view code).
  struct View;

  // The designed client area in twips, shown magnified to fit the window and centred on black.
  static constexpr int kDesignedWidth = 11895;
  static constexpr int kDesignedHeight = 8700;
  // How the designed area is shown in the window now.
  const kobaru::View& view() const { return view_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void build();
  void leaveRoomsInCaptions();
  void connectHandlers();
  void sync();
  void wake();

  Form1 form_;
  TimerDriver driver_;
  kobaru::View view_;
  std::vector<std::unique_ptr<View>> views_;
  bool busy_ = false;
};

}  // namespace kobaru
