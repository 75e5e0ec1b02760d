// SPDX-License-Identifier: MIT
#include "element_state.h"

namespace kobaru {

namespace {

using emscripten::val;

template <typename Enum>
struct Named {
  Enum value;
  const char* name;
};

// The names the page knows the kinds, faces and alignments by.
constexpr Named<Control> kControls[] = {{Control::Label, "label"}, {Control::Button, "button"},
                                        {Control::Entry, "entry"}, {Control::Record, "record"},
                                        {Control::Box, "box"},     {Control::Picture, "picture"},
                                        {Control::Line, "line"}};
constexpr Named<Kind> kKinds[] = {{Kind::Label, "label"},
                                  {Kind::Button, "button"},
                                  {Kind::TextBox, "textbox"},
                                  {Kind::Picture, "picture"},
                                  {Kind::Line, "line"}};
constexpr Named<Face> kFaces[] = {{Face::Default, "default"},
                                  {Face::Gothic, "gothic"},
                                  {Face::PGothic, "pgothic"},
                                  {Face::PMincho, "pmincho"}};
constexpr Named<Align> kAlignments[] = {
    {Align::Left, "left"}, {Align::Centre, "center"}, {Align::Right, "right"}};

template <typename Enum, std::size_t N>
val nameOf(const Named<Enum> (&table)[N], Enum value) {
  for (const auto& entry : table)
    if (entry.value == value) return val(entry.name);
  return val(table[0].name);
}

void addLabel(val& s, const Label& l) {
  s.set("caption", l.caption);
  s.set("foreColor", l.foreColor);
  s.set("backColor", l.backColor);
  s.set("transparent", l.transparent);
  s.set("border", l.border);
  s.set("font", fontOf(l.font));
  s.set("alignment", nameOf(kAlignments, l.alignment));
}

void addButton(val& s, const Button& b) {
  s.set("caption", b.caption);
  s.set("backColor", b.backColor);
  s.set("font", fontOf(b.font));
}

void addTextBox(val& s, const TextBox& t) {
  s.set("text", t.text);
  s.set("foreColor", t.foreColor);
  s.set("backColor", t.backColor);
  s.set("locked", t.locked);
  s.set("font", fontOf(t.font));
  s.set("alignment", nameOf(kAlignments, t.alignment));
  s.set("multiLine", t.multiLine);
  s.set("tabStop", t.tabStop);
}

void addLine(val& s, const Line& l) {
  s.set("x1", l.x1);
  s.set("y1", l.y1);
  s.set("x2", l.x2);
  s.set("y2", l.y2);
  s.set("borderColor", l.borderColor);
  s.set("borderWidth", l.borderWidth);
}

}  // namespace

emscripten::val fontOf(const Font& f) {
  emscripten::val font = emscripten::val::object();
  font.set("face", nameOf(kFaces, f.face));
  font.set("size", f.size);
  font.set("bold", f.bold);
  return font;
}

val alignmentOf(Align a) {
  return nameOf(kAlignments, a);
}

val stateOf(const DisplayedElement& d) {
  const Element& e = d.element();
  val s = val::object();
  s.set("name", e.name);
  s.set("kind", nameOf(kKinds, e.kind));
  s.set("control", nameOf(kControls, controlOf(e)));
  s.set("left", e.left);
  s.set("top", e.top);
  s.set("width", e.width);
  s.set("height", e.height);
  s.set("visible", e.visible);
  s.set("accessibleName", d.accessibleName);
  s.set("wholeLines", d.wholeLines);
  if (d.aroundBox) {
    val around = val::object();
    around.set("before", d.aroundBox->before);
    around.set("after", d.aroundBox->after);
    around.set("left", d.aroundBox->left);
    around.set("right", d.aroundBox->right);
    s.set("aroundBox", around);
  }
  switch (e.kind) {
    case Kind::Label:
      addLabel(s, static_cast<const Label&>(e));
      break;
    case Kind::Button:
      addButton(s, static_cast<const Button&>(e));
      break;
    case Kind::TextBox:
      addTextBox(s, static_cast<const TextBox&>(e));
      break;
    case Kind::Picture:
      s.set("picture", static_cast<const Picture&>(e).picture);
      break;
    case Kind::Line:
      addLine(s, static_cast<const Line&>(e));
      break;
  }
  return s;
}

}  // namespace kobaru
