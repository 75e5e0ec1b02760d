// SPDX-License-Identifier: MIT
#include "wire/element_json.h"

namespace kobaru {

namespace {

using nlohmann::json;

template <typename Enum>
struct Named {
  Enum value;
  const char* name;
};

// The names the pages know the controls, kinds, faces and alignments by.
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
const char* nameOf(const Named<Enum> (&table)[N], Enum value) {
  for (const auto& entry : table)
    if (entry.value == value) return entry.name;
  return table[0].name;
}

void addLabel(json& s, const Label& l) {
  s["caption"] = l.caption;
  s["foreColor"] = l.foreColor;
  s["backColor"] = l.backColor;
  s["transparent"] = l.transparent;
  s["border"] = l.border;
  s["font"] = fontJson(l.font);
  s["alignment"] = alignmentName(l.alignment);
}

void addButton(json& s, const Button& b) {
  s["caption"] = b.caption;
  s["backColor"] = b.backColor;
  s["font"] = fontJson(b.font);
}

void addTextBox(json& s, const TextBox& t) {
  s["text"] = t.text;
  s["foreColor"] = t.foreColor;
  s["backColor"] = t.backColor;
  s["locked"] = t.locked;
  s["font"] = fontJson(t.font);
  s["alignment"] = alignmentName(t.alignment);
  s["multiLine"] = t.multiLine;
  s["tabStop"] = t.tabStop;
}

void addLine(json& s, const Line& l) {
  s["x1"] = l.x1;
  s["y1"] = l.y1;
  s["x2"] = l.x2;
  s["y2"] = l.y2;
  s["borderColor"] = l.borderColor;
  s["borderWidth"] = l.borderWidth;
}

}  // namespace

json fontJson(const Font& f) {
  return {{"face", nameOf(kFaces, f.face)}, {"size", f.size}, {"bold", f.bold}};
}

const char* alignmentName(Align a) {
  return nameOf(kAlignments, a);
}

json elementJson(const DisplayedElement& d) {
  const Element& e = d.element();
  json s = {{"name", e.name},
            {"kind", nameOf(kKinds, e.kind)},
            {"control", nameOf(kControls, controlOf(e))},
            {"left", e.left},
            {"top", e.top},
            {"width", e.width},
            {"height", e.height},
            {"visible", e.visible},
            {"accessibleName", d.accessibleName},
            {"wholeLines", d.wholeLines}};
  if (d.aroundBox) {
    s["aroundBox"] = {{"before", d.aroundBox->before},
                      {"after", d.aroundBox->after},
                      {"left", d.aroundBox->left},
                      {"right", d.aroundBox->right}};
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
      s["picture"] = static_cast<const Picture&>(e).picture;
      break;
    case Kind::Line:
      addLine(s, static_cast<const Line&>(e));
      break;
  }
  return s;
}

json elementsJson(const std::vector<DisplayedElement>& elements) {
  json all = json::array();
  for (const DisplayedElement& d : elements) all.push_back(elementJson(d));
  return all;
}

}  // namespace kobaru
