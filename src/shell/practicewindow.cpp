// SPDX-License-Identifier: MIT
#include "shell/practicewindow.h"

#include <QApplication>

#include "presentation/practice_screen.h"
#include "presentation/twips.h"
#include "shell/boardbox.h"
#include "shell/boardbutton.h"
#include "shell/boardentry.h"
#include "shell/boardlabel.h"
#include "shell/boardline.h"
#include "shell/boardpicture.h"
#include "shell/recordbox.h"
#include "shell/style.h"

namespace kobaru {

// One element's widget, with the element as last shown, to place it again when the window's
// magnification changes.
struct PracticeWindow::ElementWidget {
  virtual ~ElementWidget() = default;
  virtual void show(const DisplayedElement& d, const View& view) = 0;
  virtual void place(const View& view) = 0;
  std::string name;
  QWidget* widget = nullptr;
};

namespace {

template <typename Model, typename Widget>
struct WidgetOf : PracticeWindow::ElementWidget {
  WidgetOf(const DisplayedElement& d, Widget* w, const View& view) {
    name = d.element().name;
    widget = w;
    w->setObjectName(toQString(name));
    show(d, view);
  }
  void show(const DisplayedElement& d, const View& view) override {
    shown = d;
    auto* w = static_cast<Widget*>(widget);
    if constexpr (requires { w->apply(d); }) {
      w->apply(d);
    } else {
      w->apply(std::get<Model>(d.state));
    }
    place(view);
  }
  void place(const View& view) override {
    auto* w = static_cast<Widget*>(widget);
    const Model& model = std::get<Model>(shown.state);
    if constexpr (requires { w->magnify(view); }) w->magnify(view);
    if (model.kind != Kind::Line) w->setGeometry(magnifiedRect(model, view));
    if constexpr (requires { model.font; }) w->setFont(toQFont(model.font, view.factor));
    w->setVisible(model.visible);
    w->setAccessibleName(toQString(shown.accessibleName));
  }
  DisplayedElement shown;
};

template <typename Model, typename Widget>
std::unique_ptr<PracticeWindow::ElementWidget> widgetOf(const DisplayedElement& d, QWidget* parent,
                                                        const View& view) {
  return std::make_unique<WidgetOf<Model, Widget>>(d, new Widget(parent), view);
}

Input named(InputKind kind, const std::string& name) {
  Input in;
  in.kind = kind;
  in.name = name;
  return in;
}

}  // namespace

PracticeWindow::PracticeWindow(Host& host, Rnd rnd)
    : host_(host),
      driver_([this] { send(named(InputKind::Tick, {})); }, TimerDriver::steadyClock()),
      session_(host, std::move(rnd), driver_.now()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(toQString(kPracticeScreen.caption));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  const QSize designed(kPracticeScreen.width / kTwipsPerPixel,
                       kPracticeScreen.height / kTwipsPerPixel);
  view_ = viewOf(kPracticeScreen.width, kPracticeScreen.height, designed);
  resize(designed);
  build();
  connectInput();
}

// The widgets go after the session, and their focus with them: nothing may reach it then.
PracticeWindow::~PracticeWindow() {
  disconnect(focusWatch_);
}

void PracticeWindow::build() {
  for (const DisplayedElement& d : session_.all()) {
    switch (controlOf(d.element())) {
      case Control::Picture:
        widgets_.push_back(widgetOf<Picture, BoardPicture>(d, this, view_));
        break;
      case Control::Line:
        widgets_.push_back(widgetOf<Line, BoardLine>(d, this, view_));
        break;
      case Control::Label:
        widgets_.push_back(widgetOf<Label, BoardLabel>(d, this, view_));
        break;
      case Control::Record:
        widgets_.push_back(widgetOf<TextBox, RecordBox>(d, this, view_));
        break;
      case Control::Entry:
        widgets_.push_back(widgetOf<TextBox, BoardEntry>(d, this, view_));
        break;
      case Control::Box:
        widgets_.push_back(widgetOf<TextBox, BoardBox>(d, this, view_));
        break;
      case Control::Button:
        widgets_.push_back(widgetOf<Button, BoardButton>(d, this, view_));
        break;
    }
  }
}

void PracticeWindow::connectInput() {
  for (const auto& w : widgets_) {
    const std::string name = w->name;
    if (auto* b = qobject_cast<BoardButton*>(w->widget)) {
      connect(b, &BoardButton::pointerDown, this, [this, name](int pointer, bool primary) {
        Input in = named(InputKind::ButtonDown, name);
        in.pointer = pointer;
        in.primary = primary;
        send(in);
      });
      connect(b, &BoardButton::pointerUp, this, [this, name](int pointer, bool over) {
        Input in = named(InputKind::ButtonUp, name);
        in.pointer = pointer;
        in.over = over;
        send(in);
      });
      const auto key = [this, name](InputKind kind) {
        return [this, name, kind](int k, bool repeat) {
          Input in = named(kind, name);
          in.key = static_cast<char32_t>(k);
          in.repeat = repeat;
          send(in);
        };
      };
      connect(b, &BoardButton::keyDown, this, key(InputKind::KeyDown));
      connect(b, &BoardButton::keyUp, this, key(InputKind::KeyUp));
    } else if (auto* entry = qobject_cast<BoardEntry*>(w->widget)) {
      connect(entry, &BoardEntry::keyTyped, this, [this, name](char32_t k) {
        Input in = named(InputKind::EntryKey, name);
        in.key = k;
        send(in);
      });
      connect(entry, &QLineEdit::textEdited, this, [this, name](const QString& text) {
        Input in = named(InputKind::EntryText, name);
        in.text = text.toStdString();
        send(in);
      });
      connect(entry, &BoardEntry::clickedInto, this,
              [this, name] { send(named(InputKind::EntryClick, name)); });
    }
  }
  // The handlers see where the keyboard focus is.
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    std::string name;
    for (const auto& w : widgets_)
      if (w->widget == now) name = w->name;
    send(named(InputKind::Focus, name));
  });
}

void PracticeWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  const View view = viewOf(kPracticeScreen.width, kPracticeScreen.height, size());
  if (view == view_) return;
  view_ = view;
  for (const auto& w : widgets_) w->place(view_);
}

void PracticeWindow::load() {
  send(named(InputKind::Load, {}));
}

QWidget* PracticeWindow::widget(std::string_view name) const {
  for (const auto& w : widgets_)
    if (w->name == name) return w->widget;
  return nullptr;
}

BoardButton* PracticeWindow::button(std::string_view name) const {
  return qobject_cast<BoardButton*>(widget(name));
}

void PracticeWindow::deliver(const std::function<void()>& action) {
  apply(session_.run([&action](Form1&) { action(); }, driver_.now()));
}

void PracticeWindow::send(const Input& in) {
  apply(session_.input(in, driver_.now()));
}

void PracticeWindow::apply(const Reply& reply) {
  for (const Effect& effect : reply.effects) {
    // A message returns once closed; the session then goes on with the rest of the event.
    perform(effect, host_);
    if (effect.kind == EffectKind::Message) {
      send(named(InputKind::MessageClosed, {}));
      return;
    }
  }
  for (const DisplayedElement& d : reply.changes)
    for (const auto& w : widgets_)
      if (w->name == d.element().name) w->show(d, view_);
  if (reply.focus)
    if (QWidget* w = widget(*reply.focus)) w->setFocus();
  if (reply.held != held_) {
    if (BoardButton* b = button(held_)) b->setDown(false);
    held_ = reply.held;
    if (BoardButton* b = button(held_)) b->setDown(true);
  }
  driver_.sleep(reply.sleep);
}

}  // namespace kobaru
