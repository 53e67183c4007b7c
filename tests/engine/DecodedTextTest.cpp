// The text keeps what it holds whenever it moves to make room, whether its memory is a block of
// the heap or a block as large as a script.

#include "DecodedText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

TEST(DecodedText, KeepsItsCharactersWhenItMovesToMakeRoom) {
    for (const std::size_t count : {std::size_t{100}, std::size_t{3} << 20}) {
        DecodedText text;
        text.reserve(count);
        for (int round = 0; round < 3; ++round) {
            char16_t* const room = text.room(count);
            for (std::size_t i = 0; i < count; ++i)
                room[i] = static_cast<char16_t>(text.size() + i);
            text.grow(count);
        }
        ASSERT_EQ(text.size(), 3 * count);
        for (std::size_t i = 0; i < text.size(); ++i)
            ASSERT_EQ(text.data()[i], static_cast<char16_t>(i)) << "character " << i << " of " << 3 * count;
        text.clear();
        EXPECT_EQ(std::u16string_view(text), u"");
    }
}

} // namespace
} // namespace velb
