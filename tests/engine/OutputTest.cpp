// The names of a separate pair, and the report's counts and place. The text of the outputs is
// checked byte for byte against golden files in the batch tests.

#include "OutputWriter.h"
#include "Report.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

using testing::big5;

TEST(WriteOutput, SeparatePairIsNamedAfterTheFileNameUpToItsFirstRc) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"/out/new.rc", u"/out/new"},
        {u"/OUT/NEW.RC", u"/OUT/NEW"},
        {u"/tmp/my.rcfiles/new.rc", u"/tmp/my.rcfiles/new"}, // a folder's ".rc" is not cut
        {u"/tmp/my.rcfiles/out", u"/tmp/my.rcfiles/out"},
        {u".rc", u""},
        {u"new.Rc.bak", u"new"},
        {u"a.rcb.rc", u"a"},
    };
    LoadedScript script;
    testing::cutScript("", script);
    for (const auto& [output, base] : cases) {
        testing::MemoryFileSystem files;
        const auto written = writeOutput(script, MatchResult{}, output, files, big5());
        EXPECT_EQ(written, (std::vector<std::filesystem::path>{base + u"_已翻譯.rc", base + u"_未翻譯.rc"}));
        EXPECT_EQ(files.writes, written);
    }
}

TEST(WriteReport, CountsAreNotNarrowedAndTheFileGoesToTheCurrentDirectory) {
    testing::MemoryFileSystem files;
    const auto path = writeReport(40000, 50000, u"IDD_A  →未替換\r\n", files, big5());
    EXPECT_EQ(path, std::filesystem::path(u"/work/Velb報告.txt"));
    EXPECT_EQ(files.files[path], testing::big5Bytes("Velbrix 替換報告 v1.1\r\n"
                                                    "-------------------------------------------\r\n"
                                                    "舊版英文讀入: 40000 個\r\n"
                                                    "舊版中文讀入: 50000 個\r\n"
                                                    "\r\n"
                                                    "實際用於比對: 40000 個，無法使用: 10000 個\r\n"
                                                    "\r\n"
                                                    "除了某些對話框外，其餘皆替換成功!\r\n"
                                                    "\r\n"
                                                    "以下為詳細清單: \r\n"
                                                    "\r\n"
                                                    "IDD_A  →未替換\r\n"
                                                    "\r\n"
                                                    "如果您有任何問題，請來信 velbrix@example.com"));
}

} // namespace
} // namespace velb
