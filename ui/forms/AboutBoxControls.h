#pragma once
// The controls of the About box ("frmAbout"), in twips on its client area.

#include "ControlRow.h"

namespace velb::about {

using enum ControlKind;

inline constexpr WindowRow kWindow{"frmAbout", "關於 Velbrix...", 5730, 3150};

inline constexpr const char* kDescription = "這是一支用來處理資源檔的小程式，它可以將您之前所翻譯過的舊版資源檔，"
                                            "拿出來與新版對照，一但內容相符就會替您置換過去，"
                                            "省去相當的時間進行人工比較，歡迎使用。";
inline constexpr const char* kAuthorLine = "Velbrix 開發團隊 <velbrix@example.com>";

// The two lines are one etched separator: a grey line with a white one a pixel below it.
inline constexpr ControlRow kControls[] = {
    {"picIcon", Picture, nullptr, {240, 240, 540, 540}, "duckling", 1},
    {"lblTitle", Label, nullptr, {1050, 300, 1410, 240}, "Velbrix", 4},
    {"lblVersion", Label, nullptr, {2580, 360, 1365, 180}, "版本 1.1 beta 1217", 5},
    {"lblDescription", WrappedText, nullptr, {1020, 780, 4425, 1260}, kDescription, 2},
    {"Label1", Label, nullptr, {180, 2130, 765, 180}, "程式設計:", 6},
    {"lblDisclaimer", Label, nullptr, {1050, 2160, 2205, 180}, kAuthorLine, 3},
    {"Line1_1", Line, nullptr, {90, 2445, 5564, 15}, "", kNoTab},
    {"Line1_0", Line, nullptr, {105, 2460, 5549, 30}, "", kNoTab},
    {"cmdOK", Button, nullptr, {4455, 2625, 1050, 345}, "確定", 0},
};

inline constexpr ControlLook kLooks[] = {
    {"lblTitle", 12, true, Rgb{0, 0, 0}},      {"lblDescription", 12, false, Rgb{0, 0, 0}},
    {"Label1", 0, false, Rgb{255, 0, 0}},      {"lblDisclaimer", 0, false, Rgb{0, 0, 255}},
    {"Line1_1", 0, false, Rgb{128, 128, 128}}, {"Line1_0", 0, false, Rgb{255, 255, 255}},
};

} // namespace velb::about
