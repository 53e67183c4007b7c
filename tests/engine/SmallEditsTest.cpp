// Small English edits mirrored in the old translation: the cases and their answers stand in
// tests/data/strings/edits.txt, one a line.

#include "SmallEdits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ranges>
#include <string>
#include <vector>

namespace velb {
namespace {

std::u16string utf16(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).u16string();
}

std::vector<std::string> columns(const std::string& line) {
    std::vector<std::string> parts;
    for (const auto part : std::views::split(line, std::string_view(" | ")))
        parts.emplace_back(part.begin(), part.end());
    return parts;
}

TEST(MirrorSmallEdit, EveryCaseOfTheTable) {
    std::ifstream cases(std::filesystem::path(VELB_TEST_DATA) / "strings" / "edits.txt");
    int count = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string> c = columns(line);
        ASSERT_EQ(c.size(), 4u) << line;
        const auto mirrored = mirrorSmallEdit(utf16(c[0]), utf16(c[1]), utf16(c[2]));
        EXPECT_EQ(mirrored.value_or(u"-"), utf16(c[3])) << line;
        ++count;
    }
    EXPECT_GT(count, 0);
}

} // namespace
} // namespace velb
