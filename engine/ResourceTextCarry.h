#pragma once
// Carrying the translation of the texts outside the dialogs: every string-table entry and
// menu item of the new script takes its Chinese text by the rules of the dialogs, and each
// LANGUAGE statement and code-page line the old Chinese one where the English line did not
// change, so that the carried text is compiled as what it is. Everything else outside the
// dialogs stays the new English script's, line for line.

#include "LineEdits.h"
#include "ResourceScript.h"
#include "StringCarry.h"

#include <vector>

namespace velb {

struct OutsideCarry {
    std::vector<Replacement> edits; ///< over the new script's lines, from 0
    std::vector<StringNote> notes;  ///< `line` from 0 in the new script
    int entriesCarried = 0, entriesLeft = 0;
    int itemsCarried = 0, itemsLeft = 0;
    int byEdit = 0;
    int linesTaken = 0; ///< LANGUAGE statements and code-page lines
};

/// The texts outside the dialogs of newEnglish, carried from the old scripts.
OutsideCarry carryOutsideDialogs(const LoadedScript& oldEnglish, const LoadedScript& oldChinese,
                                 const LoadedScript& newEnglish);

} // namespace velb
