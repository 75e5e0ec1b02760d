// SPDX-License-Identifier: MIT
#include "presentation/about_layout.h"

namespace kobaru {

// The addresses are placeholders under a reserved example domain.
const AboutLayout kAbout{
    "Kobaru - バージョン情報",
    "Ｋｏｂａｒｕ",
    "Tessaly オークション応札練習ソフト",
    "システム開発元",
    {"Tessaly", "〒100-0000 東京都千代田区例町1-2-3", "https://www.example.com/",
     "info@example.com"},
    "閉　じ　る",
    380,
};

}  // namespace kobaru
