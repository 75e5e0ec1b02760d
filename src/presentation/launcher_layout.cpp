// SPDX-License-Identifier: MIT
#include "presentation/launcher_layout.h"

#include <algorithm>

namespace kobaru {

namespace {

constexpr MenuButton kMenu[] = {
    {"Command1", "練　習　開　始", {720, 3960, 1815, 1215}, MenuAction::OpenPractice, false},
    {"Command2", "使　用　方　法", {2760, 3960, 1815, 495}, MenuAction::ShowHelp, false},
    {"Command3", "終　　　　了", {4800, 4680, 1815, 495}, MenuAction::ExitProgram, false},
    {"Command4", "バージョン情報", {2760, 4680, 1815, 495}, MenuAction::ShowAbout, false},
    {"Command5", "練習成績", {4800, 3960, 1815, 495}, MenuAction::ShowResults, true},
};

}  // namespace

const LauncherLayout kLauncher{
    "Kobaru - Tessaly",
    12000,
    9000,
    {Face::PGothic, 9.75, false},
    kMenu,
    {"Label2",
     "Kobaru　ｖ１．０１",
     "Kobaru　ｖ１．０１",
     {4680, 1320, 2415, 375},
     {Face::Gothic, 12, true},
     kWhite},
    {"Text1",
     "本ソフトは　自動競り機を使用した自動車オークシ\r\n"
     "ョンの模擬応札練習ソフトであり、実際の相場を覚\r\n"
     "えるためのソフトではありません。　　　　　　　　　　\r\n"
     "また、いかなる場合も、実際の競りで起こり得た　\r\n"
     "損害等には当社は一切の責任を負いません。\r\n"
     "各会場によりこのソフトと実際の競り表示が異なる\r\n"
     "場合があります。\r\n",
     "注意事項",
     {8040, 7200, 3855, 1335},
     {Face::Gothic, 8.25, false},
     0xFFFFC0},
};

std::vector<std::string_view> noticeLines() {
  std::vector<std::string_view> lines;
  const std::string_view text = kLauncher.notice.text;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", at), text.size());
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

}  // namespace kobaru
