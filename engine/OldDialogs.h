#pragma once
// The previous release's dialogs looked up by name, the short key, as matching and the
// changes file both need them: the English bodies of each name, and the translation that
// stands for the name. Of several Chinese dialogs of one name, the last one is taken.

#include "ResourceScript.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace velb {

struct OldDialogs {
    /// Per name, the old English bodies of that name in file order.
    std::unordered_map<std::u16string_view, std::vector<std::u16string_view>> englishBodies;
    /// Per name, the body of the last old Chinese dialog of that name.
    std::unordered_map<std::u16string_view, std::u16string_view> translation;
};

OldDialogs indexOldDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese);

/// Whether an old English dialog has dialog's name and, character for character, its body.
bool isUnchanged(const OldDialogs& old, const Dialog& dialog);

/// Whether the last old English dialog of dialog's name, the one its translation stands for,
/// has its body.
bool isUnchangedFromLast(const OldDialogs& old, const Dialog& dialog);

} // namespace velb
