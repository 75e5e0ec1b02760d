// SPDX-License-Identifier: MIT
#include "presentation/accessible_names.h"

#include <string_view>

namespace kobaru {

namespace {

struct Description {
  std::string_view element;
  std::string_view name;
};

const Description kDescriptions[] = {
    {"midori", "緑ランプ"},
    {"kiiro", "黄ランプ"},
    {"aka", "赤ランプ"},
    {"midori2", "緑ランプ（下段）"},
    {"kiiro2", "黄ランプ（下段）"},
    {"aka2", "赤ランプ（下段）"},
    {"Label20", "応札補助なしの選択表示"},
    {"Label21", "応札補助ありの選択表示"},
    {"Label22", "応札記録隠すの選択表示"},
    {"Label23", "応札記録表示の選択表示"},
    {"kenri", "権利の状態"},
    {"jiseri", "次競り車の表示"},
    {"genseri", "現競りの表示"},
    {"syuppin", "出品番号"},
    {"nensiki", "年式"},
    {"tenmei", "購買店"},
    {"Text1", "価格 百万円の位"},
    {"Text2", "価格 十万円の位"},
    {"Text3", "価格 万円の位"},
    {"Text4", "価格 千円の位"},
    {"nokori2", "決定までの残り秒数"},
    {"meyasugaku", "落札の目安（万円）"},
    {"syuppin2", "出品番号（下段）"},
    {"hyakuman2", "下段の価格 百万円の位"},
    {"jyuuman2", "下段の価格 十万円の位"},
    {"man2", "下段の価格 万円の位"},
    {"sen2", "下段の価格 千円の位"},
    {"Text6", "スタート価格（千円）"},
    {"Text7", "競り速度（秒）"},
    {"Text8", "うりきり価格（千円）"},
    {"Text9", "価格（万円）"},
    {"ousatu", "応札記録"},
    {"Image1", "出品車の写真"},
    {"Image3", "Kobaru"},
    {"Line1", "価格表示板の枠"},
    {"Line2", "価格表示板の枠"},
    {"Line3", "価格表示板の枠"},
    {"Line4", "価格表示板の枠"},
};

}  // namespace

std::string accessibleName(const Element& e) {
  for (const Description& d : kDescriptions)
    if (d.element == e.name) return std::string(d.name);
  switch (e.kind) {
    case Kind::Label:
      return static_cast<const Label&>(e).caption;
    case Kind::Button:
      return static_cast<const Button&>(e).caption;
    case Kind::TextBox:
      return static_cast<const TextBox&>(e).text;
    case Kind::Picture:
    case Kind::Line:
      break;
  }
  return e.name;
}

}  // namespace kobaru
