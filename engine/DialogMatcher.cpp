#include "DialogMatcher.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace velb {

namespace {
constexpr std::u16string_view kMatchingCaption = u"比對替換製作中...";
constexpr std::u16string_view kUnreplacedMark = u" →未替換\r\n";

// Equality of whole bodies, compared as bytes: the character-by-character compare of
// u16string_view is several times slower on bodies of thousands of characters.
bool sameText(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}
} // namespace

MatchResult MatchDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese, const DialogTable& newEnglish,
                         OutputMode mode, ProgressView& view) {
    MatchResult result;
    result.mode = mode;
    result.replacementTable.assign(newEnglish.size(), {});
    view.setBarMaximum(Bar::Matching, static_cast<int>(newEnglish.size()));
    view.setStatus(kMatchingCaption);

    // Old dialogs are looked up by name, the short key, and only the bodies of equal names
    // are compared. Of several Chinese dialogs of one name, the last one is taken.
    std::unordered_map<std::u16string_view, std::vector<std::u16string_view>> oldBodiesByName;
    for (const Dialog& dialog : oldEnglish)
        oldBodiesByName[dialog.name].push_back(dialog.body);
    std::unordered_map<std::u16string_view, std::u16string_view> translationOf;
    for (const Dialog& dialog : oldChinese)
        translationOf[dialog.name] = dialog.body;

    auto isUnchanged = [&oldBodiesByName](const Dialog& dialog) {
        const auto old = oldBodiesByName.find(dialog.name);
        return old != oldBodiesByName.end() &&
               std::any_of(old->second.begin(), old->second.end(),
                           [&dialog](std::u16string_view body) { return sameText(body, dialog.body); });
    };

    for (std::size_t i = 0; i < newEnglish.size(); ++i) {
        pumpOrStop(view);
        const Dialog& dialog = newEnglish[i];
        std::u16string_view& entry = result.replacementTable[i];
        if (isUnchanged(dialog)) {
            if (const auto translation = translationOf.find(dialog.name); translation != translationOf.end())
                entry = translation->second;
        }
        if (entry.empty()) {
            if (result.mode == OutputMode::Merged)
                entry = dialog.body;
            else
                result.untranslated.push_back(dialog.body);
            const std::size_t lineStart = result.unreplacedList.size();
            result.unreplacedList.append(dialog.name).append(kUnreplacedMark);
            view.addUnreplaced(std::u16string_view(result.unreplacedList).substr(lineStart));
        }
        view.setBarPosition(Bar::Matching, static_cast<int>(i + 1));
    }
    return result;
}

} // namespace velb
