#pragma once
// What is left for the translator, dialog by dialog. For every dialog of the new script that
// was not replaced it says why; for a changed one it gives a unified diff from the old English
// dialog to the new one, with the real line numbers of both scripts so that an editor can jump
// to them, and the old translation of that dialog as the place to start from. The text is for
// a person and an editor, not a resource compiler, so its lines end with LF alone.

#include "DialogMatcher.h"
#include "ResourceScript.h"

#include <string>
#include <string_view>

namespace velb {

/// A script of the job with the name the changes file calls it by.
struct NamedScript {
    const LoadedScript& loaded;
    std::u16string_view name;
};

/// The changes file: per unreplaced dialog of newEnglish, in order, its name, "→ " and why:
/// "new" (no old English dialog of that name), "not translated" (one of that name is the same
/// but the old Chinese script has none) or "changed". A changed dialog is followed by the diff
/// from the last old English dialog of that name (3 lines of context; "---" and "+++" name
/// each script with the dialog's lines in it) and, when the old Chinese script has a dialog of
/// that name, by "=== " with its script and lines and the last such dialog whole. An empty line
/// follows each dialog; the last line counts those carried over, new, changed, not translated.
std::u16string DescribeChanges(NamedScript oldEnglish, NamedScript oldChinese, NamedScript newEnglish,
                               const MatchResult& match);

} // namespace velb
