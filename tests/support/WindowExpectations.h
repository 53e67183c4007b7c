#pragma once
// What the main window shows at the keyboard and over a run, written out here (not taken from
// the tables) so that a typo fails; the Qt and the Win32 window tests both check these. How the
// windows start is in their snapshots under tests/data/windows. Texts are UTF-8.

namespace velb::testing {

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
