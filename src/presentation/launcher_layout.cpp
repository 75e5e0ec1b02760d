// SPDX-License-Identifier: MIT
#include "presentation/launcher_layout.h"

namespace kobaru {

namespace {

constexpr MenuButton kMenu[] = {
    {"Command1", "練　習　開　始", {720, 3960, 1815, 1215}, false},
    {"Command2", "使　用　方　法", {2760, 3960, 1815, 495}, false},
    {"Command3", "終　　　　了", {4800, 4680, 1815, 495}, false},
    {"Command4", "バージョン情報", {2760, 4680, 1815, 495}, false},
    {"Command5", "練習成績", {4800, 3960, 1815, 495}, true},
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

}  // namespace kobaru
