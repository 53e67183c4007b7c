#pragma once
// Matching: every dialog of the new script whose name and whole body are those of a
// dialog of the old English script takes the body of the old Chinese dialog of that name.

#include "ProgressView.h"
#include "ResourceScript.h"

#include <string>
#include <string_view>
#include <vector>

namespace velb {

/// Merged: one output script, unreplaced dialogs stay English. Separate: a translated
/// script and a still-to-translate script named after the output path.
enum class OutputMode { Merged, Separate };

struct MatchResult {
    OutputMode mode = OutputMode::Separate;
    /// Per new dialog, the text that stands for it in the translated output; empty for an
    /// unreplaced dialog in separate mode.
    std::vector<std::u16string_view> replacementTable;
    /// Per unreplaced dialog: its name, " →未替換", CR LF.
    std::u16string unreplacedList;
    /// Separate mode: the English bodies of the unreplaced dialogs, in order.
    std::vector<std::u16string_view> untranslated;
    /// Where the unreplaced dialogs stand among the new ones (from 0), in order.
    std::vector<std::size_t> unreplaced;
};

/// Matches the new dialogs against the old ones in the given mode, showing the unreplaced
/// list as it grows. Throws RunStopped.
MatchResult MatchDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese, const DialogTable& newEnglish,
                         OutputMode mode, ProgressView& view);

} // namespace velb
