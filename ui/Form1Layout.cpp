// The controls of the main window, one table per frame. Positions are in twips, relative
// to the frame or window named as container; tab indexes count across the whole window.

#include "Form1.h"

#include "ControlTable.h"
#include "Looks.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace velb {

namespace {

using enum ControlKind;

// Frame1 keeps the window's own background: Qt has no active-border colour, and on the
// systems the window was designed on that colour was the window's grey.
constexpr ControlRow kPathFrame[] = {
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

constexpr ControlRow kProgressFrame[] = {
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

constexpr ControlRow kStatusStrip[] = {
    {"Frame4", Frame, nullptr, {180, 5820, 8565, 495}, "", 3},
    {"Label1", Label, "Frame4", {90, 210, 495, 180}, "就緒...", 4},
};

// The two option buttons are the members 0 and 1 of the group Option1.
constexpr ControlRow kOutputFrame[] = {
    {"Frame8", Frame, nullptr, {6510, 60, 2265, 4275}, "未替換項目", 31},
    {"Check1", CheckBox, "Frame8", {120, 300, 1245, 195}, "產生報告(&E)", 32},
    {"Text5", TextArea, "Frame8", {120, 540, 1995, 2985}, "這裡將會顯示未替換的對話框名稱。", 33},
    {"Frame9", Frame, "Frame8", {0, 3630, 2265, 645}, "產生資源檔", 34},
    {"Option1_0", OptionButton, "Frame9", {120, 300, 1065, 225}, "合併輸出", 35},
    {"Option1_1", OptionButton, "Frame9", {1140, 300, 1035, 225}, "分開輸出", 36},
};

constexpr ControlRow kCommandButtons[] = {
    {"Command5", Button, nullptr, {6510, 4470, 2295, 735}, "執行!", 28},
    {"Command6", Button, nullptr, {6510, 5310, 1155, 405}, "關於...", 29},
    {"Command7", Button, nullptr, {7650, 5310, 1155, 405}, "結束", 30},
};

} // namespace

void Form1::buildPathFrame() {
    buildControls(this, kPathFrame);
}

void Form1::buildProgressFrame() {
    buildControls(this, kProgressFrame);
}

void Form1::buildStatusStrip() {
    buildControls(this, kStatusStrip);
}

void Form1::buildOutputFrame() {
    buildControls(this, kOutputFrame);
    findControl<QCheckBox>(this, "Check1")->setChecked(true);
    findControl<QRadioButton>(this, "Option1_1")->setChecked(true);
}

void Form1::buildCommandButtons() {
    buildControls(this, kCommandButtons);
    auto* execute = findControl<QPushButton>(this, "Command5");
    execute->setFont(mingFont(26.25, true));
    // Drawn as the default button; keyPressEvent gives it the Enter the other controls leave.
    execute->setDefault(true);
    findControl<QPushButton>(this, "Command6")->setFont(mingFont(12, true));
    findControl<QPushButton>(this, "Command7")->setFont(mingFont(12, true));
}

} // namespace velb
