// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace kobaru {

using Color = std::uint32_t;  // 0xRRGGBB

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0xFF0000;
inline constexpr Color kButtonFace = 0xF0F0F0;  // the system's button colour
inline constexpr Color kOrange = 0xFF8000;
inline constexpr Color kGreen = 0x00C000;
inline constexpr Color kYellow = 0xFFFF00;
inline constexpr Color kSilver = 0xC0C0C0;
inline constexpr Color kLightCyan = 0xC0FFFF;
inline constexpr Color kLightRed = 0xFFC0C0;
inline constexpr Color kSalmon = 0xFF8080;
inline constexpr Color kPeach = 0xFFE0C0;

// The three Japanese faces of the board; Default is the 9-point dialog font.
enum class Face { Default, Gothic, PGothic, PMincho };

struct Font {
  Face face = Face::Default;
  double size = 9;  // points
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class Align { Left, Centre, Right };

enum class Kind { Label, Button, TextBox, Picture, Line };

// Places are in twips (15 to a pixel at 96 dpi), from the client area's top-left corner.
struct Element {
  std::string name;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  Kind kind = Kind::Label;
  friend bool operator==(const Element&, const Element&) = default;
};

// A label without a background colour is transparent: the board behind shows through.
struct Label : Element {
  std::string caption;
  Color foreColor = kBlack;
  Color backColor = kBlack;
  bool transparent = true;
  bool border = false;  // a thin frame, as the option indicators have
  Font font;
  Align alignment = Align::Left;
  friend bool operator==(const Label&, const Label&) = default;
};

// A board sign goes dark with black text on black: it keeps its place and caption, so lighting
// it again needs only its colours.
inline void darken(Label& sign) {
  sign.foreColor = sign.backColor = kBlack;
}

struct Button : Element {
  std::string caption;
  Color backColor = kButtonFace;
  Font font;
  friend bool operator==(const Button&, const Button&) = default;
};

struct TextBox : Element {
  std::string text;
  Color foreColor = kBlack;
  Color backColor = kWhite;
  bool locked = false;  // read-only for the user; the handlers still write it
  Font font;
  Align alignment = Align::Left;
  bool multiLine = false;  // multi-line boxes have a vertical scroll bar
  bool tabStop = true;
  friend bool operator==(const TextBox&, const TextBox&) = default;
};

struct Picture : Element {
  std::string picture;  // path of the picture shown; "" = cleared
  friend bool operator==(const Picture&, const Picture&) = default;
};

struct Line : Element {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color borderColor = kBlack;
  int borderWidth = 1;  // pixels
  friend bool operator==(const Line&, const Line&) = default;
};

}  // namespace kobaru
