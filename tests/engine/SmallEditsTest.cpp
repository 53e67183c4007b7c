// Small English edits mirrored in the old translation: the cases and their answers stand in
// tests/data/strings/edits.txt, one a line.

#include "SmallEdits.h"
#include "Golden.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

using testing::utf16;

TEST(MirrorSmallEdit, EveryCaseOfTheTable) {
    const auto cases = testing::tableRows(std::filesystem::path(VELB_TEST_DATA) / "strings" / "edits.txt");
    ASSERT_FALSE(cases.empty());
    for (const auto& c : cases) {
        ASSERT_EQ(c.size(), 4u) << c[0];
        const auto mirrored = mirrorSmallEdit(utf16(c[0]), utf16(c[1]), utf16(c[2]));
        EXPECT_EQ(mirrored.value_or(u"-"), utf16(c[3])) << c[0];
    }
}

} // namespace
} // namespace velb
