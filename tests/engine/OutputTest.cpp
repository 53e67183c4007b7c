// Output names and the report text.

#include "OutputWriter.h"
#include "Report.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

using testing::utf8;

struct NameCase {
    const char16_t* outputPath;
    const char16_t* translated;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << utf8(c.outputPath);
}

class SeparateName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SeparateName, CutsTheFileNameAtItsFirstRc) {
    EXPECT_EQ(SeparateOutputName(GetParam().outputPath, u"_已翻譯.rc"), GetParam().translated);
}

INSTANTIATE_TEST_SUITE_P(Paths, SeparateName,
                         ::testing::Values(NameCase{u"/out/new.rc", u"/out/new_已翻譯.rc"},
                                           NameCase{u"/OUT/NEW.RC", u"/OUT/NEW_已翻譯.rc"},
                                           NameCase{u"/tmp/my.rcfiles/new.rc", u"/tmp/my.rcfiles/new_已翻譯.rc"},
                                           NameCase{u"/tmp/my.rcfiles/out", u"/tmp/my.rcfiles/out_已翻譯.rc"},
                                           NameCase{u"out", u"out_已翻譯.rc"}, NameCase{u".rc", u"_已翻譯.rc"},
                                           NameCase{u"new.Rc.bak", u"new_已翻譯.rc"},
                                           NameCase{u"a.rcb.rc", u"a_已翻譯.rc"}));

TEST(Report, MatchesTheWorkedExample) {
    EXPECT_EQ(utf8(ReportText(120, 118, u"IDD_ABOUT  →未替換\r\nIDD_OPTIONS  →未替換\r\n")),
              "Velbrix 替換報告 v1.1\r\n"
              "-------------------------------------------\r\n"
              "舊版英文讀入: 120 個\r\n"
              "舊版中文讀入: 118 個\r\n"
              "\r\n"
              "實際用於比對: 118 個，無法使用: 2 個\r\n"
              "\r\n"
              "除了某些對話框外，其餘皆替換成功!\r\n"
              "\r\n"
              "以下為詳細清單: \r\n"
              "\r\n"
              "IDD_ABOUT  →未替換\r\n"
              "IDD_OPTIONS  →未替換\r\n"
              "\r\n"
              "如果您有任何問題，請來信 velbrix@example.com");
}

TEST(Report, CountsAreNotNarrowed) {
    const std::string text = utf8(ReportText(40000, 50000, u""));
    EXPECT_NE(text.find("實際用於比對: 40000 個，無法使用: 10000 個\r\n"), std::string::npos);
    EXPECT_NE(text.find("以下為詳細清單: \r\n\r\n\r\n如果您"), std::string::npos);
}

} // namespace
} // namespace velb
