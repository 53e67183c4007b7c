#include "LineEdits.h"

#include <algorithm>

namespace velb {

namespace {
constexpr std::u16string_view kLineEnd = u"\r\n";
}

Replacement replacing(const Token& token, const Lines& lines, std::u16string text) {
    const std::u16string_view last = lines.at(token.lastLine);
    const auto end = static_cast<std::size_t>(token.text.data() + token.text.size() - last.data());
    return {token.line, token.column, token.lastLine, end, std::move(text)};
}

void appendReplaced(const Lines& lines, int first, int last, std::vector<Replacement>& replacements,
                    std::u16string& out) {
    std::sort(replacements.begin(), replacements.end(), [](const Replacement& a, const Replacement& b) {
        return a.line != b.line ? a.line < b.line : a.begin < b.begin;
    });
    auto next = replacements.begin();
    for (int line = first; line <= last; ++line) {
        std::size_t copied = 0;
        // A replacement that runs over line ends goes on with the rest of its last line.
        for (; next != replacements.end() && next->line == line; ++next) {
            out.append(lines.at(line).substr(copied, next->begin - copied)).append(next->text);
            copied = next->end;
            line = next->lastLine;
        }
        out.append(lines.at(line).substr(copied)).append(kLineEnd);
    }
}

} // namespace velb
