// Matching against the plain nested scan it replaces, on random tables drawn from few names
// and bodies, so that repeats, near-misses and untranslated dialogs abound; in both output
// modes, with everything the matcher yields.

#include "DialogMatcher.h"
#include "NestedScan.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

#include <random>

namespace velb {
namespace {

std::string randomScript(std::mt19937& random, int dialogs, bool chinese) {
    std::uniform_int_distribution<int> pick(0, 4);
    std::string text = "// head\n";
    for (int i = 0; i < dialogs; ++i) {
        text +=
            "ID" + std::to_string(pick(random)) + " DIALOG FIXED IMPURE 0, 0, " + std::to_string(pick(random)) + "\n";
        text += chinese ? "CAPTION \"中文\"\n" : "CAPTION \"" + std::to_string(pick(random) % 2) + "\"\n";
        text += "END\n";
    }
    return text;
}

TEST(MatchDialogs, AgreesWithTheNestedScanInBothModes) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        LoadedScript oldEnglish, oldChinese, newEnglish;
        testing::cutScript(randomScript(random, 12, false), oldEnglish);
        testing::cutScript(randomScript(random, 8, true), oldChinese);
        testing::cutScript(randomScript(random, 12, false), newEnglish);
        const auto replaced = reference::nestedScan(oldEnglish.dialogs, oldChinese.dialogs, newEnglish.dialogs);
        for (const OutputMode mode : {OutputMode::Separate, OutputMode::Merged}) {
            auto expected = replaced;
            std::vector<std::u16string_view> untranslated;
            std::u16string list;
            std::vector<std::size_t> unreplaced;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                if (!expected[i].empty())
                    continue;
                unreplaced.push_back(i);
                (mode == OutputMode::Merged ? expected[i] : untranslated.emplace_back()) = newEnglish.dialogs[i].body;
                list.append(newEnglish.dialogs[i].name).append(u" →未替換\r\n");
            }
            testing::QuietView view;
            const MatchResult result = MatchDialogs(oldEnglish.dialogs, oldChinese.dialogs, newEnglish.dialogs, mode,
                                                    Carrying::WholeDialogs, view);
            ASSERT_EQ(result.replacementTable, expected) << "round " << round;
            ASSERT_EQ(result.untranslated, untranslated) << "round " << round;
            ASSERT_EQ(result.unreplacedList, list) << "round " << round;
            ASSERT_EQ(result.unreplaced, unreplaced) << "round " << round;
            ASSERT_EQ(result.mode, mode);
            ASSERT_EQ(view.pumps, static_cast<int>(newEnglish.dialogs.size()));
        }
    }
}

} // namespace
} // namespace velb
