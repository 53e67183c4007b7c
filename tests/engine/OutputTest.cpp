// The names of a separate pair, and the report's counts and place. The text of the outputs is
// checked byte for byte against golden files in the batch tests.

#include "Golden.h"
#include "OutputWriter.h"
#include "Report.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

// The cases stand in tests/data/output_names.txt.
TEST(WriteOutput, SeparatePairIsNamedAfterTheFileNameUpToItsFirstRc) {
    const auto cases = testing::tableRows(std::filesystem::path(VELB_TEST_DATA) / "output_names.txt");
    ASSERT_FALSE(cases.empty());
    LoadedScript script;
    testing::cutScript("", script);
    for (const auto& c : cases) {
        testing::MemoryFileSystem files;
        std::vector<std::filesystem::path> written;
        writeOutput(script, MatchResult{}, testing::utf16(c.at(0)), files, written, testing::big5());
        EXPECT_EQ(written, (std::vector<std::filesystem::path>{testing::utf16(c.at(1)), testing::utf16(c.at(2))}));
    }
}

TEST(WriteReport, CountsAreNotNarrowedAndTheFileGoesToTheCurrentDirectory) {
    testing::MemoryFileSystem files;
    const auto path = writeReport(40000, 50000, u"", files, testing::big5());
    EXPECT_EQ(path, std::filesystem::path(u"/home/translator/Velb報告.txt"));
    EXPECT_NE(files.files[path].find(testing::big5Bytes("實際用於比對: 40000 個，無法使用: 10000 個\r\n")),
              std::string::npos);
}

} // namespace
} // namespace velb
