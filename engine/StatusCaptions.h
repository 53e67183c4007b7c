#pragma once
// The status line's captions, one per phase of a run, in the order a run shows them. The
// reader and the matcher show theirs as they work, the run control the others, and the
// window starts with Ready.

#include <string_view>

namespace velb::status {

inline constexpr std::u16string_view kReady = u"就緒...";
inline constexpr std::u16string_view kLoading = u"讀取中...";
/// The cutting pass of the old English script; the other two scripts have kAnalysing.
inline constexpr std::u16string_view kAnalysingFirst = u"進行資源檔案分析...";
inline constexpr std::u16string_view kReadingScript = u"讀取資源檔...";
inline constexpr std::u16string_view kAnalysing = u"進行資源檔分析...";
inline constexpr std::u16string_view kMatching = u"比對替換製作中...";
inline constexpr std::u16string_view kSaving = u"完成替換，儲存中...";
inline constexpr std::u16string_view kDone = u"工作完成...";

} // namespace velb::status
