// Dialog header lines under both rules, beyond the forms of the batch tests' scripts: options
// and signs, the window's names kept, and lines that only look like headers. The cases stand in
// tests/data/headers.txt.

#include "DialogHeader.h"
#include "Golden.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

// A name as the table writes it: in quotes, or - for none.
std::optional<std::u16string> named(const std::string& column) {
    return column == "-" ? std::nullopt : std::optional(testing::utf16(column.substr(1, column.size() - 2)));
}

TEST(HeaderName, EachRuleTakesItsLinesAndNamesThem) {
    const auto cases = testing::tableRows(std::filesystem::path(VELB_TEST_DATA) / "headers.txt");
    ASSERT_FALSE(cases.empty());
    for (const auto& c : cases) {
        const std::u16string line = testing::utf16(c.at(0));
        EXPECT_EQ(headerName(line, HeaderRule::FixedImpure), named(c.at(1))) << c[0];
        EXPECT_EQ(headerName(line, HeaderRule::AnyForm), named(c.at(2))) << c[0];
    }
}

} // namespace
} // namespace velb
