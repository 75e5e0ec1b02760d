// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/magnification.h"
#include "session/practice_session.h"
#include "shell/timerdriver.h"

namespace kobaru {

class BoardButton;

// The Qt face of the practice screen: one widget per element of the form, placed and painted as
// the session shows it. The widgets forward the trainee's hand raw to the session; what the
// session returns is done here: the platform's effects, the changed elements, the focus and the
// next wake-up.
class PracticeWindow : public QWidget {
 public:
  PracticeWindow(Host& host, Rnd rnd);
  ~PracticeWindow() override;

  Form1& form() { return session_.form(); }
  // Runs the form's opening handler.
  void load();
  QWidget* widget(std::string_view name) const;
  BoardButton* button(std::string_view name) const;

  // Runs `action` on the form as one event of the screen; for tests and tools.
  void deliver(const std::function<void()>& action);

  // How the designed area is shown in the window now.
  const View& view() const { return view_; }

  // The widget drawing one element.
  struct ElementWidget;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void build();
  void connectInput();
  void send(const Input& in);
  void apply(const Reply& reply);

  Host& host_;
  TimerDriver driver_;
  PracticeSession session_;
  View view_;
  std::vector<std::unique_ptr<ElementWidget>> widgets_;
  std::string held_;  // the button drawn down
  QMetaObject::Connection focusWatch_;
};

}  // namespace kobaru
