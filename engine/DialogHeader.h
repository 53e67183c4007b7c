#pragma once
// Which lines open a dialog, and the dialog's name. The window was made for scripts whose
// editors wrote every dialog header as "NAME DIALOG FIXED IMPURE ..." and takes only those
// lines. The editors of the decades since write "IDD_OPEN DIALOGEX 0, 0, 352, 98" or
// "IDD_VSS DIALOG DISCARDABLE  0, 0, 258, 149"; velb-batch takes these too when asked, as an
// addition to the window's rule, so a script of the old form reads the same under either.

#include "ResourceScript.h"

#include <optional>
#include <string_view>

namespace velb {

enum class HeaderRule {
    /// A line holding "DIALOG FIXED IMPURE" anywhere, even in a comment: the window's rule.
    FixedImpure,
    /// Those lines, and every line that begins with a name (no blank, tab or comma in it),
    /// blanks or tabs, DIALOG or DIALOGEX, any memory and load options, blanks or tabs and a
    /// first coordinate (a digit, a sign, "(" or a letter).
    AnyForm,
};

/// The dialog name when line is a dialog header line under rule, else nothing. The name is
/// everything in front of the word DIALOG with the blanks before it; a line holding
/// "DIALOG FIXED IMPURE" is named as the window names it, empty when no blank stands before.
std::optional<std::u16string_view> headerName(std::u16string_view line, HeaderRule rule);

/// How many lines of script only HeaderRule::AnyForm takes for dialog header lines.
int countOtherFormHeaders(const ResourceScript& script);

} // namespace velb
