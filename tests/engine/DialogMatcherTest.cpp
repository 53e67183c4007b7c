// Matching: the indexed matcher against the nested scan it replaces, and what the user
// sees of it: the unreplaced list and the English bodies still to translate.

#include "DialogMatcher.h"
#include "NestedScan.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

#include <random>

namespace velb {
namespace {

using testing::cutScript;
using testing::RecordingView;
using testing::utf8;

MatchResult match(std::string_view oldEnglish, std::string_view oldChinese, std::string_view newEnglish,
                  OutputMode mode, LoadedScript (&scripts)[3]) {
    cutScript(oldEnglish, scripts[0]);
    cutScript(oldChinese, scripts[1]);
    cutScript(newEnglish, scripts[2]);
    RecordingView view;
    view.mode = mode;
    return MatchDialogs(scripts[0].dialogs, scripts[1].dialogs, scripts[2].dialogs, view);
}

constexpr std::string_view kOldEnglish = "A DIALOG FIXED IMPURE 0, 0, 1, 1\nCAPTION \"Open\"\nEND\n"
                                         "B DIALOG FIXED IMPURE 0, 0, 1, 1\nCAPTION \"Save\"\nEND\n"
                                         "C DIALOG FIXED IMPURE 0, 0, 1, 1\nEND\n";
constexpr std::string_view kOldChinese = "A DIALOG FIXED IMPURE 0, 0, 2, 2\nCAPTION \"開啟\"\nEND\n"
                                         "B DIALOG FIXED IMPURE 0, 0, 1, 1\nCAPTION \"存檔\"\nEND\n"
                                         "B DIALOG FIXED IMPURE 0, 0, 1, 1\nCAPTION \"儲存\"\nEND\n";
// A unchanged; B changed in its header line; C unchanged but never translated; D new.
constexpr std::string_view kNewEnglish = "A DIALOG FIXED IMPURE 0, 0, 1, 1\nCAPTION \"Open\"\nEND\n"
                                         "B DIALOG FIXED IMPURE 0, 0, 1, 9\nCAPTION \"Save\"\nEND\n"
                                         "C DIALOG FIXED IMPURE 0, 0, 1, 1\nEND\n"
                                         "D DIALOG FIXED IMPURE\nEND\n";

TEST(MatchDialogs, SeparateModeTakesTheChineseBodyWholeAndCollectsTheRest) {
    LoadedScript scripts[3];
    const MatchResult result = match(kOldEnglish, kOldChinese, kNewEnglish, OutputMode::Separate, scripts);
    ASSERT_EQ(result.replacementTable.size(), 4u);
    // The Chinese header line differs from the English one and is taken all the same.
    EXPECT_EQ(utf8(result.replacementTable[0]), "A DIALOG FIXED IMPURE 0, 0, 2, 2\r\nCAPTION \"開啟\"\r\nEND\r\n");
    EXPECT_TRUE(result.replacementTable[1].empty());
    EXPECT_TRUE(result.replacementTable[2].empty());
    EXPECT_TRUE(result.replacementTable[3].empty());
    EXPECT_EQ(utf8(result.unreplacedList), "B  →未替換\r\nC  →未替換\r\nD  →未替換\r\n");
    ASSERT_EQ(result.untranslated.size(), 3u);
    EXPECT_EQ(utf8(result.untranslated[2]), "D DIALOG FIXED IMPURE\r\nEND\r\n");
}

TEST(MatchDialogs, MergedModeKeepsTheEnglishBodyOfUnreplacedDialogs) {
    LoadedScript scripts[3];
    const MatchResult result = match(kOldEnglish, kOldChinese, kNewEnglish, OutputMode::Merged, scripts);
    EXPECT_EQ(result.replacementTable[1], scripts[2].dialogs[1].body);
    EXPECT_EQ(result.replacementTable[3], scripts[2].dialogs[3].body);
    EXPECT_TRUE(result.untranslated.empty());
}

TEST(MatchDialogs, LaterChineseDialogOfTheSameNameWins) {
    LoadedScript scripts[3];
    const MatchResult result = match(kOldEnglish, kOldChinese, kOldEnglish, OutputMode::Separate, scripts);
    EXPECT_EQ(utf8(result.replacementTable[1]), "B DIALOG FIXED IMPURE 0, 0, 1, 1\r\nCAPTION \"儲存\"\r\nEND\r\n");
}

// Random tables drawn from few names and bodies, so that repeats and near-misses abound.
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

TEST(MatchDialogs, AgreesWithTheNestedScanOnRandomTables) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        LoadedScript scripts[3];
        const MatchResult result = match(randomScript(random, 12, false), randomScript(random, 8, true),
                                         randomScript(random, 12, false), OutputMode::Separate, scripts);
        const auto expected = reference::NestedScan(scripts[0].dialogs, scripts[1].dialogs, scripts[2].dialogs);
        ASSERT_EQ(result.replacementTable, expected) << "round " << round;
    }
}

} // namespace
} // namespace velb
