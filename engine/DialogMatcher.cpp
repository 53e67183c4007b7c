#include "DialogMatcher.h"

#include "OldDialogs.h"

namespace velb {

namespace {
constexpr std::u16string_view kMatchingCaption = u"比對替換製作中...";
constexpr std::u16string_view kUnreplacedMark = u" →未替換\r\n";
} // namespace

MatchResult MatchDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese, const DialogTable& newEnglish,
                         OutputMode mode, ProgressView& view) {
    MatchResult result;
    result.mode = mode;
    result.replacementTable.assign(newEnglish.size(), {});
    view.setBarMaximum(Bar::Matching, static_cast<int>(newEnglish.size()));
    view.setStatus(kMatchingCaption);

    const OldDialogs old = indexOldDialogs(oldEnglish, oldChinese);

    for (std::size_t i = 0; i < newEnglish.size(); ++i) {
        pumpOrStop(view);
        const Dialog& dialog = newEnglish[i];
        std::u16string_view& entry = result.replacementTable[i];
        if (isUnchanged(old, dialog)) {
            if (const auto translation = old.translation.find(dialog.name); translation != old.translation.end())
                entry = translation->second;
        }
        if (entry.empty()) {
            if (result.mode == OutputMode::Merged)
                entry = dialog.body;
            else
                result.untranslated.push_back(dialog.body);
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
