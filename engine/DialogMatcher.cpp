#include "DialogMatcher.h"

#include "OldDialogs.h"

#include <optional>

namespace velb {

namespace {
constexpr std::u16string_view kMatchingCaption = u"比對替換製作中...";
constexpr std::u16string_view kUnreplacedMark = u" →未替換\r\n";

// The dialog read and paired for carrying string by string, when it is to be carried so.
std::optional<StringCarrier> carrierOf(const OldDialogs& old, const Dialog& dialog) {
    const auto english = old.englishBodies.find(dialog.name);
    const auto chinese = old.translation.find(dialog.name);
    if (english == old.englishBodies.end() || chinese == old.translation.end() || isUnchangedFromLast(old, dialog))
        return std::nullopt;
    return StringCarrier(dialog, english->second.back(), chinese->second);
}

// Which dialogs are carried string by string: those not carried whole of which both old
// scripts have a dialog of their name (the last of each name, as whole dialogs are matched).
// Each is read once first to tell the memory what it will ask, so that the memory reads the
// old dialogs once; it is read again when carried, as holding every one read would cost more
// memory than reading twice costs time.
std::vector<bool> askForStrings(const OldDialogs& old, const DialogTable& newEnglish, TranslationMemory& memory,
                                ProgressView& view) {
    std::vector<bool> byStrings(newEnglish.size(), false);
    for (std::size_t i = 0; i < newEnglish.size(); ++i) {
        pumpOrStop(view);
        if (const std::optional<StringCarrier> carrier = carrierOf(old, newEnglish[i])) {
            carrier->askMemory(memory);
            byStrings[i] = true;
        }
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
    view.setStatus(kMatchingCaption);

    const OldDialogs old = indexOldDialogs(oldEnglish, oldChinese);
    TranslationMemory memory(old);
    std::vector<bool> byStrings;
    if (carrying == Carrying::Strings)
        byStrings = askForStrings(old, newEnglish, memory, view);

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
            result.stringCarried.push_back({i, carrierOf(old, dialog)->carry(memory)});
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
