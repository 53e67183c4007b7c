#include "DialogMatcher.h"

#include "OldDialogs.h"
#include "StatusCaptions.h"

namespace velb {

namespace {
constexpr std::u16string_view kUnreplacedMark = u" →未替換\r\n";

// Which dialogs are carried string by string: those not carried whole of which both old
// scripts have a dialog of their name (the last of each name, as whole dialogs are matched).
// Their texts are told to the memory first, so that it reads the old dialogs once for all.
std::vector<bool> askForStrings(const OldDialogs& old, const DialogTable& newEnglish, TranslationMemory& memory) {
    std::vector<bool> byStrings(newEnglish.size(), false);
    for (std::size_t i = 0; i < newEnglish.size(); ++i) {
        const Dialog& dialog = newEnglish[i];
        byStrings[i] = old.englishBodies.contains(dialog.name) && old.translation.contains(dialog.name) &&
                       !isUnchangedFromLast(old, dialog);
        if (byStrings[i])
            memory.askTextsOf(dialog.body);
    }
    return byStrings;
}

} // namespace

MatchResult MatchDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese, const DialogTable& newEnglish,
                         OutputMode mode, Carrying carrying, ProgressView& view) {
    MatchResult result;
    result.mode = mode;
    result.carrying = carrying;
    result.replacementTable.assign(newEnglish.size(), {});
    view.setBarMaximum(Bar::Matching, static_cast<int>(newEnglish.size()));
    view.setStatus(status::kMatching);

    const OldDialogs old = indexOldDialogs(oldEnglish, oldChinese);
    TranslationMemory memory(old);
    std::vector<bool> byStrings;
    if (carrying == Carrying::Strings)
        byStrings = askForStrings(old, newEnglish, memory);

    for (std::size_t i = 0; i < newEnglish.size(); ++i) {
        pumpOrStop(view);
        const Dialog& dialog = newEnglish[i];
        std::u16string_view& entry = result.replacementTable[i];
        // Carrying strings, a dialog is taken whole only from the translation of its own English
        // body; where an earlier dialog of its name matches, its strings are carried instead.
        const bool unchanged =
            carrying == Carrying::Strings ? isUnchangedFromLast(old, dialog) : isUnchanged(old, dialog);
        if (unchanged) {
            if (const auto translation = old.translation.find(dialog.name); translation != old.translation.end())
                entry = translation->second;
        }
        std::u16string_view english = dialog.body;
        if (entry.empty() && carrying == Carrying::Strings && byStrings[i]) {
            const StringCarrier carrier(dialog, old.englishBodies.at(dialog.name).back(),
                                        old.translation.at(dialog.name));
            result.stringCarried.push_back({i, carrier.carry(memory)});
            const CarriedDialog& carried = result.stringCarried.back().dialog;
            if (carried.stringsLeft == 0)
                entry = carried.text;
            else
                english = carried.text;
        }
        if (entry.empty()) {
            if (result.mode == OutputMode::Merged)
                entry = english;
            else
                result.untranslated.push_back(english);
            result.unreplaced.push_back(i);
            const std::size_t lineStart = result.unreplacedList.size();
            result.unreplacedList.append(dialog.name).append(kUnreplacedMark);
            view.addUnreplaced(std::u16string_view(result.unreplacedList).substr(lineStart));
        }
        view.setBarPosition(Bar::Matching, static_cast<int>(i + 1));
    }
    return result;
}

} // namespace velb
