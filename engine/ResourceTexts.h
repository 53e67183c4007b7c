#pragma once
// The texts a translator translates outside the dialogs: the entries of the string tables,
// the items of the menus, and the script's LANGUAGE statements and code-page lines. Each is
// keyed so that it can be found in another release of the script: a string-table entry by its
// ID, a menu item by its menu, its ID and the occurrence of that ID there, a popup or an item
// without an ID by its menu and its place in the menu's tree, a LANGUAGE statement or a
// code-page line by its order in the script. Like the dialog reader, the reader is total:
// what it cannot read it passes over, and the lines are never touched.

#include "RcTokens.h"

#include <string>
#include <string_view>
#include <vector>

namespace velb {

struct ResourceText {
    enum class Kind { StringEntry, MenuItem, Language, CodePage };
    Kind kind;
    std::u16string key;   ///< what pairs it with its kin in another release
    std::u16string label; ///< what the translator knows it by: its ID, or its menu path; when asked for
    Token literal;        ///< the text of an entry or item; for the others, the whole line
};

/// The texts of a script's lines, passing over the lines marked as inside a dialog; with their
/// labels when `labelled`.
std::vector<ResourceText> readResourceTexts(const Lines& lines, const std::vector<bool>& inDialog, bool labelled);

} // namespace velb
