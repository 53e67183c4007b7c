#pragma once
// The controls of the main window, one table per frame. Positions are in twips, relative
// to the frame or window named as container; tab indexes count across the whole window, and
// every frame comes before what it holds in that order too.

#include "ControlRow.h"

namespace velb::form1 {

using enum ControlKind;

inline constexpr WindowRow kWindow{"Form1", "Velbrix 對話框比對程式 for VC++", 8955, 6480};

// Frame1's design asks for the active-border colour as its background; on the systems the
// window was designed on that colour was the window's own grey, which both front ends keep.
inline constexpr ControlRow kPathFrame[] = {
    {"Frame1", Frame, nullptr, {180, 60, 6165, 2985}, "資源檔資訊", 0},
    {"Frame2", Frame, "Frame1", {180, 330, 5805, 1215}, "舊版資料", 1},
    {"Label2", Label, "Frame2", {180, 330, 585, 180}, "英文版:", 13},
    {"Text1", TextBox, "Frame2", {840, 270, 3945, 315}, "", 5},
    {"Command1", Button, "Frame2", {4860, 270, 795, 315}, "瀏覽", 9},
    {"Label3", Label, "Frame2", {180, 780, 585, 180}, "中文版:", 14},
    {"Text2", TextBox, "Frame2", {840, 720, 3945, 315}, "", 6},
    {"Command2", Button, "Frame2", {4860, 720, 795, 315}, "瀏覽", 10},
    {"Frame3", Frame, "Frame1", {180, 1680, 5805, 1155}, "新版資料", 2},
    {"Label4", Label, "Frame3", {150, 330, 585, 180}, "英文版:", 15},
    {"Text3", TextBox, "Frame3", {840, 270, 3945, 315}, "", 7},
    {"Command3", Button, "Frame3", {4860, 270, 795, 315}, "瀏覽", 11},
    {"Label5", Label, "Frame3", {150, 720, 585, 180}, "中文版:", 16},
    {"Text4", TextBox, "Frame3", {840, 690, 3945, 300}, "", 8},
    {"Command4", Button, "Frame3", {4860, 690, 795, 315}, "瀏覽", 12},
};

inline constexpr ControlRow kProgressFrame[] = {
    {"Frame5", Frame, nullptr, {180, 3150, 6165, 2565}, "處理進度", 17},
    {"Frame6", Frame, "Frame5", {180, 270, 5805, 1275}, "資源檔解析", 18},
    {"Label6", Label, "Frame6", {150, 300, 765, 180}, "舊版英文:", 19},
    {"ProgressBar1", ProgressBar, "Frame6", {990, 330, 4635, 165}, "", 22},
    {"Label7", Label, "Frame6", {150, 600, 765, 180}, "舊版中文:", 20},
    {"ProgressBar2", ProgressBar, "Frame6", {990, 630, 4635, 165}, "", 23},
    {"Label8", Label, "Frame6", {150, 900, 765, 180}, "新版英文:", 21},
    {"ProgressBar3", ProgressBar, "Frame6", {990, 930, 4635, 165}, "", 24},
    {"Frame7", Frame, "Frame5", {180, 1710, 5805, 675}, "比對替換處理", 25},
    {"Label9", Label, "Frame7", {180, 300, 765, 180}, "新版中文:", 26},
    {"ProgressBar4", ProgressBar, "Frame7", {1020, 330, 4635, 165}, "", 27},
};

inline constexpr ControlRow kStatusStrip[] = {
    {"Frame4", Frame, nullptr, {180, 5820, 8565, 495}, "", 3},
    {"Label1", Label, "Frame4", {90, 210, 495, 180}, "", 4}, // the status line, Ready once the window is built
};

// The two option buttons are the members 0 and 1 of the group Option1.
inline constexpr ControlRow kOutputFrame[] = {
    {"Frame8", Frame, nullptr, {6510, 60, 2265, 4275}, "未替換項目", 31},
    {"Check1", CheckBox, "Frame8", {120, 300, 1245, 195}, "產生報告(&E)", 32},
    {"Text5", TextArea, "Frame8", {120, 540, 1995, 2985}, "這裡將會顯示未替換的對話框名稱。", 33},
    {"Frame9", Frame, "Frame8", {0, 3630, 2265, 645}, "產生資源檔", 34},
    {"Option1_0", OptionButton, "Frame9", {120, 300, 1065, 225}, "合併輸出", 35},
    {"Option1_1", OptionButton, "Frame9", {1140, 300, 1035, 225}, "分開輸出", 36},
};

inline constexpr ControlRow kCommandButtons[] = {
    {"Command5", Button, nullptr, {6510, 4470, 2295, 735}, "執行!", 28},
    {"Command6", Button, nullptr, {6510, 5310, 1155, 405}, "關於...", 29},
    {"Command7", Button, nullptr, {7650, 5310, 1155, 405}, "結束", 30},
};

inline constexpr ControlLook kLooks[] = {
    {"Command5", 26.25, true, {}},
    {"Command6", 12, true, {}},
    {"Command7", 12, true, {}},
};

/// The filter list of the Browse dialogs, as pairs of description and pattern.
inline constexpr const char* kBrowseFilter[] = {"VC++ 資源檔(*.rc)", "*.rc", "所有類型(*.*)", "*.*"};

} // namespace velb::form1
