// The conversion must give back every byte it was given, whatever the bytes are.

#include "Golden.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

namespace velb {
namespace {

using testing::big5;

std::u16string decode(std::string_view bytes, const CodePage& codePage = big5()) {
    std::u16string text;
    codePage.decodeAppend(bytes, text);
    return text;
}

constexpr char16_t escaped(unsigned char byte) {
    return static_cast<char16_t>(0xDC00 | byte);
}

// FA and a trail byte, a character of the user-defined area: Windows decodes it to the private
// use area, and glibc's converter refuses it, so it is escaped as a pair.
#ifdef _WIN32
const auto userDefined = [](unsigned char, char16_t privateUse) { return std::u16string{privateUse}; };
#else
const auto userDefined = [](unsigned char trail, char16_t) { return std::u16string{escaped(0xFA), escaped(trail)}; };
#endif

TEST(CodePage, DecodesBig5AndEscapesAnUndecodablePairWholeSoItsTrailByteNeverReadsAsALetter) {
    // B4 45 is one character, whose trail byte 'E' must not surface. FA is a lead byte of the
    // user-defined area, which has trail bytes 40..7E and A1..FE; a byte outside those ranges
    // stands on its own.
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xB4\x4E\xB3\xF8 OK", u"就報 OK"},          {"\xB4\x45ND", u"媧ND"},
        {"\xFA\x40", userDefined(0x40, 0xE000)},      {"\xFA\x7E", userDefined(0x7E, 0xE03E)},
        {"\xFA\xA1", userDefined(0xA1, 0xE03F)},      {"\xFA\xFE", userDefined(0xFE, 0xE09C)},
        {"\xFA\x3F", {escaped(0xFA), u'?'}},          {"\xFA\x7F", {escaped(0xFA), u'\x7F'}},
        {"\xFA\xFF", {escaped(0xFA), escaped(0xFF)}}, {"\xFA", {escaped(0xFA)}},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(decode(bytes), text) << ::testing::PrintToString(bytes);
        EXPECT_EQ(big5().encode(text), bytes);
    }
    EXPECT_EQ(big5().encode(u"a\u0E01b"), "a?b");       // a Thai letter has no Big5 bytes
    EXPECT_THROW(CodePage(54936), UnsupportedCodePage); // GB18030 runs to four bytes
}

TEST(CodePage, Utf8TakesCharactersOfEveryLengthAndEscapesEachByteOfWhatIsNoCharacter) {
    const CodePage utf8(kUtf8CodePage);
    // An overlong form, an encoded surrogate, a lone continuation byte and a cut-off character.
    const std::pair<std::string, std::u16string> cases[] = {
        {"IDD_\xE9\x96\x8B \xF0\x9F\x98\x80\xC3\xA9", u"IDD_開 \U0001F600é"},
        {"a\xC0\x80"
         "b",
         {u'a', escaped(0xC0), escaped(0x80), u'b'}},
        {"\xED\xA0\x80\xE9\x96\x8B", {escaped(0xED), escaped(0xA0), escaped(0x80), u'開'}},
        {"\x80\xE9\x96", {escaped(0x80), escaped(0xE9), escaped(0x96)}},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(decode(bytes, utf8), text) << ::testing::PrintToString(bytes);
        EXPECT_EQ(utf8.encode(text), bytes);
    }
    EXPECT_EQ(utf8.encode(u"a\xD800"
                          u"b"),
              "a?b"); // a lone half that is no escape
}

std::string testData(const std::string& name) {
    return testing::fileBytes(std::filesystem::path(VELB_TEST_DATA) / "codepage" / name);
}

TEST(CodePage, ScriptLinesDecodeAsTheirTextFileSaysAndEncodeBack) {
    // Runs of ASCII of every length around double-byte characters, a trail byte that reads as a
    // letter, undecodable bytes on lines of their own: the text file shows escapes as U+FFFD.
    for (const auto& [number, name] : {std::pair{950u, "big5"}, std::pair{kUtf8CodePage, "utf8"}}) {
        const CodePage codePage(number);
        const std::string bytes = testData(std::string(name) + ".rc");
        const std::u16string text = decode(bytes, codePage);
        EXPECT_EQ(toUtf8(text), testData(std::string(name) + ".txt")) << name;
        EXPECT_EQ(codePage.encode(text), bytes) << name;
    }
}

#ifndef _WIN32 // The names glibc's converter knows the code pages by; Windows reads them by number.
TEST(CodePage, EachNumberReadsByItsOwnTable) {
    std::string high(0x60, '\0'); // the bytes A0 to FF
    std::iota(high.begin(), high.end(), '\xA0');
    for (const auto& page : testing::tableRows(std::filesystem::path(VELB_TEST_DATA) / "codepage/tables.txt"))
        EXPECT_EQ(toUtf8(decode(high, CodePage(std::stoul(page.at(0))))), page.at(1)) << page[0];
}
#endif

TEST(CodePage, ConsoleTextKeepsSurrogatePairsAndShowsEscapesAsReplacement) {
    // Pairs first, last and before a character above the surrogates; escapes and a lone high half.
    const std::u16string text = u"\U0001F600Ｅ" + std::u16string{escaped(0x80), u'x', 0xD800} + u"就\U0001F600";
    EXPECT_EQ(toUtf8(text), "\U0001F600Ｅ\uFFFDx\uFFFD就\U0001F600");
}

} // namespace
} // namespace velb
