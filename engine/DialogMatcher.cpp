#include "DialogMatcher.h"

#include <unordered_map>
#include <unordered_set>

namespace velb {

namespace {
constexpr std::u16string_view kMatchingCaption = u"比對替換製作中...";
constexpr std::u16string_view kUnreplacedMark = u" →未替換\r\n";
} // namespace

MatchResult MatchDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese, const DialogTable& newEnglish,
                         RunView& view) {
    MatchResult result;
    result.replacementTable.assign(newEnglish.size(), {});
    view.setBarMaximum(Bar::Matching, static_cast<int>(newEnglish.size()));
    view.setStatus(kMatchingCaption);
    result.mode = view.readOutputMode();

    // A body begins with its header line, and the name is read off the header line, so two
    // dialogs with equal bodies have equal names: the body alone identifies an unchanged
    // dialog. Of several Chinese dialogs of one name, the last one is taken.
    const std::unordered_set<std::u16string_view> unchangedBodies = [&oldEnglish] {
        std::unordered_set<std::u16string_view> bodies;
        for (const Dialog& dialog : oldEnglish)
            bodies.insert(dialog.body);
        return bodies;
    }();
    std::unordered_map<std::u16string_view, std::u16string_view> translationOf;
    for (const Dialog& dialog : oldChinese)
        translationOf[dialog.name] = dialog.body;

    for (std::size_t i = 0; i < newEnglish.size(); ++i) {
        pumpOrStop(view);
        const Dialog& dialog = newEnglish[i];
        std::u16string_view& entry = result.replacementTable[i];
        if (unchangedBodies.contains(dialog.body)) {
            if (const auto translation = translationOf.find(dialog.name); translation != translationOf.end())
                entry = translation->second;
        }
        if (entry.empty()) {
            if (result.mode == OutputMode::Merged)
                entry = dialog.body;
            else
                result.untranslated.push_back(dialog.body);
            result.unreplacedList.append(dialog.name).append(kUnreplacedMark);
            view.setUnreplacedList(result.unreplacedList);
        }
        view.setBarPosition(Bar::Matching, static_cast<int>(i + 1));
    }
    return result;
}

} // namespace velb
