// The names of a separate pair, and the report's counts and place. The text of the outputs is
// checked byte for byte against golden files in the batch tests.

#include "OutputWriter.h"
#include "Report.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

TEST(WriteOutput, SeparatePairIsNamedAfterTheFileNameUpToItsFirstRc) {
    // Output path, and the name both files share; a folder's ".rc" is not cut.
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"/out/new.rc", u"/out/new"},
        {u"/OUT/NEW.RC", u"/OUT/NEW"},
        {u"/my.rcfiles/new.rc", u"/my.rcfiles/new"},
        {u"/my.rcfiles/out", u"/my.rcfiles/out"},
        {u"/.rc", u"/"},
        {u"new.Rc.bak", u"new"},
        {u"v1.2.rcb.rc", u"v1.2"},
    };
    LoadedScript script;
    testing::cutScript("", script);
    for (const auto& [output, base] : cases) {
        testing::MemoryFileSystem files;
        std::vector<std::filesystem::path> written;
        writeOutput(script, MatchResult{}, output, files, written, testing::big5());
        EXPECT_EQ(written, (std::vector<std::filesystem::path>{base + u"_已翻譯.rc", base + u"_未翻譯.rc"}));
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
