#pragma once
// Matching: every dialog of the new script whose name and whole body are those of a
// dialog of the old English script takes the body of the old Chinese dialog of that name.

#include "ProgressView.h"
#include "ResourceScript.h"
#include "ResourceTextCarry.h"
#include "StringCarry.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace velb {

/// Merged: one output script, unreplaced dialogs stay English. Separate: a translated
/// script and a still-to-translate script named after the output path.
enum class OutputMode { Merged, Separate };

/// Whole dialogs only, as the window carries them; or, beyond that, a changed dialog string by
/// string, and the output laid out line for line as the new script.
enum class Carrying { WholeDialogs, Strings };

/// A dialog of the new script carried string by string.
struct StringCarriedDialog {
    std::size_t index; ///< among the new dialogs, from 0
    CarriedDialog dialog;
};

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
    Carrying carrying = Carrying::WholeDialogs;
    /// The dialogs carried string by string, in order; the entries above view their texts.
    std::deque<StringCarriedDialog> stringCarried;
    /// Carrying strings: the texts outside the dialogs, carried too.
    OutsideCarry outside;
};

/// Matches the new dialogs against the old ones in the given mode, showing the unreplaced
/// list as it grows. With Carrying::Strings a dialog that is not carried whole but has a dialog
/// of its name in both old scripts is carried string by string; it counts as carried over when
/// no string of it is left in English. Throws RunStopped.
MatchResult MatchDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese, const DialogTable& newEnglish,
                         OutputMode mode, Carrying carrying, ProgressView& view);

} // namespace velb
