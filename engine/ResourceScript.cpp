#include "ResourceScript.h"

#include <algorithm>

namespace velb {

namespace {
constexpr std::size_t kLineEnd = 2; // CR LF
}

std::u16string_view ResourceScript::line(int i) const {
    const std::size_t begin = lineStart[i - 1];
    return std::u16string_view(text).substr(begin, lineStart[i] - kLineEnd - begin);
}

std::u16string_view ResourceScript::lines(int first, int last) const {
    if (first > last)
        return {};
    return std::u16string_view(text).substr(lineStart[first - 1], lineStart[last] - lineStart[first - 1]);
}

int ResourceScript::lineOf(std::u16string_view slice) const {
    const auto offset = static_cast<std::size_t>(slice.data() - text.data());
    return static_cast<int>(std::upper_bound(lineStart.begin(), lineStart.end(), offset) - lineStart.begin());
}

} // namespace velb
