// The conversion must give back every byte it was given, whatever the bytes are.

#include "CodePage.h"

#include <gtest/gtest.h>

#include <random>

namespace velb {
namespace {

const CodePage& big5() {
    static const CodePage codePage("CP950");
    return codePage;
}

TEST(CodePage, DecodesBig5AndEncodesItBack) {
    const std::string bytes = "\xB4\x4E\xB3\xF8\xA7\x69 OK"; // 就報告 OK
    EXPECT_EQ(big5().decode(bytes), u"就報告 OK");
    EXPECT_EQ(big5().encode(u"就報告 OK"), bytes);
}

TEST(CodePage, TrailBytesNeverReadAsLetters) {
    // B4 45 is one character; its trail byte 'E' must not surface as a letter.
    const std::u16string text = big5().decode("\xB4\x45ND");
    EXPECT_EQ(text.size(), 3u);
    EXPECT_NE(text, u"END");
    EXPECT_EQ(text.substr(1), u"ND");
}

TEST(CodePage, UndecodablePairIsEscapedWholeAndKept) {
    // FA 40 lies in the user-defined area, which the converter refuses.
    const std::string bytes = "A\xFA\x40Z\xFF";
    const std::u16string text = big5().decode(bytes);
    EXPECT_EQ(text, (std::u16string{u'A', 0xDCFA, 0xDC40, u'Z', 0xDCFF}));
    EXPECT_EQ(big5().encode(text), bytes);
}

TEST(CodePage, RandomBytesSurviveTheRoundTrip) {
    std::mt19937 random(20261206);
    // Mostly high bytes, so lead and trail bytes meet in every combination.
    std::uniform_int_distribution<int> length(0, 64);
    std::uniform_int_distribution<int> byte(0, 255);
    std::bernoulli_distribution high(0.7);
    for (int round = 0; round < 20000; ++round) {
        std::string bytes(static_cast<std::size_t>(length(random)), '\0');
        for (char& b : bytes)
            b = static_cast<char>(high(random) ? 0x80 | byte(random) : byte(random) & 0x7F);
        ASSERT_EQ(big5().encode(big5().decode(bytes)), bytes) << "round " << round;
    }
}

TEST(CodePage, CharacterOutsideTheCodePageBecomesQuestionMark) {
    EXPECT_EQ(big5().encode(u"a\u0E01b"), "a?b"); // a Thai letter has no Big5 bytes
}

} // namespace
} // namespace velb
