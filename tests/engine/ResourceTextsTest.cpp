// The texts outside the dialogs as the reader finds them in our complete scripts, in English
// and translated: each with its kind, key, label, literal and place, compared with a file.

#include "ResourceTexts.h"
#include "Golden.h"
#include "LineEdits.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

TEST(ReadResourceTexts, FindsEveryEntryItemAndLanguageLineWithItsKey) {
    std::vector<std::string> seen;
    for (const char* name : {"compile/new_en.rc", "compile/old_zh.rc", "strings/new_en.rc", "texts.rc"}) {
        ResourceScript script;
        testing::QuietView view;
        testing::StringFile file(testing::fileBytes(std::filesystem::path(VELB_TEST_DATA) / name));
        loadLines(file, testing::big5(), script, view);
        seen.push_back(std::string("== ") + name);
        const std::vector<bool> noDialogs(static_cast<std::size_t>(script.lineCount()), false);
        for (const ResourceText& text : readResourceTexts(ScriptLines(script), noDialogs, true)) {
            seen.push_back(std::to_string(static_cast<int>(text.kind)) + " " + toUtf8(text.key) + " | " +
                           toUtf8(text.label) + " | " + toUtf8(text.literal.text) + " | line " +
                           std::to_string(text.literal.line) + "-" + std::to_string(text.literal.lastLine) +
                           " column " + std::to_string(text.literal.column));
        }
    }
    EXPECT_EQ(testing::joinedLines(seen),
              testing::golden(std::filesystem::path(VELB_TEST_DATA) / "golden/resource_texts.txt",
                              testing::joinedLines(seen)));
}

} // namespace
} // namespace velb
