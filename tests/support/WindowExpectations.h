#pragma once
// What the windows show, written out here (not taken from the tables) so that a typo in a
// caption fails; the Qt and the Win32 window tests both check these rows. Texts are UTF-8.

#include <utility>

namespace velb::testing {

using NamedText = std::pair<const char*, const char*>;

inline constexpr const char* kForm1Title = "Velbrix 對話框比對程式 for VC++";
inline constexpr NamedText kForm1Texts[] = {
    {"Frame1", "資源檔資訊"},  {"Frame2", "舊版資料"},     {"Label2", "英文版:"},
    {"Frame5", "處理進度"},    {"Command2", "瀏覽"},       {"Label1", "就緒..."},
    {"Frame8", "未替換項目"},  {"Check1", "產生報告(&E)"}, {"Text5", "這裡將會顯示未替換的對話框名稱。"},
    {"Option1_0", "合併輸出"}, {"Option1_1", "分開輸出"},  {"Command5", "執行!"},
    {"Command6", "關於..."},   {"Command7", "結束"},
};
/// The focus from Text1 through fourteen presses of Tab.
inline constexpr const char* kForm1TabOrder =
    "Text1 Text2 Text3 Text4 Command1 Command2 Command3 Command4 Command5 Command6 Command7 Check1 Text5 Option1_1 "
    "Text1";

inline constexpr const char* kAboutTitle = "關於 Velbrix...";
inline constexpr NamedText kAboutTexts[] = {
    {"lblTitle", "Velbrix"},
    {"lblVersion", "版本 1.1 beta 1217"},
    {"lblDescription", "這是一支用來處理資源檔的小程式，它可以將您之前所翻譯過的舊版資源檔，拿出來與新版"
                       "對照，一但內容相符就會替您置換過去，省去相當的時間進行人工比較，歡迎使用。"},
    {"Label1", "程式設計:"},
    {"lblDisclaimer", "Velbrix 開發團隊 <velbrix@example.com>"},
    {"cmdOK", "確定"},
};

inline constexpr const char* kCompletionTitle = "轉換完成!";
inline constexpr NamedText kCompletionTexts[] = {{"Label1", "成功轉換完成！"}, {"OKButton", "確定"}};

/// The status line, each bar as position/maximum, and which of Execute and Exit are enabled,
/// over the examples: while the completion dialog is open, and after it.
inline constexpr const char* kExamplesDone = "工作完成... 81/81 81/81 91/91 5/5";
inline constexpr const char* kExamplesReady = "就緒... 0/81 0/81 0/91 0/5 Execute Exit";
inline constexpr const char* kExamplesUnreplaced =
    "IDD_OPTIONS  →未替換\r\nIDD_FIND  →未替換\r\nIDD_PROGRESS  →未替換\r\n";

/// The messages of an Execute with every path field empty, then with each filled in turn.
inline constexpr const char* kMissingPathMessages[] = {"您未指定【舊版英文】資料!", "您未指定【舊版中文】資料!",
                                                       "您未指定【新版英文】資料!", "您未提供【新版中文】資料!"};

} // namespace velb::testing
