// SPDX-License-Identifier: MIT
#include "shell/practicewindow.h"

#include <QApplication>

#include "presentation/accessible_names.h"
#include "presentation/caption_rooms.h"
#include "practice/handlers.h"
#include "shell/boardbox.h"
#include "shell/boardbutton.h"
#include "shell/boardentry.h"
#include "shell/boardlabel.h"
#include "shell/boardline.h"
#include "shell/boardpicture.h"
#include "shell/recordbox.h"
#include "shell/style.h"

namespace kobaru {

// One element and its widget, with the element as last drawn, so only changes reach Qt.
struct PracticeWindow::View {
  virtual ~View() = default;
  virtual void sync(const kobaru::View& view) = 0;
  // Puts the widget at the element's place and size as the view shows them.
  virtual void place(const kobaru::View& view) = 0;
  Element* element = nullptr;
  QWidget* widget = nullptr;
};

namespace {

template <typename Model, typename Widget>
struct ViewOf : PracticeWindow::View {
  ViewOf(Model& m, Widget* w, const kobaru::View& view) : model(m), shown(m) {
    element = &m;
    widget = w;
    w->setObjectName(toQString(m.name));
    w->apply(m);
    place(view);
  }
  void sync(const kobaru::View& view) override {
    if (model == shown) return;
    static_cast<Widget*>(widget)->apply(model);
    place(view);
    shown = model;
  }
  void place(const kobaru::View& view) override {
    auto* w = static_cast<Widget*>(widget);
    if constexpr (requires { w->magnify(view); }) w->magnify(view);
    if (model.kind != Kind::Line) w->setGeometry(magnifiedRect(model, view));
    if constexpr (requires { model.font; }) w->setFont(toQFont(model.font, view.factor));
    w->setVisible(model.visible);
    w->setAccessibleName(toQString(accessibleName(model)));
  }
  Model& model;
  Model shown;
};

}  // namespace

PracticeWindow::PracticeWindow(Host& host, Rnd rnd)
    : form_(host, std::move(rnd)),
      driver_(
          form_.scheduler, [this] { wake(); }, TimerDriver::steadyClock()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kobaru v1.01 - Tessaly"));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  view_ = viewOf(kDesignedWidth, kDesignedHeight, QSize(kDesignedWidth / 15, kDesignedHeight / 15));
  resize(kDesignedWidth / 15, kDesignedHeight / 15);
  build();
  leaveRoomsInCaptions();
  connectHandlers();
  driver_.rearm();
}

PracticeWindow::~PracticeWindow() = default;

void PracticeWindow::build() {
  for (Element* e : form_.elements()) {
    switch (e->kind) {
      case Kind::Picture:
        views_.push_back(std::make_unique<ViewOf<Picture, BoardPicture>>(
            static_cast<Picture&>(*e), new BoardPicture(this), view_));
        break;
      case Kind::Line:
        views_.push_back(std::make_unique<ViewOf<Line, BoardLine>>(static_cast<Line&>(*e),
                                                                   new BoardLine(this), view_));
        break;
      case Kind::Label:
        views_.push_back(std::make_unique<ViewOf<Label, BoardLabel>>(static_cast<Label&>(*e),
                                                                     new BoardLabel(this), view_));
        break;
      case Kind::TextBox: {
        auto& box = static_cast<TextBox&>(*e);
        if (box.multiLine) {
          views_.push_back(
              std::make_unique<ViewOf<TextBox, RecordBox>>(box, new RecordBox(this), view_));
        } else if (!box.locked) {
          // An entry the trainee types into: what is typed goes into the form at once.
          auto* entry = new BoardEntry(this);
          auto view = std::make_unique<ViewOf<TextBox, BoardEntry>>(box, entry, view_);
          connect(entry, &QLineEdit::textEdited, this, [v = view.get()](const QString& text) {
            v->model.text = v->shown.text = text.toStdString();
          });
          views_.push_back(std::move(view));
        } else {
          views_.push_back(
              std::make_unique<ViewOf<TextBox, BoardBox>>(box, new BoardBox(this), view_));
        }
        break;
      }
      case Kind::Button:
        views_.push_back(std::make_unique<ViewOf<Button, BoardButton>>(
            static_cast<Button&>(*e), new BoardButton(this), view_));
        break;
    }
  }
}

void PracticeWindow::leaveRoomsInCaptions() {
  for (const CaptionRoom& room : kCaptionRooms) {
    const Element* label = form_.element(room.label);
    const Element* box = form_.element(room.box);
    static_cast<BoardLabel*>(widget(room.label))
        ->leaveRoom(box->left - label->left, box->left + box->width - label->left);
  }
}

void PracticeWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  const kobaru::View view = viewOf(kDesignedWidth, kDesignedHeight, size());
  if (view == view_) return;
  view_ = view;
  for (const auto& v : views_) v->place(view_);
}

void PracticeWindow::connectHandlers() {
  for (const ButtonHandlers& h : buttonHandlers()) {
    BoardButton* b = button(h.name);
    Q_ASSERT(b);
    const auto bind = [this](void (Form1::*handler)()) {
      return [this, handler] { deliver([this, handler] { (form_.*handler)(); }); };
    };
    if (h.click) connect(b, &BoardButton::activated, this, bind(h.click));
    if (h.mouseDown) connect(b, &BoardButton::mouseDown, this, bind(h.mouseDown));
    if (h.mouseUp) connect(b, &BoardButton::mouseUp, this, bind(h.mouseUp));
  }
  for (const EntryHandlers& h : entryHandlers()) {
    auto* entry = qobject_cast<BoardEntry*>(widget(h.name));
    Q_ASSERT(entry);
    if (h.keyPress)
      connect(entry, &BoardEntry::keyTyped, this, [this, handler = h.keyPress](char32_t key) {
        deliver([this, handler, key] { (form_.*handler)(key); });
      });
    if (h.click)
      connect(entry, &BoardEntry::clickedInto, this,
              [this, handler = h.click] { deliver([this, handler] { (form_.*handler)(); }); });
  }
}

void PracticeWindow::load() {
  deliver([this] { form_.Form_Load(); });
}

QWidget* PracticeWindow::widget(std::string_view name) const {
  for (const auto& v : views_)
    if (v->element->name == name) return v->widget;
  return nullptr;
}

BoardButton* PracticeWindow::button(std::string_view name) const {
  return qobject_cast<BoardButton*>(widget(name));
}

void PracticeWindow::deliver(const std::function<void()>& handler) {
  if (busy_) return;
  busy_ = true;
  // The handlers see where the trainee's focus is, and may move it.
  form_.focus = nullptr;
  for (const auto& v : views_)
    if (v->widget == focusWidget()) form_.focus = v->element;
  Element* const focusBefore = form_.focus;
  driver_.catchUp();
  handler();
  busy_ = false;
  sync();
  if (form_.focus != focusBefore && form_.focus) widget(form_.focus->name)->setFocus();
  driver_.rearm();
}

void PracticeWindow::wake() {
  deliver([] {});
}

void PracticeWindow::sync() {
  for (const auto& v : views_) v->sync(view_);
}

}  // namespace kobaru
