#pragma once
// Carrying a translation string by string into a dialog that changed. The new dialog is read
// as statements and paired with the previous release's English and Chinese dialogs of its
// name; each statement is then written from the new English one, taking the old Chinese text
// where the English text stayed the same, the one Chinese rendering the old scripts give a
// string, or the old text with a small English edit mirrored, and the old Chinese rectangle
// where the English one stayed the same. A statement the English left untouched is the
// translator's own, copied from the Chinese dialog as it stands.

#include "ResourceScript.h"
#include "TranslationMemory.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velb {

/// What the translator should know of one string or control of a dialog carried so.
struct StringNote {
    enum class Kind {
        LeftInEnglish,      ///< no translation was found: `to` is the English text
        CarriedByEdit,      ///< a small English edit mirrored: `from` the old Chinese, `to` the new
        EnglishCoordinates, ///< the English rectangle changed, so the Chinese one was not kept
        TakenFromChinese,   ///< a LANGUAGE or code-page line: `from` the English, `to` the Chinese
    };
    Kind kind;
    std::u16string control; ///< the control's ID, CAPTION, or the dialog's name for its header
    int line;               ///< from 0, within the new English dialog
    std::u16string from;
    std::u16string to;
};

struct CarriedDialog {
    std::u16string text; ///< the dialog's lines, each followed by CR LF
    std::vector<StringNote> notes;
    int stringsCarried = 0;
    int stringsLeft = 0;
};

/// A translation found for a new English literal, and whether a small edit was mirrored for it.
struct CarriedText {
    std::u16string literal;
    bool byEdit = false;
};

/// The Chinese literal for the new English literal: the old Chinese one where the English did
/// not change, else the one rendering the memory has, else the old Chinese one with a small
/// English edit mirrored; nothing when none is found. The old literals are those paired with
/// it, empty when it has none.
std::optional<CarriedText> carryText(std::u16string_view english, std::u16string_view oldEnglish,
                                     std::u16string_view oldChinese, TranslationMemory& memory);

/// A literal's text between its quotes.
std::u16string_view insideQuotes(std::u16string_view literal);

struct DialogTriple;

/// A new English dialog read and paired with the old dialogs of its name, to be carried.
class StringCarrier {
public:
    /// newEnglish with the bodies of its name in the old scripts.
    StringCarrier(const Dialog& newEnglish, std::u16string_view oldEnglish, std::u16string_view oldChinese);
    ~StringCarrier();

    /// The dialog with the old translation carried into it string by string.
    CarriedDialog carry(TranslationMemory& memory) const;

private:
    const Dialog* m_dialog;
    std::unique_ptr<DialogTriple> m_triple;
};

} // namespace velb
