#pragma once
// Some English edits touch only what surrounds the words: the access key moves to another
// letter, a final period comes or goes, a colon or an ellipsis is added, letters change case.
// The translator mirrors such an edit in kind, and so can we: the key stands as "(&M)" after the
// Chinese words, a final "." is a "。". Only what can be mirrored exactly is; anything else is
// left for the translator.

#include <optional>
#include <string>
#include <string_view>

namespace velb {

/// The old translation edited as oldEnglish was edited into newEnglish, when that edit is one
/// of those above; nothing when it is not, or when the translation does not show the shape the
/// edit needs. The texts are the insides of string literals.
std::optional<std::u16string> mirrorSmallEdit(std::u16string_view oldEnglish, std::u16string_view newEnglish,
                                              std::u16string_view oldChinese);

} // namespace velb
