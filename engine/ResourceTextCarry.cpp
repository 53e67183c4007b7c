#include "ResourceTextCarry.h"

#include "OldDialogs.h"
#include "ResourceTexts.h"

#include <algorithm>
#include <unordered_map>

namespace velb {

namespace {

// A script's lines, with those of its dialogs marked.
struct ScriptText {
    explicit ScriptText(const LoadedScript& loaded) : lines(loaded.script) {
        const ResourceScript& script = loaded.script;
        inDialog.assign(static_cast<std::size_t>(script.lineCount()), false);
        for (const Dialog& dialog : loaded.dialogs) {
            const int first = script.lineOf(dialog.body) - 1;
            const auto count = static_cast<int>(std::count(dialog.body.begin(), dialog.body.end(), u'\n'));
            std::fill_n(inDialog.begin() + first, count, true);
        }
    }
    ScriptLines lines;
    std::vector<bool> inDialog;
};

using TextsByKey = std::unordered_map<std::u16string_view, const ResourceText*>;

TextsByKey byKey(const std::vector<ResourceText>& texts) {
    TextsByKey keyed;
    for (const ResourceText& text : texts)
        keyed.emplace(text.key, &text);
    return keyed;
}

StringNote noteOf(StringNote::Kind kind, const ResourceText& text, std::u16string from, std::u16string to) {
    return {kind, text.label, text.literal.line, std::move(from), std::move(to)};
}

} // namespace

OutsideCarry carryOutsideDialogs(const LoadedScript& oldEnglish, const LoadedScript& oldChinese,
                                 const LoadedScript& newEnglish) {
    const ScriptText oldEnglishLines(oldEnglish), oldChineseLines(oldChinese), english(newEnglish);
    const std::vector<ResourceText> oldEnglishTexts =
        readResourceTexts(oldEnglishLines.lines, oldEnglishLines.inDialog, false);
    const std::vector<ResourceText> oldChineseTexts =
        readResourceTexts(oldChineseLines.lines, oldChineseLines.inDialog, false);
    const TextsByKey oldEnglishByKey = byKey(oldEnglishTexts), oldChineseByKey = byKey(oldChineseTexts);

    // The renderings of the string tables and menus alone: reading every old dialog again for
    // them would cost more than all the rest, for texts the dialogs seldom share.
    const OldDialogs noDialogs;
    TranslationMemory memory(noDialogs);
    for (const ResourceText& text : oldEnglishTexts) {
        const auto chinese = oldChineseByKey.find(text.key);
        const bool literal = text.kind == ResourceText::Kind::StringEntry || text.kind == ResourceText::Kind::MenuItem;
        if (literal && text.literal.isString && chinese != oldChineseByKey.end() && chinese->second->literal.isString)
            memory.add(text.literal.text, chinese->second->literal.text);
    }

    OutsideCarry carry;
    for (const ResourceText& text : readResourceTexts(english.lines, english.inDialog, true)) {
        const auto oldText = oldEnglishByKey.find(text.key);
        const auto chinese = oldChineseByKey.find(text.key);
        const bool paired = oldText != oldEnglishByKey.end() && chinese != oldChineseByKey.end();
        if (text.kind == ResourceText::Kind::Language || text.kind == ResourceText::Kind::CodePage) {
            // The line that tells the compiler what the text is, where the English one stayed.
            if (paired && oldText->second->literal.text == text.literal.text &&
                chinese->second->literal.text != text.literal.text) {
                carry.edits.push_back(
                    replacing(text.literal, english.lines, std::u16string(chinese->second->literal.text)));
                carry.notes.push_back(noteOf(StringNote::Kind::TakenFromChinese, text,
                                             std::u16string(text.literal.text),
                                             std::u16string(chinese->second->literal.text)));
                ++carry.linesTaken;
            }
            continue;
        }
        const bool entry = text.kind == ResourceText::Kind::StringEntry;
        if (!text.literal.isString || insideQuotes(text.literal.text).empty())
            continue;
        const bool pairedLiterals = paired && oldText->second->literal.isString && chinese->second->literal.isString;
        const std::optional<CarriedText> carried =
            carryText(text.literal.text, pairedLiterals ? oldText->second->literal.text : std::u16string_view(),
                      pairedLiterals ? chinese->second->literal.text : std::u16string_view(), memory);
        if (!carried) {
            ++(entry ? carry.entriesLeft : carry.itemsLeft);
            carry.notes.push_back(noteOf(StringNote::Kind::LeftInEnglish, text, {}, std::u16string(text.literal.text)));
            continue;
        }
        ++(entry ? carry.entriesCarried : carry.itemsCarried);
        if (carried->byEdit) {
            ++carry.byEdit;
            carry.notes.push_back(noteOf(StringNote::Kind::CarriedByEdit, text,
                                         std::u16string(chinese->second->literal.text), carried->literal));
        }
        if (carried->literal != text.literal.text)
            carry.edits.push_back(replacing(text.literal, english.lines, carried->literal));
    }
    return carry;
}

} // namespace velb
