#include "RcTokens.h"

#include <algorithm>
#include <optional>

namespace velb {

namespace {

constexpr std::u16string_view kBlanks = u" \t\v\f";

bool opensString(std::u16string_view line, std::size_t at) {
    return line[at] == u'"' || line.substr(at, 2) == u"L\"";
}

// Past the closing quote; "" is a quote and a backslash escapes what follows it. Nothing when
// the line ends first.
std::optional<std::size_t> stringEnd(std::u16string_view line, std::size_t at) {
    while (at < line.size()) {
        if (line[at] == u'\\') {
            at += 2;
        } else if (line[at] == u'"') {
            if (at + 1 < line.size() && line[at + 1] == u'"')
                at += 2;
            else
                return at + 1;
        } else {
            ++at;
        }
    }
    return std::nullopt;
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

std::size_t wordEnd(std::u16string_view line, std::size_t at) {
    std::size_t end = at;
    for (; end < line.size(); ++end) {
        const char16_t c = line[end];
        if (isBlank(c) || c == u',' || c == u'"')
            break;
        if (c == u'/' && end + 1 < line.size() && (line[end + 1] == u'/' || line[end + 1] == u'*'))
            break;
    }
    return end;
}

} // namespace

bool isPreprocessorLine(std::u16string_view line) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    return first != std::u16string_view::npos && line[first] == u'#';
}

void Tokenizer::split(const Lines& lines, int& at, std::vector<Token>& tokens) {
    std::u16string_view line = lines.at(at);
    if (!m_inComment && isPreprocessorLine(line))
        return;
    std::size_t column = 0;
    while (column < line.size()) {
        if (m_inComment) {
            const std::size_t close = line.find(u"*/", column);
            if (close == std::u16string_view::npos)
                break;
            m_inComment = false;
            column = close + 2;
            continue;
        }
        column = std::min(line.find_first_not_of(kBlanks, column), line.size());
        if (column == line.size() || line.substr(column, 2) == u"//")
            break;
        if (line.substr(column, 2) == u"/*") {
            m_inComment = true;
            column += 2;
            continue;
        }
        if (line[column] == u',') {
            tokens.push_back({line.substr(column, 1), at, column, false, at});
            ++column;
            continue;
        }
        if (!opensString(line, column)) {
            const std::size_t end = wordEnd(line, column);
            tokens.push_back({line.substr(column, end - column), at, column, false, at});
            column = end;
            continue;
        }
        // A literal, on as many lines as end with a backslash inside it.
        const std::u16string_view::const_pointer begin = line.data() + column;
        const int startLine = at;
        std::optional<std::size_t> end = stringEnd(line, column + (line[column] == u'L' ? 2 : 1));
        while (!end && line.ends_with(u'\\') && at + 1 < lines.count()) {
            line = lines.at(++at);
            end = stringEnd(line, 0);
        }
        const std::u16string_view::const_pointer stop = line.data() + end.value_or(line.size());
        tokens.push_back({std::u16string_view(begin, static_cast<std::size_t>(stop - begin)), startLine,
                          static_cast<std::size_t>(begin - lines.at(startLine).data()), end.has_value(), at});
        column = end.value_or(line.size());
    }
}

} // namespace velb
